#include "dialog_runner_owner.h"

#include <algorithm>

#include "main_dialog_ids.h"
#include "process/process_runner.h"
#include "rich_edit.h"

namespace {
// How long the dialog's end waits for the writer: its pane is going anyway.
constexpr DWORD kWriterEndMs = 5000;
// The most text one append takes: the dialog's thread does each append whole
// (a rich edit takes about a millisecond per kilobyte under load) and is back
// for its own work, such as the end of a build, soon after.
constexpr int kLargestAppend = 8 * 1024;
// While more text waits, the pane scrolls to its end at most this often:
// scrolling costs about as much as an append.
constexpr DWORD kScrollEveryMs = 100;
// While the dialog's thread waits for a run (a build), one short append at
// most this often, of text that has waited this long: that thread is then
// mostly idle, and free when the run ends (a tool often leaves most of its
// listing in its last moments, which an append begun then would hold up),
// while the pane still moves during a long build.
constexpr DWORD kAppendWhileWaitingMs = 100;
constexpr int kLargestAppendWhileWaiting = 2 * 1024;
// A build that ends within this time of its start shows its listing only
// then: its end never waits for an append, and a pane that moves for a
// fraction of a second tells the user nothing.
constexpr DWORD kQuietStartOfWaitMs = 1000;

// Where text longer than largest is cut: after the last line end that
// keeps the head within it (or the first one beyond it), so no character
// is split.
int AppendCut(const XString& text, int largest)
{
    const char* data = text.Data();
    for (int i = largest; i > 0; --i) {
        if (data[i - 1] == '\n')
            return i;
    }
    for (int i = largest; i < text.Length(); ++i) {
        if (data[i] == '\n')
            return i + 1;
    }
    return text.Length();
}
}  // namespace

const int DialogRunnerOwner::kRunButtonIds[5] = {IDC_CREATE, IDC_RUN_MAIN_CLASS, IDC_LAUNCH_OUTPUT,
                                                 IDC_VIEW_EXE_COMMAND, IDC_CLASS_INFO};

