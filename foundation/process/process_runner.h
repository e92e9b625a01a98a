#pragma once

#include <windows.h>

#include "xstring.h"

// One child process with its standard input, output and error on pipes of
// its own, and three worker threads per run: a waiter and one reader per
// output stream. The runner is reused run after run.
//
// A run ends when the child has ended and both readers have drained their
// pipes: readers stop on end-of-file, or once the pipe is empty after the
// waiter (or Terminate) has signalled the end. No byte of the child's output
// means anything to them. The last of the three threads runs the end step
// (OnEnd), closes every handle of the run and signals the run's end.
class ProcessRunner {
public:
    enum Stream { kStdout = 0, kStderr = 1 };

    ProcessRunner();
    ProcessRunner(const ProcessRunner&) = delete;
    ProcessRunner& operator=(const ProcessRunner&) = delete;
    // Every most-derived runner calls EndRun in its destructor: the threads
    // call its overrides, which are gone once the base destructor runs.
    virtual ~ProcessRunner();

    // Waits at most `ms` for the current run to end (WAIT_OBJECT_0 or
    // WAIT_TIMEOUT). Messages sent to the calling thread are delivered while
    // it waits, because the readers may be appending to its controls.
    virtual DWORD Wait(DWORD ms);

    // Kills the child if it still runs and signals the readers to drain and
    // stop.
    void Terminate();

    static int CreateReadPipe(HANDLE* parentRead, HANDLE* childWrite);
    static int CreateWritePipe(HANDLE* childRead, HANDLE* parentWrite);

    // From Start until the run has ended.
    int IsRunning() const { return runActive; }
    DWORD ExitCode() const { return exitCode; }
    DWORD ProcessId() const { return processId; }
    DWORD LastError() const { return lastError; }

protected:
    // Starts the child (no threads yet). 0 when a pipe or the process could
    // not be created, or a run is still in progress; LastError() tells why.
    // With CREATE_SUSPENDED the child waits, before its first instruction,
    // for ResumeStarted or AbandonStarted.
    int Start(const char* commandLine, DWORD creationFlags = CREATE_NEW_CONSOLE);
    // A child started suspended, not yet let go or abandoned.
    bool HasSuspendedChild() const { return suspendedThread != nullptr; }
    // Lets a suspended child run; 0 (the child abandoned, LastError() set)
    // when it cannot be resumed.
    int ResumeStarted();
    // Ends a suspended child unseen: no thread ever ran for it, its handles
    // are closed and the runner is idle again.
    void AbandonStarted();

    // Sets the flags and starts the stdout reader, the stderr reader and the
    // waiter, in that order. A thread that cannot be created counts as ended.
    void StartThreads();

    // Terminates a run still in progress and waits for its threads.
    void EndRun();

    // Writes to the child's standard input; 0 when there is no child.
    int WriteToChild(const char* text);
    // The same without ever waiting for the child to read: the pipe is put
    // in no-wait mode, so a full pipe takes only what fits. The bytes that
    // went into the pipe; -1 when there is no child.
    int WriteToChildNoWait(const char* text);

    // Hooks of the derived runners, all called on worker threads.
    // One chunk of output (line ends already normalised, never empty).
    // Returning 0 stops that reader.
    virtual int OnChunk(Stream stream, XString& text) = 0;
    // A reader has stopped and cleared its alive flag.
    virtual void OnReaderDone(Stream) {}
    // Once per run, after all three threads.
    virtual void OnEnd() {}
    virtual int ChunkSize(Stream) const { return 1020; }
    // How long the waiter gives the child before terminating it.
    virtual DWORD ChildTimeLimit() const { return INFINITE; }

    struct Worker {
        HANDLE thread;
        DWORD id;
        volatile LONG alive;
    };

    PROCESS_INFORMATION processInfo;
    STARTUPINFOA startupInfo;
    Worker stdoutReader;
    Worker stderrReader;
    Worker waiter;
    HANDLE stdoutRead;
    HANDLE stderrRead;
    HANDLE stdinWrite;
    volatile LONG timedOut;

private:
    static DWORD WINAPI StdoutReaderProc(void* self);
    static DWORD WINAPI StderrReaderProc(void* self);
    static DWORD WINAPI WaiterProc(void* self);
    void ReadLoop(Stream stream, HANDLE pipe, Worker& worker);
    void WaitForChild();
    void ThreadEnded();
    void CloseRunHandles();

    HANDLE suspendedThread = nullptr;  // the main thread of a child started suspended
    volatile LONG endedThreads;
    volatile LONG runActive;
    volatile LONG childEnded;
    DWORD exitCode;
    DWORD processId;
    DWORD lastError;
    HANDLE outputEnd;  // manual reset: readers drain what is left and stop
    HANDLE runEnded;   // manual reset: set while idle
    CRITICAL_SECTION handleLock;  // the GUI thread's Stop/Terminate against the closing of a run
};

// Held around every start of a child with handle inheritance on: the
// runners' child pipe ends are inheritable only while it is held, so a child
// started elsewhere under it never takes them along.
void EnterChildStart();
void LeaveChildStart();

// Waits for `handle` at most `ms`, delivering messages sent to this thread
// meanwhile; posted messages stay queued. WAIT_OBJECT_0 or WAIT_TIMEOUT.
DWORD WaitDeliveringSentMessages(HANDLE handle, DWORD ms);
