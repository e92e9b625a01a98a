#pragma once

#include "process_runner.h"

// Runs a child without a window and collects its two output streams into
// texts (the Java properties probe). Read the texts once Wait has returned
// WAIT_OBJECT_0.
class RunnerCapture : public ProcessRunner {
public:
    RunnerCapture();
    ~RunnerCapture() override;

    // keepReadingStderr 0: the first output on standard error ends the run
    // (the child is terminated).
    int Run(const char* commandLine, int keepReadingStderr);

    const XString& StdoutText() const { return stdoutText; }
    const XString& StderrText() const { return stderrText; }

protected:
    int OnChunk(Stream stream, XString& text) override;

private:
    XString stdoutText;
    XString stderrText;
    volatile LONG keepReadingStderr;
};
