// Runs that must end on time: the creation tool's time-out, a fast tool the
// owner waits for on its own thread, and Stop of a test run.
#include "runner_fixture.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <string>

#include "process/runner_create.h"
#include "process/runner_exe_jar.h"

namespace {

// Ends the process with this id if it still runs the child program: once the
// grandchild has ended, Wine soon gives its id to another test's process. The
// handle held keeps the id from passing on while the name is compared.
void EndIfStillTheChildProgram(DWORD id)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
    if (!process)
        return;
    const std::string command = ChildCommand("");
    const size_t slash = command.find_last_of('\\') + 1;
    const std::string name = command.substr(slash, command.rfind('"') - slash);
    bool child = false;
    HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(processes, &entry); more; more = Process32Next(processes, &entry)) {
        if (entry.th32ProcessID == id)
            child = lstrcmpiA(entry.szExeFile, name.c_str()) == 0;
    }
    CloseHandle(processes);
    if (child)
        TerminateProcess(process, 1);
    CloseHandle(process);
}

class CreateRunTest : public RunnerWindowTest {
protected:
    RunnerCreate runner;
    std::string workDirectory = "C:\\";
};

TEST_F(CreateRunTest, ToolStillRunningAtTheTimeOutIsEndedAndTheRunFails)
{
    const DWORD start = GetTickCount();
    ASSERT_EQ(runner.Run(owner, workDirectory.c_str(), ChildCommand(OutStep("adding: a\r\n") + " sleep:60000").c_str(),
                         0, 4, 2),
              1);
    EXPECT_EQ(runner.WaitTimeout(), static_cast<DWORD>(WAIT_TIMEOUT));
    const DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 1500u);
    EXPECT_LT(took, 30000u);  // the tool itself would sleep 60 s
    EXPECT_TRUE(runner.TimedOut());
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_TRUE(ProcessEnded(runner.ProcessId()));
    EXPECT_EQ(PaneText(), "==================== start  creating jar file (4 files)\nadding: a\n"
                          "\n==================== end of creating jar file\n\n");
    for (int id : DialogRunnerOwner::kRunButtonIds)
        EXPECT_TRUE(IsEnabled(id)) << id;
}

