#pragma once

#include <windows.h>

#include "process/runner_owner.h"

// The runners' owner over a window that holds the main dialog's controls:
// the rich edit output pane and the run buttons, found by their ids.
class DialogRunnerOwner final : public RunnerOwner {
public:
    explicit DialogRunnerOwner(HWND dialog);
    DialogRunnerOwner(const DialogRunnerOwner&) = delete;
    DialogRunnerOwner& operator=(const DialogRunnerOwner&) = delete;
    ~DialogRunnerOwner();

    void ShowStatus(const char* text) override;
    void AppendOutput(const char* text) override;
    void EnableRunButtons(int enable) override;
    void ShowRunning(RunKind kind, int running) override;
    XString OutputText() override;

    // The buttons that start runs, switched together while one runs.
    static const int kRunButtonIds[5];

private:
    HWND Pane() const;

    HWND dialog;
    // An append is three messages (length, selection, stream); two threads
    // between them would put text inside each other's.
    CRITICAL_SECTION appendLock;
};
