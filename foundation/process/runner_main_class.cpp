#include "runner_main_class.h"

#include "runner_banners.h"

int RunnerMainClass::Run(RunnerOwner* runOwner, const char* commandLine)
{
    startupInfo.wShowWindow = SW_HIDE;
    XString banner(kLaunchRule);
    banner.Append("start  launching main class\n");
    return RunInPane(runOwner, banner, commandLine);
}

XString RunnerMainClass::EndBanner()
{
    XString banner("\n");
    banner.Append(kLaunchRule);
    banner.Append("end of launching main class\n\n");
    return banner;
}

void RunnerMainClass::ShowIdleControls()
{
    owner->ShowRunning(RunnerOwner::kMainClassRun, 0);
}
