#pragma once

#include "xstring.h"

// What a runner needs from the window that shows its runs: the output pane
// and the run buttons. The main dialog implements it; tests use a plain
// window with the same controls.
//
// Reader and waiter threads call these from their own threads, so an owner
// whose controls live on a GUI thread gets cross-thread sent messages; that
// thread must keep delivering them (ProcessRunner::Wait does while it waits).
class RunnerOwner {
public:
    // Control ids of the main dialog that the runners switch.
    static constexpr int kOutputPaneId = 1023;
    static constexpr int kRunMainClassId = 1009;   // shown again when a main-class run ends
    static constexpr int kStopMainClassId = 1027;  // hidden then
    static constexpr int kTestRunId = 1014;        // shown again when a test run ends
    static constexpr int kStopTestRunId = 1017;    // hidden then

    // Shows the output pane and replaces its whole text.
    virtual void ShowStatus(const char* text) = 0;
    // Appends at the end of the output pane. Both readers of a run (and the
    // readers of several runners) call it at the same time: each call's text
    // must arrive whole and in call order.
    virtual void AppendOutput(const char* text) = 0;
    // Enables or disables the buttons that start runs.
    virtual void EnableRunButtons(int enable) = 0;
    virtual void ShowControl(int id, int show) = 0;
    virtual XString OutputText() = 0;

protected:
    ~RunnerOwner() = default;
};
