#include "process_runner.h"

#include "security.h"

#include "output_text.h"

namespace {

constexpr int kLargestChunk = 2040;
// How long a reader woken by a little output lets more of it gather.
constexpr DWORD kGatherOutputMs = 1;
// The most output handed on at once.
constexpr int kLargestDelivery = 64 * 1024;
// What an output pipe holds before the child's writes wait for the reader.
constexpr DWORD kOutputPipeBuffer = 64 * 1024;
// After a time-out kill, how long the waiter waits for the child to be gone.
constexpr DWORD kKillSettleMs = 5000;
// The destructor's limit for a run to wind down after Terminate.
constexpr DWORD kDestroyWaitMs = 30000;
// How long a start waits for the previous run's last thread to signal.
constexpr DWORD kSettleMs = 1000;

// Child ends of pipes are inheritable from their creation until the child has
// started and the parent has closed them. Starts of all runners are taken one
// at a time so that no child inherits the pipe ends meant for another.
CRITICAL_SECTION& ChildStartLock()
{
    struct Lock {
        Lock() { InitializeCriticalSection(&section); }
        CRITICAL_SECTION section;
    };
    static Lock lock;
    return lock.section;
}

void CloseIfOpen(HANDLE& h)
{
    if (h) {
        CloseHandle(h);
        h = nullptr;
    }
}

// Pipe handles that children inherit (no descriptor).
SECURITY_ATTRIBUTES InheritablePipeAttributes()
{
    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = nullptr;
    sa.bInheritHandle = TRUE;
    return sa;
}

// Makes the parent's end of a fresh pipe non-inheritable, so only the child
// end travels into the child.
int KeepFromChildren(HANDLE* end)
{
    HANDLE own = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), *end, GetCurrentProcess(), &own, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return 0;
    CloseHandle(*end);
    *end = own;
    return 1;
}

// An output pipe whose parent end is read overlapped: a reader then waits
// for output and for the end of the run at once, and wakes the moment
// either comes. The child's end is an ordinary pipe handle.
int CreateOutputPipe(HANDLE* parentRead, HANDLE* childWrite)
{
    static volatile LONG serial = 0;
    char name[80];
    wsprintfA(name, "\\\\.\\pipe\\quenlow-output-%lu-%ld", GetCurrentProcessId(), InterlockedIncrement(&serial));
    *childWrite = nullptr;
    *parentRead = CreateNamedPipeA(name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                   PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, kOutputPipeBuffer,
                                   kOutputPipeBuffer, 0, nullptr);
    if (*parentRead == INVALID_HANDLE_VALUE) {
        *parentRead = nullptr;
        return 0;
    }
    SECURITY_ATTRIBUTES sa = InheritablePipeAttributes();
    *childWrite = CreateFileA(name, GENERIC_WRITE, 0, &sa, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (*childWrite == INVALID_HANDLE_VALUE) {
        *childWrite = nullptr;
        CloseIfOpen(*parentRead);
        return 0;
    }
    return 1;
}

int CreatePipePair(HANDLE* read, HANDLE* write, HANDLE* parentEnd)
{
    SECURITY_ATTRIBUTES sa = InheritablePipeAttributes();
    *read = *write = nullptr;
    if (!CreatePipe(read, write, &sa, 0))
        return 0;
    if (!KeepFromChildren(parentEnd)) {
        CloseIfOpen(*read);
        CloseIfOpen(*write);
        return 0;
    }
    return 1;
}

}  // namespace

void EnterChildStart()
{
    EnterCriticalSection(&ChildStartLock());
}

void LeaveChildStart()
{
    LeaveCriticalSection(&ChildStartLock());
}

DWORD WaitDeliveringSentMessages(HANDLE handle, DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD left = INFINITE;
        if (ms != INFINITE) {
            const DWORD elapsed = GetTickCount() - start;
            left = elapsed >= ms ? 0 : ms - elapsed;
        }
        const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0)
            return WAIT_OBJECT_0;
        if (r != WAIT_OBJECT_0 + 1)
            return r == WAIT_TIMEOUT ? WAIT_TIMEOUT : WAIT_FAILED;
        // Peeking delivers the sent messages; posted ones stay for the
        // thread's own message loop.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        if (left == 0)
            return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0 ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    }
}

