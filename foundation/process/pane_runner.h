#pragma once

#include "process_runner.h"
#include "runner_owner.h"

// The runners that show a run in their owner's output pane: the start banner
// replaces the pane's text, the child's output is appended as it comes, and
// the end step appends the end banner and gives the run buttons back.
class PaneRunner : public ProcessRunner {
protected:
    PaneRunner() : owner(nullptr) {}

    // Banner, buttons off, start, threads. A program that cannot be started
    // gets one line naming it, and the owner's controls go back to idle.
    // While a run is in progress nothing happens and the result is 0.
    // resumeStarted: the child was started suspended with this command line
    // and is let go instead of started.
    int RunInPane(RunnerOwner* runOwner, const XString& startBanner, const char* commandLine,
                  bool resumeStarted = false);

    int OnChunk(Stream stream, XString& text) override;
    void OnEnd() override;

    virtual XString EndBanner() = 0;
    // The controls a finished run shows and hides again.
    virtual void ShowIdleControls() {}

    RunnerOwner* owner;

private:
    void BackToIdle();
};

// "could not start PROGRAM (error N)\n": the program is the command line's
// first word, quoted or not.
XString CouldNotStartLine(const char* commandLine, unsigned long error);
