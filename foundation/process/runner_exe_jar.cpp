#include "runner_exe_jar.h"

#include "runner_banners.h"

namespace {

const char* TargetKind(int exe, bool end)
{
    if (end)
        return exe ? "exe file\n\n" : "jar file\n\n";
    return exe ? "exe file\n" : "jar file\n";
}

// The line on which a built executable ends itself and its Java process.
constexpr const char* kTerminateLine = "Terminate\r\n";
// After TerminateProcess the readers only drain what is left.
constexpr DWORD kDrainMs = 3000;

}  // namespace

int RunnerExeJar::Run(RunnerOwner* runOwner, const char* commandLine, int exeFile)
{
    exe = exeFile;
    startupInfo.wShowWindow = SW_SHOW;
    XString banner(kLaunchRule);
    banner.Append("start  launching ");
    banner.Append(TargetKind(exe, false));
    return RunInPane(runOwner, banner, commandLine);
}

void RunnerExeJar::Stop()
{
    if (!IsRunning())
        return;
    if (exe && WriteToChild(kTerminateLine) && Wait(kStopGraceMs) == WAIT_OBJECT_0)
        return;
    Terminate();
    Wait(kDrainMs);
}

XString RunnerExeJar::EndBanner()
{
    XString banner("\n");
    banner.Append(kLaunchRule);
    banner.Append("end of launching ");
    banner.Append(TargetKind(exe, true));
    return banner;
}

void RunnerExeJar::ShowIdleControls()
{
    owner->ShowRunning(RunnerOwner::kTestRun, 0);
}
