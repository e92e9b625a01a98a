#include "tool_runner.h"

#include "process/pane_runner.h"

namespace {

const char* StartedStatus(RunWord word)
{
    return word == RunWord::Debugging ? "Debugging started ..." : "Executing started ...";
}

const char* EndedStatus(RunWord word)
{
    return word == RunWord::Debugging ? "Debugging ended" : "Executing ended";
}

}  // namespace

ZRunner::ZRunner(ZRunnerOwner* runOwner) : owner(runOwner), word(RunWord::Executing), failed(0) {}

ZRunner::~ZRunner()
{
    // The threads call this object's overrides: they must be over before it
    // goes, and so must their appends to the owner's panes.
    EndRun();
}

int ZRunner::StartProgram(const char* commandLine)
{
    return Begin(RunWord::Executing, SW_SHOW, CREATE_NEW_CONSOLE, commandLine);
}

int ZRunner::StartDebugger(const char* commandLine)
{
    // The tools have no console to share, so the debugger gets one of its own
    // either way; asked for outright, it is not left behind holding the
    // tool's inherited handles (seen under Wine) once the debugger is ended.
    return Begin(RunWord::Debugging, SW_HIDE, CREATE_NEW_CONSOLE, commandLine);
}

int ZRunner::Start(const char* commandLine)
{
    return Begin(RunWord::Compiling, SW_HIDE, CREATE_NEW_CONSOLE, commandLine);
}

int ZRunner::Begin(RunWord runWord, WORD showMode, DWORD creationFlags, const char* commandLine)
{
    // A run in progress keeps its panes and controls.
    if (IsRunning())
        return 0;
    word = runWord;
    startupInfo.wShowWindow = showMode;
    ShowStart();
    if (!ProcessRunner::Start(commandLine, creationFlags)) {
        ShowNotStarted(commandLine);
        return 0;
    }
    StartThreads();
    return 1;
}

int ZRunner::Launch(const char* commandLine)
{
    if (IsRunning())
        return 0;
    word = RunWord::Compiling;
    startupInfo.wShowWindow = SW_HIDE;
    launchLine.Assign(commandLine);
    launch = ProcessRunner::Start(commandLine, CREATE_NEW_CONSOLE) ? kLaunched : kNotLaunched;
    return launch == kLaunched;
}

void ZRunner::Follow()
{
    const LaunchState state = launch;
    launch = kNoLaunch;
    if (state == kNoLaunch)
        return;
    ShowStart();
    if (state == kNotLaunched)
        ShowNotStarted(launchLine.Data());
    else
        StartThreads();
}

void ZRunner::ShowStart()
{
    owner->AppendOut(RunStartBanner(0, word).Data(), 0);
    owner->AppendErr(RunStartBanner(1, word).Data(), 0);
    if (word != RunWord::Compiling) {
        owner->EnableRunControls(1);
        owner->SetStatus(StartedStatus(word));
    }
}

void ZRunner::ShowNotStarted(const char* commandLine)
{
    // The run is over at once: a line that names the program, both end
    // banners, idle controls.
    const bool compiling = word == RunWord::Compiling;
    owner->AppendErr(CouldNotStartLine(commandLine, LastError()).Data(), 1);
    owner->AppendOut(RunEndBanner(0, word).Data(), 1);
    if (compiling) {
        InterlockedExchange(&failed, 1);
        owner->RecordRunResult(1);
    }
    owner->AppendErr(RunEndBanner(1, word).Data(), 1);
    if (!compiling) {
        owner->EnableRunControls(0);
        owner->SetStatus(EndedStatus(word));
    }
}

void ZRunner::Stop()
{
    Terminate();
}

void ZRunner::StopDebugger()
{
    if (!IsRunning())
        return;
    WriteToChild("exit\n");
    if (Wait(kDebuggerExitMs) != WAIT_OBJECT_0)
        Terminate();
}

void ZRunner::Append(Stream stream, const char* text, int append)
{
    if (stream == kStdout)
        owner->AppendOut(text, append);
    else
        owner->AppendErr(text, append);
}

int ZRunner::OnChunk(Stream stream, XString& text)
{
    Append(stream, text.Data(), 1);
    return 1;
}

void ZRunner::OnReaderDone(Stream stream)
{
    Append(stream, RunEndBanner(stream == kStderr, word).Data(), 1);
}

void ZRunner::OnEnd()
{
    if (word == RunWord::Compiling) {
        // javac's exit code is its verdict: its messages end in many ways
        // ("1 error\n1 warning", a usage text, a summary split over reads).
        // Recorded before the run counts as ended, so the page's next step
        // sees this run's result.
        InterlockedExchange(&failed, ExitCode() != 0 ? 1 : 0);
        owner->RecordRunResult(failed);
        return;
    }
    owner->EnableRunControls(0);
    owner->SetStatus(EndedStatus(word));
}
