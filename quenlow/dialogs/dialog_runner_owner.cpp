#include "dialog_runner_owner.h"

#include "main_dialog_ids.h"
#include "process/process_runner.h"
#include "rich_edit.h"

namespace {
// How long the dialog's end waits for the writer: its pane is going anyway.
constexpr DWORD kWriterEndMs = 5000;
}  // namespace

const int DialogRunnerOwner::kRunButtonIds[5] = {IDC_CREATE, IDC_RUN_MAIN_CLASS, IDC_LAUNCH_OUTPUT,
                                                 IDC_VIEW_EXE_COMMAND, IDC_CLASS_INFO};

DialogRunnerOwner::DialogRunnerOwner(HWND dialogWindow)
    : dialog(dialogWindow), textQueued(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      paneCaughtUp(CreateEventA(nullptr, TRUE, TRUE, nullptr)), writer(nullptr)
{
    InitializeCriticalSection(&queueLock);
    writer = CreateThread(nullptr, 0, WriterProc, this, 0, nullptr);
}

DialogRunnerOwner::~DialogRunnerOwner()
{
    EnterCriticalSection(&queueLock);
    stopping = true;
    LeaveCriticalSection(&queueLock);
    SetEvent(textQueued);
    // The writer may be in a message sent to this thread.
    if (writer && WaitDeliveringSentMessages(writer, kWriterEndMs) != WAIT_OBJECT_0)
        return;  // still busy: leaking is safer than freeing what it uses
    if (writer)
        CloseHandle(writer);
    CloseHandle(textQueued);
    CloseHandle(paneCaughtUp);
    DeleteCriticalSection(&queueLock);
}

DWORD WINAPI DialogRunnerOwner::WriterProc(void* self)
{
    static_cast<DialogRunnerOwner*>(self)->WriteQueued();
    return 0;
}

void DialogRunnerOwner::WriteQueued()
{
    for (;;) {
        WaitForSingleObject(textQueued, INFINITE);
        for (;;) {
            EnterCriticalSection(&queueLock);
            if (stopping || queued.IsEmpty()) {
                writing = false;
                SetEvent(paneCaughtUp);
                const bool stop = stopping;
                LeaveCriticalSection(&queueLock);
                if (stop)
                    return;
                break;
            }
            // Everything queued so far in one append: the pane's cost is
            // per append far more than per byte.
            XString text;
            text.AppendString(queued);
            queued.Assign("", 0);
            writing = true;
            LeaveCriticalSection(&queueLock);
            HWND pane = Pane();
            RichEditAppend(pane, text.Data());
            RichEditShowLastLines(pane);
        }
    }
}

void DialogRunnerOwner::ShowStatus(const char* text)
{
    // Text queued before the status would be replaced by it anyway; text
    // the writer holds reaches the pane first (it waits for this thread).
    EnterCriticalSection(&queueLock);
    queued.Assign("", 0);
    LeaveCriticalSection(&queueLock);
    WaitForPane(INFINITE);
    ShowWindow(Pane(), SW_SHOW);
    RichEditReplaceAll(Pane(), text);
}

void DialogRunnerOwner::AppendOutput(const char* text)
{
    if (!text || !*text)
        return;
    EnterCriticalSection(&queueLock);
    queued.Append(text);
    ResetEvent(paneCaughtUp);
    LeaveCriticalSection(&queueLock);
    SetEvent(textQueued);
}

bool DialogRunnerOwner::WaitForPane(DWORD ms)
{
    return WaitDeliveringSentMessages(paneCaughtUp, ms) == WAIT_OBJECT_0;
}

void DialogRunnerOwner::EnableRunButtons(int enable)
{
    for (int id : kRunButtonIds)
        EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

HWND DialogRunnerOwner::Pane() const
{
    return GetDlgItem(dialog, IDC_OUTPUT_PANE);
}

void DialogRunnerOwner::ShowRunning(RunKind kind, int running)
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

XString DialogRunnerOwner::OutputText()
{
    WaitForPane(INFINITE);
    return RichEdit(Pane()).GetText();
}
