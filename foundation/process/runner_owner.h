#pragma once

#include "xstring.h"

// What a runner needs from the window that shows its runs: the output pane
// and the run buttons. The main dialog's runner owner implements it over
// the dialog's controls; the runners know no control of it.
//
// Reader and waiter threads call these from their own threads, so an owner
// whose controls live on a GUI thread gets cross-thread sent messages; that
// thread must keep delivering them (ProcessRunner::Wait does while it waits).
class RunnerOwner {
public:
    // The runs whose start button gives way to a stop button while they run.
    enum RunKind { kMainClassRun, kTestRun };

    // Shows the output pane and replaces its whole text.
    virtual void ShowStatus(const char* text) = 0;
    // Appends at the end of the output pane. Both readers of a run (and the
    // readers of several runners) call it at the same time: each call's text
    // must arrive whole and in call order.
    virtual void AppendOutput(const char* text) = 0;
    // Enables or disables the buttons that start runs.
    virtual void EnableRunButtons(int enable) = 0;
    // Running: the kind's stop button in place of its start button; not
    // running: the start button back (a run's end does that).
    virtual void ShowRunning(RunKind kind, int running) = 0;
    virtual XString OutputText() = 0;
    // The owner's thread starts (1) or ends (0) waiting for a run to end.
    // An owner whose pane lives on that thread gives it the run's output in
    // rarer appends meanwhile, so the thread is free when the run ends and
    // the child keeps the processor; the rest follows once the wait is over.
    virtual void WaitingForRun(int waiting) { (void)waiting; }

protected:
    ~RunnerOwner() = default;
};
