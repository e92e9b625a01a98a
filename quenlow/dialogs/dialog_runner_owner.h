#pragma once

#include <windows.h>

#include "process/runner_owner.h"

// The runners' owner over a window that holds the main dialog's controls:
// the rich edit output pane and the run buttons, found by their ids.
//
// A run's output reaches the pane through a writer thread of its own: the
// readers only queue their text, so a child is never held up by the pane
// (a rich edit takes long over many appends); the pane may lag behind the
// child and ends with all of its text, in order.
class DialogRunnerOwner final : public RunnerOwner {
public:
    explicit DialogRunnerOwner(HWND dialog);
    DialogRunnerOwner(const DialogRunnerOwner&) = delete;
    DialogRunnerOwner& operator=(const DialogRunnerOwner&) = delete;
    ~DialogRunnerOwner();

    // On the dialog's thread: the text replaces the pane's at once, and
    // output still queued from before is dropped with it.
    void ShowStatus(const char* text) override;
    void AppendOutput(const char* text) override;
    void EnableRunButtons(int enable) override;
    void ShowRunning(RunKind kind, int running) override;
    // The pane's text once everything queued is in it.
    XString OutputText() override;

    // Waits (delivering the messages sent to this thread) until the pane
    // holds everything queued; false at the time-out.
    bool WaitForPane(DWORD ms);

    // The buttons that start runs, switched together while one runs.
    static const int kRunButtonIds[5];

private:
    HWND Pane() const;
    static DWORD WINAPI WriterProc(void* self);
    void WriteQueued();

    HWND dialog;
    CRITICAL_SECTION queueLock;
    XString queued;        // text for the pane, oldest first
    bool writing = false;  // the writer holds text taken from the queue
    bool stopping = false;
    HANDLE textQueued;     // auto reset: wakes the writer
    HANDLE paneCaughtUp;   // manual reset: set while nothing is queued or being written
    HANDLE writer;
};
