#pragma once

#include "pane_runner.h"

// Runs a Java main class (hidden console) and streams its output into the
// owner's pane.
class RunnerMainClass : public PaneRunner {
public:
    ~RunnerMainClass() override { EndRun(); }

    // 1 when the child runs; 0 when it could not be started.
    int Run(RunnerOwner* owner, const char* commandLine);

protected:
    XString EndBanner() override;
    void ShowIdleControls() override;
};