DialogRunnerOwner::DialogRunnerOwner(HWND dialogWindow)
    : dialog(dialogWindow), textQueued(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      paneCaughtUp(CreateEventA(nullptr, TRUE, TRUE, nullptr)), waitOver(CreateEventA(nullptr, TRUE, TRUE, nullptr)),
      writer(nullptr)
{
    pane.Attach(GetDlgItem(dialog, IDC_OUTPUT_PANE));
    InitializeCriticalSection(&queueLock);
    writer = CreateThread(nullptr, 0, WriterProc, this, 0, nullptr);
}

DialogRunnerOwner::~DialogRunnerOwner()
{
    EnterCriticalSection(&queueLock);
    stopping = true;
    LeaveCriticalSection(&queueLock);
    SetEvent(waitOver);
    SetEvent(textQueued);
    // The writer may be in a message sent to this thread.
    if (writer && WaitDeliveringSentMessages(writer, kWriterEndMs) != WAIT_OBJECT_0)
        return;  // still busy: leaking is safer than freeing what it uses
    if (writer)
        CloseHandle(writer);
    CloseHandle(textQueued);
    CloseHandle(paneCaughtUp);
    CloseHandle(waitOver);
    DeleteCriticalSection(&queueLock);
}

DWORD WINAPI DialogRunnerOwner::WriterProc(void* self)
{
    static_cast<DialogRunnerOwner*>(self)->WriteQueued();
    return 0;
}

void DialogRunnerOwner::WriteQueued()
{
    DWORD scrolled = GetTickCount();
    DWORD appended = scrolled;
    for (;;) {
        WaitForSingleObject(textQueued, INFINITE);
        for (;;) {
            EnterCriticalSection(&queueLock);
            if (stopping || queued.empty()) {
                writing = false;
                SetEvent(paneCaughtUp);
                const bool stop = stopping;
                LeaveCriticalSection(&queueLock);
                if (stop)
                    return;
                break;
            }
            if (ownerWaiting && queued.front().kind == Change::kText) {
                const DWORD now = GetTickCount();
                const DWORD age = now - queued.front().queuedAt;
                const DWORD since = now - appended;
                const DWORD waited = now - waitBegan;
                const DWORD wait = std::max({age < kAppendWhileWaitingMs ? kAppendWhileWaitingMs - age : 0,
                                             since < kAppendWhileWaitingMs ? kAppendWhileWaitingMs - since : 0,
                                             waited < kQuietStartOfWaitMs ? kQuietStartOfWaitMs - waited : 0});
                if (wait > 0) {
                    LeaveCriticalSection(&queueLock);
                    WaitForSingleObject(waitOver, wait);
                    continue;
                }
            }
            Change change = queued.front();
            queued.pop_front();
            // Text queued one chunk after another goes in one append, up to
            // a size: the pane's cost is per append far more than per byte.
            while (change.kind == Change::kText && !queued.empty() && queued.front().kind == Change::kText &&
                   change.text.Length() < kLargestAppend) {
                change.text.AppendString(queued.front().text);
                queued.pop_front();
            }
            const int largest = ownerWaiting ? kLargestAppendWhileWaiting : kLargestAppend;
            if (change.kind == Change::kText && change.text.Length() > largest) {
                const int cut = AppendCut(change.text, largest);
                Change rest{Change::kText, XString(change.text.Data() + cut, change.text.Length() - cut)};
                rest.queuedAt = change.queuedAt;
                if (!rest.text.IsEmpty())
                    queued.push_front(rest);
                change.text.Erase(cut, change.text.Length() - cut);
            }
            // The last of the text queued now is always scrolled into view.
            const bool moreText = !queued.empty() && queued.front().kind == Change::kText;
            writing = true;
            LeaveCriticalSection(&queueLock);
            const bool scroll = !moreText || GetTickCount() - scrolled >= kScrollEveryMs;
            Apply(change, scroll);
            if (change.kind == Change::kText)
                appended = GetTickCount();
            if (change.kind == Change::kText && scroll)
                scrolled = appended;
        }
    }
}

void DialogRunnerOwner::Apply(const Change& change, bool scroll)
{
    switch (change.kind) {
    case Change::kText:
        pane.Append(change.text.Data());
        if (scroll)
            RichEditShowLastLines(Pane());
        break;
    case Change::kEnable:
        ApplyEnable(change.value);
        break;
    case Change::kRunning:
        ApplyRunning(change.run, change.value);
        break;
    }
}

void DialogRunnerOwner::Queue(Change change)
{
    EnterCriticalSection(&queueLock);
    // With changes still queued the writer has been woken and the pane is
    // not caught up: neither event needs touching (each touch is a call to
    // the system, and output may come in hundreds of pieces a second).
    const bool wasEmpty = queued.empty();
    if (change.kind == Change::kText && !queued.empty() && queued.back().kind == Change::kText &&
        queued.back().text.Length() < kLargestAppend) {
        queued.back().text.AppendString(change.text);
    } else {
        change.queuedAt = GetTickCount();
        queued.push_back(change);
    }
    if (wasEmpty)
        ResetEvent(paneCaughtUp);
    LeaveCriticalSection(&queueLock);
    if (wasEmpty)
        SetEvent(textQueued);
}

bool DialogRunnerOwner::OnDialogThread() const
{
    return GetWindowThreadProcessId(dialog, nullptr) == GetCurrentThreadId();
}

void DialogRunnerOwner::ShowStatus(const char* text)
{
    // Text queued before the status would be replaced by it anyway; what the
    // writer holds reaches the pane first (it waits for this thread).
    std::deque<Change> buttons;
    EnterCriticalSection(&queueLock);
    for (Change& change : queued) {
        if (change.kind != Change::kText)
            buttons.push_back(change);
    }
    queued.clear();
    LeaveCriticalSection(&queueLock);
    WaitForPane(INFINITE);
    for (const Change& change : buttons)
        Apply(change);
    ShowWindow(Pane(), SW_SHOW);
    pane.ReplaceAll(text);
}

void DialogRunnerOwner::AppendOutput(const char* text)
{
    if (!text || !*text)
        return;
    Change change{Change::kText, XString(text)};
    Queue(change);
}

bool DialogRunnerOwner::WaitForPane(DWORD ms)
{
    return WaitDeliveringSentMessages(paneCaughtUp, ms) == WAIT_OBJECT_0;
}

void DialogRunnerOwner::EnableRunButtons(int enable)
{
    if (OnDialogThread() && WaitForPane(0)) {
        ApplyEnable(enable);
        return;
    }
    Change change{Change::kEnable, XString()};
    change.value = enable;
    Queue(change);
}

void DialogRunnerOwner::ApplyEnable(int enable)
{
    for (int id : kRunButtonIds)
        EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

HWND DialogRunnerOwner::Pane() const
{
    return pane.Handle();
}

void DialogRunnerOwner::ShowRunning(RunKind kind, int running)
{
    if (OnDialogThread() && WaitForPane(0)) {
        ApplyRunning(kind, running);
        return;
    }
    Change change{Change::kRunning, XString()};
    change.value = running;
    change.run = kind;
    Queue(change);
}

void DialogRunnerOwner::ApplyRunning(RunKind kind, int running)
{
    const bool mainClass = kind == kMainClassRun;
    HWND start = GetDlgItem(dialog, mainClass ? IDC_RUN_MAIN_CLASS : IDC_LAUNCH_OUTPUT);
    HWND stop = GetDlgItem(dialog, mainClass ? IDC_STOP_MAIN_CLASS : IDC_STOP_OUTPUT);
    // The one shown first, so the place is never empty between the two.
    if (running) {
        ShowWindow(stop, SW_SHOW);
        ShowWindow(start, SW_HIDE);
    } else {
        ShowWindow(start, SW_SHOW);
        ShowWindow(stop, SW_HIDE);
    }
}

void DialogRunnerOwner::WaitingForRun(int waiting)
{
    EnterCriticalSection(&queueLock);
    ownerWaiting = waiting != 0;
    if (ownerWaiting) {
        waitBegan = GetTickCount();
        ResetEvent(waitOver);
    } else {
        SetEvent(waitOver);
    }
    LeaveCriticalSection(&queueLock);
}

XString DialogRunnerOwner::OutputText()
{
    WaitForPane(INFINITE);
    return RichEdit(Pane()).GetText();
}
