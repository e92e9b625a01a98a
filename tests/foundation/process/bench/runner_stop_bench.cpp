// Times the runners' bounded waits against the test child, beside the
// figures they are built to: Stop of a built exe's test run that ends on
// "Terminate" (well inside the grace), one that ignores it (the grace, then
// terminated), Stop of a jar's run (at once), and the creation tool's
// time-out. The tests prove that each ends; this tells how soon.
//   runner_stop_bench [rounds]   (5, under Wine)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "process/runner_create.h"
#include "process/runner_exe_jar.h"
#include "runner_fixture.h"
#include "support/bench/stopwatch.h"

namespace {

int rounds = 5;

void Report(const char* what, std::vector<double> seconds, double goal, const char* goalText)
{
    std::sort(seconds.begin(), seconds.end());
    std::printf("%-34s best %6.3fs  median %6.3fs  worst %6.3fs   goal %s %.1fs (median %.2fx)\n", what,
                seconds.front(), seconds[seconds.size() / 2], seconds.back(), goalText, goal,
                seconds[seconds.size() / 2] / goal);
}

class RunnerStopBench : public RunnerWindowTest {};

TEST_F(RunnerStopBench, StopsAndTimeOut)
{
    const double grace = RunnerExeJar::kStopGraceMs / 1000.0;
    const struct {
        const char* what;
        int exe;
        const char* steps;
        double goal;
        const char* goalText;
    } stops[] = {
        {"Stop, exe that ends on the line", 1, "stdin:7", grace, "under"},
        {"Stop, exe that ignores the line", 1, "sleep:600000", grace, "the grace"},
        {"Stop, jar", 0, "sleep:600000", 1.0, "under"},
    };
    for (const auto& s : stops) {
        std::vector<double> seconds;
        for (int round = 0; round < rounds; ++round) {
            RunnerExeJar runner;
            ShowRunning();
            ASSERT_EQ(runner.Run(owner, ChildCommand(OutStep("started\r\n") + " " + s.steps).c_str(), s.exe), 1);
            for (DWORD waited = 0; PaneText().find("started") == std::string::npos && waited < kRunLimitMs;
                 waited += 50)
                runner.Wait(50);
            seconds.push_back(Time([&] { runner.Stop(); }));
            runner.Wait(kRunLimitMs);
        }
        Report(s.what, seconds, s.goal, s.goalText);
    }

    std::vector<double> seconds;
    for (int round = 0; round < rounds; ++round) {
        RunnerCreate runner;
        seconds.push_back(Time([&] {
            runner.Run(owner, "C:\\", ChildCommand(OutStep("adding: a\r\n") + " sleep:600000").c_str(), 0, 1, 2);
            runner.WaitTimeout();
        }));
    }
    Report("Create, tool past its 2 s time-out", seconds, 2.0, "the time-out");
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        rounds = std::max(1, std::atoi(argv[1]));
    return RUN_ALL_TESTS();
}
