#include "pane_runner.h"

#include <cstdio>

XString CouldNotStartLine(const char* commandLine, unsigned long error)
{
    const char* begin = commandLine ? commandLine : "";
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    const char* end = begin;
    if (*begin == '"') {
        ++begin;
        for (end = begin; *end && *end != '"';)
            ++end;
    } else {
        while (*end && *end != ' ' && *end != '\t')
            ++end;
    }
    XString line("\ncould not start ");
    line.Append(begin, static_cast<int>(end - begin));
    char code[32];
    std::snprintf(code, sizeof(code), " (error %lu)\n", error);
    line.Append(code);
    return line;
}

int PaneRunner::RunInPane(RunnerOwner* runOwner, const XString& startBanner, const char* commandLine,
                          bool resumeStarted)
{
    // A run in progress keeps its pane and its buttons.
    if (IsRunning() && !(resumeStarted && HasSuspendedChild()))
        return 0;
    owner = runOwner;
    // The child starts before the pane is reset: emptying a long pane takes
    // a while, and the child's own start-up then covers it. Its output waits
    // in the pipes until the readers start, after the banner.
    const int started = resumeStarted ? ResumeStarted() : Start(commandLine);
    owner->ShowStatus(startBanner.Data());
    owner->EnableRunButtons(0);
    if (!started) {
        owner->AppendOutput(CouldNotStartLine(commandLine, LastError()).Data());
        BackToIdle();
        return 0;
    }
    StartThreads();
    return 1;
}

int PaneRunner::OnChunk(Stream, XString& text)
{
    owner->AppendOutput(text.Data());
    return 1;
}

void PaneRunner::OnEnd()
{
    owner->EnableRunButtons(1);
    owner->AppendOutput(EndBanner().Data());
    ShowIdleControls();
}

void PaneRunner::BackToIdle()
{
    owner->EnableRunButtons(1);
    ShowIdleControls();
}
