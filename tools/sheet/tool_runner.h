#pragma once

#include "process/process_runner.h"
#include "run_text.h"

// What a tool's runner needs from the page that shows its runs: one pane per
// output stream and the controls of a run. The readers and the end step call
// these from worker threads; the page's thread must go on delivering sent
// messages (ProcessRunner::Wait does while it waits).
class ZRunnerOwner {
public:
    // append 0 replaces the pane's whole text, 1 appends at its end.
    virtual void AppendOut(const char* text, int append) = 0;
    virtual void AppendErr(const char* text, int append) = 0;
    // The controls that belong to a run in progress (stop, input).
    virtual void EnableRunControls(int on) = 0;
    virtual void SetStatus(const char* text) = 0;
    // The compile tool: whether the compiler failed (its exit code, or it
    // could not be started); called once per run before the run counts as
    // ended.
    virtual void RecordRunResult(int failed) = 0;

protected:
    ~ZRunnerOwner() = default;
};

// One child process of a tool page at a time, its standard output and error
// streamed into the page's two panes between start and end banners. Each run
// has its own pipes, threads and handles (the landed runner's), so nothing of
// a finished run touches the next one: a start waits until the previous
// run's last thread is done.
class ZRunner : public ProcessRunner {
public:
    explicit ZRunner(ZRunnerOwner* owner);
    ~ZRunner() override;

    // The execute-and-debug tool: a program in a console of its own, shown;
    // the debugger hidden. The compile tool: the compiler
    // hidden, in a console of its own. 0 when nothing was started (a run in
    // progress, or the program could not be started: then the panes say so
    // between their banners and the controls go back to idle).
    int StartProgram(const char* commandLine);
    int StartDebugger(const char* commandLine);
    int Start(const char* commandLine);
    // The compile tool's Start in two steps: Launch starts the compiler (1)
    // or fails (0) without a word to the panes, so that the page can be
    // made and filled while the compiler comes up; Follow then shows what
    // Start would have shown (the banners, or why it could not start) and
    // starts the readers. Follow without a Launch does nothing.
    int Launch(const char* commandLine);
    void Follow();

    // Ends the child at once; the readers hand on what is already in the
    // pipes and stop.
    void Stop();
    // Asks the debugger to exit and ends it when it has not within 100 ms.
    void StopDebugger();
    // To the child's standard input; 0 when no child runs.
    int WriteInput(const char* text) { return WriteToChild(text); }
    // The debugger's commands: never waits for a debugger that has stopped
    // reading. The bytes taken; -1 when no child runs.
    int WriteInputNoWait(const char* text) { return WriteToChildNoWait(text); }

    // From a start until the run's last thread has ended.
    int IsBusy() const { return IsRunning(); }
    // The compile tool: the last run's compiler failed.
    int Failed() const { return failed; }

    static constexpr DWORD kDebuggerExitMs = 100;

protected:
    int OnChunk(Stream stream, XString& text) override;
    void OnReaderDone(Stream stream) override;
    void OnEnd() override;
    int ChunkSize(Stream) const override { return 2040; }

private:
    int Begin(RunWord runWord, WORD showMode, DWORD creationFlags, const char* commandLine);
    // The start banners (and for a program or the debugger the run's
    // controls and status); the lines of a start that failed.
    void ShowStart();
    void ShowNotStarted(const char* commandLine);
    void Append(Stream stream, const char* text, int append);

    enum LaunchState { kNoLaunch, kLaunched, kNotLaunched };

    ZRunnerOwner* owner;
    RunWord word;
    volatile LONG failed;  // of the last finished run
    LaunchState launch = kNoLaunch;
    XString launchLine;
};
