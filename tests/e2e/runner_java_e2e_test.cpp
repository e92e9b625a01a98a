// The runners with the real JDK: a main class run shows Java's own output in
// the pane, and Stop of a built executable's test run ends the Java process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "foundation/process/runner_fixture.h"
#include "java_home.h"
#include "process/runner_exe_jar.h"
#include "process/runner_banners.h"
#include "process/runner_main_class.h"
#include "support/test_files.h"

namespace {

// The Linux process is gone, or only a zombie waiting for its reaper.
bool LinuxProcessGone(const std::string& pid)
{
    const std::string stat = ReadFileBytes("Z:\\proc\\" + pid + "\\stat");
    if (stat.empty())
        return true;
    const size_t paren = stat.rfind(')');
    return paren != std::string::npos && stat.size() > paren + 2 && stat[paren + 2] == 'Z';
}

std::string PidIn(const std::string& pane)
{
    const size_t at = pane.find("pid: ");
    if (at == std::string::npos)
        return "";
    return pane.substr(at + 5, pane.find('\n', at) - at - 5);
}

class JavaRunTest : public RunnerWindowTest {
protected:
    template <class Runner>
    void WaitForText(Runner& runner, const char* text)
    {
        for (DWORD waited = 0; PaneText().find(text) == std::string::npos && waited < 60000; waited += 50)
            runner.Wait(50);
    }
};

TEST_F(JavaRunTest, MainClassRunShowsJavasOutputBetweenTheBanners)
{
    const XString java = FindJavaToolExe("\\bin\\java.exe", 1, 1);
    ASSERT_FALSE(java.IsEmpty()) << "no test JDK in the registry";
    RunnerMainClass runner;
    ShowRunning();
    const std::string command = std::string(java.Data()) + " -classpath \"" + QUENLOW_SAMPLE_CLASSES + "\" demo.Main one two";
    ASSERT_EQ(runner.Run(owner, command.c_str()), 1);
    ASSERT_EQ(runner.Wait(60000), static_cast<DWORD>(WAIT_OBJECT_0));
    const std::string pane = PaneText();
    EXPECT_EQ(pane.find(std::string(kLaunchRule) + "start  launching main class\n"), 0u) << pane;
    EXPECT_NE(pane.find("Hello from demo.Main\n"), std::string::npos) << pane;
    EXPECT_NE(pane.find("arguments: one two\n"), std::string::npos) << pane;
    EXPECT_NE(pane.find("a line on standard error\n"), std::string::npos) << pane;
    EXPECT_EQ(CountOf(pane, "end of launching main class\n\n"), 1) << pane;
    const std::string endBanner = std::string(kLaunchRule) + "end of launching main class\n\n";
    ASSERT_GE(pane.size(), endBanner.size());
    EXPECT_EQ(pane.substr(pane.size() - endBanner.size()), endBanner) << pane;
    EXPECT_TRUE(IsEnabled(1009));
}

TEST_F(JavaRunTest, StopOfAnExecutablesTestRunEndsJavaToo)
{
    const std::string exe = ScratchPath("Stoppable.exe");
    std::string trailer(10, '\xAB');
    trailer += std::string("\x00\x00\x00", 3) + "\xA5\xA5\xA5\xA5\xA5" + "demo.Main --pid --sleep=600000" +
               std::string(10, '\xBB');
    ASSERT_TRUE(WriteFileBytes(exe, ReadFileBytes(QUENLOW_STUB_PLAIN) + trailer + ReadFileBytes(QUENLOW_SAMPLE_JAR)));
    RunnerExeJar runner;
    ShowRunning();
    ASSERT_EQ(runner.Run(owner, ("\"" + exe + "\" /streams").c_str(), 1), 1);
    WaitForText(runner, "pid: ");
    const std::string pid = PidIn(PaneText());
    ASSERT_FALSE(pid.empty()) << PaneText();
    EXPECT_FALSE(LinuxProcessGone(pid));

    const DWORD start = GetTickCount();
    runner.Stop();
    EXPECT_LT(GetTickCount() - start, 60000u);
    ASSERT_EQ(runner.Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    bool gone = false;
    for (int i = 0; i < 1200 && !(gone = LinuxProcessGone(pid)); ++i)
        Sleep(50);
    EXPECT_TRUE(gone) << "java " << pid << " outlived the stopped run";
    EXPECT_EQ(CountOf(PaneText(), "end of launching exe file"), 1) << PaneText();
}

}  // namespace
