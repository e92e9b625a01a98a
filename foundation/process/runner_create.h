#pragma once

#include "output_text.h"
#include "pane_runner.h"

// Runs the jar tool while an exe or jar file is created: its standard output
// goes to the pane as it comes, its standard error is collected and appended
// after it, and a tool that outlives the time-out is terminated.
class RunnerCreate : public PaneRunner {
public:
    RunnerCreate();
    ~RunnerCreate() override { EndRun(); }

    // Changes the program's current directory to workDirectory first (the
    // jar tool takes its file names relative to it). A tool held by StartHeld
    // with the same directory and command line is let go instead of started.
    int Run(RunnerOwner* owner, const char* workDirectory, const char* commandLine, int exeFile, int fileCount,
            int timeoutSeconds);

    // Makes the tool's process now and holds it before its first instruction,
    // so the process is made while the caller prepares what the tool will
    // read (its argument file). Nothing shows in the pane until Run; a Run
    // with another command line, or DropHeld, ends it unseen. 0 when it could
    // not be made (Run then starts the tool as usual).
    int StartHeld(const char* workDirectory, const char* commandLine);
    // Ends a held tool that is not going to run; nothing when none is held.
    void DropHeld();

    // For the owner right after Run: waits for the run to end while the
    // readers keep appending to the owner's pane. WAIT_OBJECT_0 when the tool
    // ended by itself, WAIT_TIMEOUT when it was terminated at the time-out
    // (the creation failed).
    DWORD WaitTimeout();

    int TimedOut() const { return timedOut; }

protected:
    int ChunkSize(Stream stream) const override { return stream == kStdout ? 1020 : 2040; }
    DWORD ChildTimeLimit() const override;
    int OnChunk(Stream stream, XString& text) override;
    void OnReaderDone(Stream stream) override;
    XString EndBanner() override;

private:
    int exe;
    int timeoutSeconds;
    XString heldDirectory;
    XString heldCommand;
    volatile LONG stderrSeen;
    XString collectedStderr;
    // The tool's "adding:" lines as they pass to the pane, so the end banner
    // need not wait for a lagging pane to count them there.
    AddingLineCounter addingLines;
};
