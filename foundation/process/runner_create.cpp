#include "runner_create.h"

#include <cstdio>
#include <cstring>

#include "output_text.h"
#include "runner_banners.h"

namespace {

// Beyond the tool's own time-out: the waiter's kill and the readers' drain.
constexpr DWORD kEndGraceMs = 10000;

const char* TargetKind(int exe)
{
    return exe ? "exe file" : "jar file";
}

}  // namespace

RunnerCreate::RunnerCreate() : exe(0), timeoutSeconds(0), stderrSeen(0) {}

int RunnerCreate::StartHeld(const char* workDirectory, const char* commandLine)
{
    if (IsRunning())
        return 0;
    // The child takes the current directory when it is made.
    SetCurrentDirectoryA(workDirectory);
    startupInfo.wShowWindow = SW_HIDE;
    if (!Start(commandLine, CREATE_NEW_CONSOLE | CREATE_SUSPENDED))
        return 0;
    heldDirectory.Assign(workDirectory);
    heldCommand.Assign(commandLine);
    return 1;
}

void RunnerCreate::DropHeld()
{
    AbandonStarted();
}

int RunnerCreate::Run(RunnerOwner* runOwner, const char* workDirectory, const char* commandLine, int exeFile,
                      int fileCount, int seconds)
{
    const bool resume = HasSuspendedChild() && std::strcmp(heldDirectory.Data(), workDirectory) == 0 &&
                        std::strcmp(heldCommand.Data(), commandLine) == 0;
    if (!resume) {
        DropHeld();
        if (IsRunning())
            return 0;
    }
    SetCurrentDirectoryA(workDirectory);
    exe = exeFile;
    timeoutSeconds = seconds;
    stderrSeen = 0;
    collectedStderr.Assign("");
    addingLines.Reset();
    startupInfo.wShowWindow = SW_HIDE;
    XString banner(kCreateRule);
    banner.Append("start  creating ");
    banner.Append(TargetKind(exe));
    char count[48];
    std::snprintf(count, sizeof(count), " (%d files)\n", fileCount);
    banner.Append(count);
    return RunInPane(runOwner, banner, commandLine, resume);
}

DWORD RunnerCreate::WaitTimeout()
{
    const DWORD limit = ChildTimeLimit();
    if (owner)
        owner->WaitingForRun(1);
    const DWORD ended = Wait(limit == INFINITE ? INFINITE : limit + kEndGraceMs);
    if (owner)
        owner->WaitingForRun(0);
    return ended == WAIT_OBJECT_0 && !timedOut ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

DWORD RunnerCreate::ChildTimeLimit() const
{
    // No time-out given: the tool may take as long as it needs.
    return timeoutSeconds > 0 ? static_cast<DWORD>(timeoutSeconds) * 1000u : INFINITE;
}

int RunnerCreate::OnChunk(Stream stream, XString& text)
{
    if (stream == kStdout) {
        addingLines.Feed(text);
        return PaneRunner::OnChunk(stream, text);
    }
    collectedStderr.AppendString(text);
    stderrSeen = 1;
    return 1;
}

// The tool's complaints come after its list of added files, and before the
// end banner (the end step waits for this reader).
void RunnerCreate::OnReaderDone(Stream stream)
{
    if (stream != kStderr)
        return;
    // Woken the moment the standard output reader ends: a poll here would
    // add its period to every build.
    if (stdoutReader.thread)
        WaitForSingleObject(stdoutReader.thread, INFINITE);
    if (!collectedStderr.IsEmpty()) {
        addingLines.Feed(collectedStderr);
        owner->AppendOutput(collectedStderr.Data());
    }
}

XString RunnerCreate::EndBanner()
{
    XString banner("\n");
    banner.Append(kCreateRule);
    banner.Append("end of creating ");
    banner.Append(TargetKind(exe));
    if (stderrSeen) {
        char added[48];
        std::snprintf(added, sizeof(added), " (%d files added)", addingLines.Count());
        banner.Append(added);
    }
    banner.Append("\n\n");
    return banner;
}