TEST_F(CreateRunTest, GrandchildHoldingTheOutputDoesNotHoldTheRun)
{
    // The tool ends and leaves a program behind that keeps its output pipes
    // open: the run ends with the tool, with all that the tool wrote.
    const DWORD start = GetTickCount();
    ASSERT_EQ(runner.Run(owner, workDirectory.c_str(), ChildCommand("adding:2 spawn:120000").c_str(), 0, 2, 60), 1);
    EXPECT_EQ(runner.WaitTimeout(), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_LT(GetTickCount() - start, 60000u);
    EXPECT_FALSE(runner.IsRunning());
    const std::string pane = PaneText();
    const size_t spawned = pane.find("spawned:");
    ASSERT_NE(spawned, std::string::npos) << pane;
    const DWORD grandchild = static_cast<DWORD>(std::strtoul(pane.c_str() + spawned + 8, nullptr, 10));
    EndIfStillTheChildProgram(grandchild);
    EXPECT_EQ(CountOf(pane, "adding: "), 2) << pane;
    const std::string tail = "\n==================== end of creating jar file\n\n";
    ASSERT_GE(pane.size(), tail.size());
    EXPECT_EQ(pane.substr(pane.size() - tail.size()), tail);
}

TEST_F(CreateRunTest, FastToolWithMuchOutputEndsAtItsOwnSpeed)
{
    const struct {
        const char* name;
        std::string steps;
        std::string tail;  // what ends the pane
    } cases[] = {
        {"complaints on stderr", "adding:3000 " + ErrStep("warning: odd\r\n"),
         "adding: file2999.class\nwarning: odd\n\n==================== end of creating exe file (3000 files added)\n\n"},
        {"quiet stderr", "adding:3000",
         "adding: file2999.class\n\n==================== end of creating exe file\n\n"},
    };
    // How fast is create_bench's to tell, beside the bare jar tool.
    for (const auto& c : cases) {
        // The owner waits on the thread that owns the pane the readers append to.
        ASSERT_EQ(runner.Run(owner, workDirectory.c_str(), ChildCommand(c.steps).c_str(), 1, 3000, 60), 1);
        EXPECT_EQ(runner.WaitTimeout(), static_cast<DWORD>(WAIT_OBJECT_0)) << c.name;
        EXPECT_FALSE(runner.TimedOut()) << c.name;
        const std::string pane = PaneText();
        EXPECT_EQ(pane.substr(0, 59), "==================== start  creating exe file (3000 files)\n") << c.name;
        EXPECT_EQ(CountOf(pane, "adding: "), 3000) << c.name;
        ASSERT_GE(pane.size(), c.tail.size());
        EXPECT_EQ(pane.substr(pane.size() - c.tail.size()), c.tail) << c.name;
    }
}

TEST_F(CreateRunTest, AHeldToolRunsOnlyOnceRunLetsItGo)
{
    // The child marks its start with a file: a held child makes none.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string mark = std::string(temp) + "held_tool_mark";
    const std::string held = ChildCommand("touch:" + mark + " " + OutStep("adding: held\r\n"));
    const std::string other = ChildCommand(OutStep("adding: other\r\n"));
    const struct {
        const char* name;
        const std::string* runCommand;  // null: dropped, not run
        bool markMade;
        const char* paneLine;
    } cases[] = {
        {"run with its command", &held, true, "adding: held\n"},
        {"run with another command", &other, false, "adding: other\n"},
        {"dropped", nullptr, false, nullptr},
    };
    for (const auto& c : cases) {
        DeleteFileA(mark.c_str());
        ASSERT_EQ(runner.StartHeld(workDirectory.c_str(), held.c_str()), 1) << c.name;
        const DWORD heldId = runner.ProcessId();
        Sleep(300);
        EXPECT_EQ(GetFileAttributesA(mark.c_str()), INVALID_FILE_ATTRIBUTES) << c.name;
        EXPECT_FALSE(ProcessEnded(heldId)) << c.name;
        if (!c.runCommand) {
            runner.DropHeld();
            EXPECT_FALSE(runner.IsRunning()) << c.name;
        } else {
            ASSERT_EQ(runner.Run(owner, workDirectory.c_str(), c.runCommand->c_str(), 0, 1, 60), 1) << c.name;
            EXPECT_EQ(runner.WaitTimeout(), static_cast<DWORD>(WAIT_OBJECT_0)) << c.name;
            EXPECT_EQ(runner.ExitCode(), 0u) << c.name;
            EXPECT_EQ(runner.ProcessId() == heldId, c.markMade) << c.name;
            EXPECT_EQ(PaneText(), std::string("==================== start  creating jar file (1 files)\n") +
                                      c.paneLine + "\n==================== end of creating jar file\n\n")
                << c.name;
        }
        EXPECT_TRUE(ProcessEnded(heldId)) << c.name;
        EXPECT_EQ(GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES, c.markMade) << c.name;
    }
    DeleteFileA(mark.c_str());
}

class ExeJarStopTest : public RunnerWindowTest {
protected:
    RunnerExeJar runner;
};

TEST_F(ExeJarStopTest, StopEndsTheChildWithinTheBoundedWait)
{
    const struct {
        const char* name;
        int exe;
        const char* steps;
        DWORD limitMs;  // for Stop to return
        DWORD exitCode;
    } cases[] = {
        // A built exe that ends itself on the line, with its own exit code.
        {"exe that obeys", 1, "stdin:7", 30000, 7},
        // One that ignores it is terminated after the grace.
        {"exe that ignores", 1, "sleep:600000", 30000, 0},
        {"jar", 0, "sleep:600000", 30000, 0},
    };
    for (const auto& c : cases) {
        ShowRunning();
        ASSERT_EQ(runner.Run(owner, ChildCommand(OutStep("started\r\n") + " " + c.steps).c_str(), c.exe), 1);
        // Let the child reach its step before it is asked to stop.
        for (DWORD waited = 0; PaneText().find("started") == std::string::npos && waited < kRunLimitMs; waited += 50)
            runner.Wait(50);
        const DWORD start = GetTickCount();
        runner.Stop();
        EXPECT_LT(GetTickCount() - start, c.limitMs) << c.name;
        ASSERT_EQ(runner.Wait(kRunLimitMs), WAIT_OBJECT_0) << c.name;
        EXPECT_TRUE(ProcessEnded(runner.ProcessId())) << c.name;
        EXPECT_EQ(runner.ExitCode(), c.exitCode) << c.name;
        const std::string kind = c.exe ? "exe file" : "jar file";
        EXPECT_EQ(PaneText(), "=========================== start  launching " + kind + "\nstarted\n" +
                                  "\n=========================== end of launching " + kind + "\n\n")
            << c.name;
        EXPECT_TRUE(IsShown(IDC_LAUNCH_OUTPUT)) << c.name;
        EXPECT_FALSE(IsShown(IDC_STOP_OUTPUT)) << c.name;
    }
}

}  // namespace