ProcessRunner::ProcessRunner()
    : processInfo(), startupInfo(), stdoutReader(), stderrReader(), waiter(), stdoutRead(nullptr),
      stderrRead(nullptr), stdinWrite(nullptr), timedOut(0), endedThreads(3), runActive(0), childEnded(1),
      exitCode(0), processId(0), lastError(0), outputEnd(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      runEnded(CreateEventA(nullptr, TRUE, TRUE, nullptr))
{
    startupInfo.cb = sizeof(startupInfo);
    startupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startupInfo.wShowWindow = SW_SHOW;
    InitializeCriticalSection(&handleLock);
}

ProcessRunner::~ProcessRunner()
{
    // Threads that still use this object: leaking is safer than freeing.
    if (runActive)
        return;
    CloseHandle(outputEnd);
    CloseHandle(runEnded);
    DeleteCriticalSection(&handleLock);
}

void ProcessRunner::EndRun()
{
    // A suspended child has no threads to end its run.
    AbandonStarted();
    if (runActive) {
        Terminate();
        Wait(kDestroyWaitMs);
    }
}

DWORD ProcessRunner::Wait(DWORD ms)
{
    return WaitDeliveringSentMessages(runEnded, ms);
}

void ProcessRunner::Terminate()
{
    EnterCriticalSection(&handleLock);
    if (runActive) {
        if (!childEnded && processInfo.hProcess)
            TerminateProcess(processInfo.hProcess, 0);
        SetEvent(outputEnd);
    }
    LeaveCriticalSection(&handleLock);
}

int ProcessRunner::CreateReadPipe(HANDLE* parentRead, HANDLE* childWrite)
{
    return CreateOutputPipe(parentRead, childWrite);
}

int ProcessRunner::CreateWritePipe(HANDLE* childRead, HANDLE* parentWrite)
{
    return CreatePipePair(childRead, parentWrite, parentWrite);
}

int ProcessRunner::Start(const char* commandLine, DWORD creationFlags)
{
    // The previous run's last thread clears runActive just before it signals
    // runEnded; a start in between waits for that signal.
    if (runActive || WaitForSingleObject(runEnded, kSettleMs) != WAIT_OBJECT_0) {
        lastError = ERROR_BUSY;
        return 0;
    }
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    HANDLE inRead = nullptr, inWrite = nullptr;

    EnterChildStart();
    int ok = CreateReadPipe(&outRead, &outWrite) && CreateReadPipe(&errRead, &errWrite) &&
             CreateWritePipe(&inRead, &inWrite);
    PROCESS_INFORMATION started = {};
    if (ok) {
        startupInfo.hStdOutput = outWrite;
        startupInfo.hStdError = errWrite;
        startupInfo.hStdInput = inRead;

        InheritableAttributes attributes;  // a present, null DACL on NT
        // CreateProcessA may write into its command line.
        XString line(commandLine);
        ok = CreateProcessA(nullptr, const_cast<char*>(line.Data()), attributes.Get(), nullptr, TRUE,
                            creationFlags, nullptr, nullptr, &startupInfo, &started);
        lastError = ok ? 0 : GetLastError();
        startupInfo.hStdOutput = startupInfo.hStdError = startupInfo.hStdInput = nullptr;
    } else {
        lastError = GetLastError();
    }
    // Only the child holds its ends now: the readers see end-of-file when it
    // (and whatever inherited them from it) has gone.
    CloseIfOpen(outWrite);
    CloseIfOpen(errWrite);
    CloseIfOpen(inRead);
    LeaveChildStart();

    if (!ok) {
        CloseIfOpen(outRead);
        CloseIfOpen(errRead);
        CloseIfOpen(inWrite);
        return 0;
    }
    if (creationFlags & CREATE_SUSPENDED)
        suspendedThread = started.hThread;
    else
        CloseHandle(started.hThread);
    started.hThread = nullptr;
    processInfo = started;
    processId = started.dwProcessId;
    stdoutRead = outRead;
    stderrRead = errRead;
    stdinWrite = inWrite;
    exitCode = STILL_ACTIVE;
    timedOut = 0;
    childEnded = 0;
    endedThreads = 0;
    ResetEvent(outputEnd);
    ResetEvent(runEnded);
    runActive = 1;
    return 1;
}

int ProcessRunner::ResumeStarted()
{
    if (!suspendedThread)
        return 0;
    if (ResumeThread(suspendedThread) == static_cast<DWORD>(-1)) {
        const DWORD error = GetLastError();
        AbandonStarted();
        lastError = error;
        return 0;
    }
    CloseHandle(suspendedThread);
    suspendedThread = nullptr;
    return 1;
}

void ProcessRunner::AbandonStarted()
{
    if (!suspendedThread)
        return;
    EnterCriticalSection(&handleLock);
    TerminateProcess(processInfo.hProcess, 1);
    // Gone before the next start, so it holds no file the next run needs.
    WaitForSingleObject(processInfo.hProcess, kKillSettleMs);
    CloseHandle(suspendedThread);
    suspendedThread = nullptr;
    CloseRunHandles();
    childEnded = 1;
    endedThreads = 3;
    runActive = 0;
    LeaveCriticalSection(&handleLock);
    SetEvent(runEnded);
}

void ProcessRunner::StartThreads()
{
    // Set before any thread runs, so the owner never sees a gap in which the
    // run looks over.
    stdoutReader.alive = stderrReader.alive = waiter.alive = 1;
    struct Plan {
        Worker& worker;
        LPTHREAD_START_ROUTINE proc;
    };
    Plan plans[] = {{stdoutReader, StdoutReaderProc}, {stderrReader, StderrReaderProc}, {waiter, WaiterProc}};
    for (Plan& plan : plans) {
        plan.worker.thread = CreateThread(nullptr, 0, plan.proc, this, 0, &plan.worker.id);
        if (!plan.worker.thread) {
            // Without all three threads the run cannot be followed: end it.
            plan.worker.alive = 0;
            Terminate();
            ThreadEnded();
        }
    }
}

int ProcessRunner::WriteToChild(const char* text)
{
    int written = 0;
    EnterCriticalSection(&handleLock);
    if (runActive && stdinWrite) {
        DWORD done = 0;
        const DWORD size = static_cast<DWORD>(XString::ClampLength(text, -1));
        // No FlushFileBuffers: on a pipe it waits until the child has read
        // everything, which a child that never reads stdin does not do. The
        // written bytes are in the pipe already.
        written = WriteFile(stdinWrite, text, size, &done, nullptr) && done == size;
    }
    LeaveCriticalSection(&handleLock);
    return written;
}

int ProcessRunner::WriteToChildNoWait(const char* text)
{
    int written = -1;
    EnterCriticalSection(&handleLock);
    if (runActive && stdinWrite) {
        DWORD mode = PIPE_READMODE_BYTE | PIPE_NOWAIT;
        SetNamedPipeHandleState(stdinWrite, &mode, nullptr, nullptr);
        DWORD done = 0;
        const DWORD size = static_cast<DWORD>(XString::ClampLength(text, -1));
        written = WriteFile(stdinWrite, text, size, &done, nullptr) ? static_cast<int>(done) : 0;
    }
    LeaveCriticalSection(&handleLock);
    return written;
}

DWORD WINAPI ProcessRunner::StdoutReaderProc(void* self)
{
    ProcessRunner* runner = static_cast<ProcessRunner*>(self);
    runner->ReadLoop(kStdout, runner->stdoutRead, runner->stdoutReader);
    return 0;
}

DWORD WINAPI ProcessRunner::StderrReaderProc(void* self)
{
    ProcessRunner* runner = static_cast<ProcessRunner*>(self);
    runner->ReadLoop(kStderr, runner->stderrRead, runner->stderrReader);
    return 0;
}

DWORD WINAPI ProcessRunner::WaiterProc(void* self)
{
    static_cast<ProcessRunner*>(self)->WaitForChild();
    return 0;
}

void ProcessRunner::ReadLoop(Stream stream, HANDLE pipe, Worker& worker)
{
    char buffer[kLargestChunk];
    const int wanted = ChunkSize(stream);
    const DWORD chunk = static_cast<DWORD>(wanted > 0 && wanted <= kLargestChunk ? wanted : kLargestChunk);
    // Chunks that are already waiting in the pipe are handed on together:
    // every delivery is one append to a pane, and a pane that takes a fast
    // tool's output a kilobyte at a time would slow the tool down.
    XString pending;
    bool keep = true;  // 0 from OnChunk stops the reader
    auto deliver = [&] {
        NormalizeLineEnds(pending);
        if (!pending.IsEmpty())
            keep = OnChunk(stream, pending) != 0;
        pending.Assign("", 0);
        return keep;
    };
    OVERLAPPED read = {};
    read.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const HANDLE wakes[2] = {read.hEvent, outputEnd};
    while (read.hEvent) {
        bool endSignalled = false;
        bool wokenByOutput = false;
        // ReadFile clears the event itself.
        if (!ReadFile(pipe, buffer, chunk, nullptr, &read)) {
            if (GetLastError() != ERROR_IO_PENDING)
                break;  // end-of-file: every writer has gone
            // The pipe was empty when this read began. The end is looked at
            // only now, so a flowing pipe costs no look at it: once the child
            // has gone, a read that has to wait means everything was read
            // (output written after the read began completes it, and the
            // cancel then leaves that output in place).
            endSignalled = WaitForSingleObject(outputEnd, 0) == WAIT_OBJECT_0;
            // What came so far goes on before the wait.
            if (!deliver() || endSignalled || WaitForMultipleObjects(2, wakes, FALSE, INFINITE) != WAIT_OBJECT_0)
                CancelIo(pipe);
            else
                wokenByOutput = true;
        }
        DWORD got = 0;
        if (!GetOverlappedResult(pipe, &read, &got, TRUE)) {
            // Cancelled because the end came while the pipe was empty: one
            // more look at the pipe, then the reader stops.
            if (GetLastError() != ERROR_OPERATION_ABORTED || endSignalled || !keep)
                break;
            continue;
        }
        if (!keep)
            break;
        pending.Append(buffer, static_cast<int>(got));
        if (pending.Length() >= kLargestDelivery && !deliver())
            break;
        // A child that writes a line at a time would wake the reader for
        // every line, and under Wine each wake costs the child's own calls
        // some time. A moment's pause lets its output gather in the pipe,
        // which then goes in whole chunks.
        if (wokenByOutput)
            Sleep(kGatherOutputMs);
    }
    if (keep)
        deliver();
    if (read.hEvent)
        CloseHandle(read.hEvent);
    worker.alive = 0;
    OnReaderDone(stream);
    ThreadEnded();
}

void ProcessRunner::WaitForChild()
{
    const HANDLE child = processInfo.hProcess;
    if (WaitForSingleObject(child, ChildTimeLimit()) == WAIT_TIMEOUT) {
        timedOut = 1;
        TerminateProcess(child, 1);
        WaitForSingleObject(child, kKillSettleMs);
    }
    DWORD code = 0;
    exitCode = GetExitCodeProcess(child, &code) ? code : static_cast<DWORD>(-1);
    EnterCriticalSection(&handleLock);
    childEnded = 1;
    LeaveCriticalSection(&handleLock);
    waiter.alive = 0;
    SetEvent(outputEnd);
    ThreadEnded();
}

void ProcessRunner::ThreadEnded()
{
    if (InterlockedIncrement(&endedThreads) != 3)
        return;
    OnEnd();
    EnterCriticalSection(&handleLock);
    CloseRunHandles();
    runActive = 0;
    LeaveCriticalSection(&handleLock);
    // Nothing of this object may be touched after this: a waiting owner may
    // reuse or destroy the runner at once.
    SetEvent(runEnded);
}

void ProcessRunner::CloseRunHandles()
{
    CloseIfOpen(processInfo.hProcess);
    CloseIfOpen(stdoutRead);
    CloseIfOpen(stderrRead);
    CloseIfOpen(stdinWrite);
    CloseIfOpen(stdoutReader.thread);
    CloseIfOpen(stderrReader.thread);
    CloseIfOpen(waiter.thread);
}
