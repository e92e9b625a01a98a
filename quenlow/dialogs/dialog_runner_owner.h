#pragma once

#include <windows.h>

#include <deque>

#include "process/runner_owner.h"
#include "rich_edit.h"

// The runners' owner over a window that holds the main dialog's controls:
// the rich edit output pane and the run buttons, found by their ids.
//
// A run's output reaches the pane through a writer thread of its own: the
// readers only queue their text, so a child is never held up by the pane
// (a rich edit takes long over many appends); the pane may lag behind the
// child and ends with all of its text, in order. What a worker thread asks
// of the buttons waits in the same queue: a run's end shows in the buttons
// once its output is in the pane, and no worker waits for the dialog's
// thread while that is busy with the pane.
class DialogRunnerOwner final : public RunnerOwner {
public:
    explicit DialogRunnerOwner(HWND dialog);
    DialogRunnerOwner(const DialogRunnerOwner&) = delete;
    DialogRunnerOwner& operator=(const DialogRunnerOwner&) = delete;
    ~DialogRunnerOwner();

    // On the dialog's thread: the text replaces the pane's at once, and
    // output still queued from before is dropped with it (the buttons'
    // changes queued before are made first).
    void ShowStatus(const char* text) override;
    void AppendOutput(const char* text) override;
    void EnableRunButtons(int enable) override;
    void ShowRunning(RunKind kind, int running) override;
    // The pane's text once everything queued is in it.
    XString OutputText() override;
    void WaitingForRun(int waiting) override;

    // Waits (delivering the messages sent to this thread) until the pane
    // holds everything queued; false at the time-out.
    bool WaitForPane(DWORD ms);

    // The buttons that start runs, switched together while one runs.
    static const int kRunButtonIds[5];

private:
    struct Change {
        enum Kind { kText, kEnable, kRunning } kind;
        XString text;      // kText
        int value = 0;     // kEnable: enable; kRunning: running
        RunKind run = kMainClassRun;
        DWORD queuedAt = 0;  // tick count when it was queued
    };

    HWND Pane() const;
    bool OnDialogThread() const;
    void Queue(Change change);
    // scroll: the pane shows its last lines after a text change.
    void Apply(const Change& change, bool scroll = true);
    void ApplyEnable(int enable);
    void ApplyRunning(RunKind kind, int running);
    static DWORD WINAPI WriterProc(void* self);
    void WriteQueued();

    HWND dialog;
    // A long text goes with the pane's control: the writer and the dialog's
    // thread reach the live one through this.
    RichEditPane pane;
    CRITICAL_SECTION queueLock;
    std::deque<Change> queued;  // oldest first
    bool writing = false;  // the writer holds a change taken from the queue
    bool stopping = false;
    bool ownerWaiting = false;  // the dialog's thread waits for a run to end
    DWORD waitBegan = 0;        // tick count when that wait began
    HANDLE textQueued;     // auto reset: wakes the writer
    HANDLE paneCaughtUp;   // manual reset: set while nothing is queued or being written
    HANDLE waitOver;       // manual reset: set while the dialog's thread is not waiting for a run
    HANDLE writer;
};
