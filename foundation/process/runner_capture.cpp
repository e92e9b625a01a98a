#include "runner_capture.h"

RunnerCapture::RunnerCapture() : keepReadingStderr(1)
{
    startupInfo.wShowWindow = SW_HIDE;
}

// The runner's threads must be gone before the texts they fill.
RunnerCapture::~RunnerCapture()
{
    EndRun();
}

int RunnerCapture::Run(const char* commandLine, int keepReading)
{
    if (IsRunning())
        return 0;
    stdoutText.Assign("");
    stderrText.Assign("");
    keepReadingStderr = keepReading;
    if (!Start(commandLine))
        return 0;
    StartThreads();
    return 1;
}

int RunnerCapture::OnChunk(Stream stream, XString& text)
{
    if (stream == kStdout) {
        stdoutText.AppendString(text);
        return 1;
    }
    stderrText.AppendString(text);
    if (keepReadingStderr)
        return 1;
    Terminate();
    return 0;
}
