#pragma once

#include "pane_runner.h"

// Test-runs a built exe or jar file in a console of its own and streams its
// output into the owner's pane.
class RunnerExeJar : public PaneRunner {
public:
    // How long Stop lets a built exe end by itself on "Terminate\r\n".
    static constexpr DWORD kStopGraceMs = 3000;

    RunnerExeJar() : exe(0) {}
    ~RunnerExeJar() override { EndRun(); }

    // exeFile: 1 for a built exe file, 0 for a jar file.
    int Run(RunnerOwner* owner, const char* commandLine, int exeFile);

    // Ends the run without holding the calling thread for long: a built exe
    // is asked to end with "Terminate\r\n" and gets kStopGraceMs to do so;
    // what still runs then is terminated. A jar target is terminated at once
    // (there is nothing to ask it). Returns when the run has ended or the
    // bounded waits have passed.
    void Stop();

protected:
    int ChunkSize(Stream stream) const override { return stream == kStdout ? 2040 : 1020; }
    XString EndBanner() override;
    void ShowIdleControls() override;

    int exe;
};
