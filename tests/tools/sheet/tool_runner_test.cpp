// The tools' runner against the test child: whole output between the
// banners, bytes passed through, stops, repeated runs, a missing program and
// the compile form's error summary.
#include "tool_runner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "output_pane.h"
#include "rich_edit.h"
#include "runner_fixture.h"
#include "support/pane_text.h"

namespace {

// A page's two panes and the run's controls, as plain values the test reads.
class PanesOwner final : public ZRunnerOwner {
public:
    void AppendOut(const char* text, int append) override { AppendPaneText(out, text, append); }
    void AppendErr(const char* text, int append) override { AppendPaneText(err, text, append); }
    void EnableRunControls(int on) override { controlsOn = on; }
    void SetStatus(const char* text) override
    {
        if (std::string(text).find("ended") != std::string::npos)
            InterlockedIncrement(&endedCount);
    }
    void RecordRunResult(int failed) override
    {
        lastResult = failed;
        InterlockedIncrement(&resultCount);
    }

    ZOutputPane out;
    ZOutputPane err;
    volatile LONG controlsOn = -1;
    volatile LONG endedCount = 0;
    volatile LONG lastResult = -1;
    volatile LONG resultCount = 0;
};

class ToolRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        window = CreateWindowExA(0, "STATIC", "tool runner host", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        for (ZOutputPane* pane : {&owner.out, &owner.err}) {
            HWND control = CreateWindowExA(0, RichEdit::kClassName, "",
                                           WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0, 400, 150, window,
                                           nullptr, GetModuleHandleA(nullptr), nullptr);
            ASSERT_NE(control, nullptr);
            RichEdit(control).LimitText(16 * 1024 * 1024);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
            pane->Attach(control);
            pane->MeasureLineHeight();
        }
        runner = std::make_unique<ZRunner>(&owner);
    }
    void TearDown() override
    {
        runner.reset();  // ends a run still in progress before its panes go
        if (window)
            DestroyWindow(window);
    }
    static std::string Text(const ZOutputPane& pane) { return PaneLines(RichEdit(pane.Handle()).GetText()); }
    static std::string Framed(int errorStream, RunWord word, const std::string& inside)
    {
        return std::string(RunStartBanner(errorStream, word).Data()) + inside + RunEndBanner(errorStream, word).Data();
    }

    HWND window = nullptr;
    PanesOwner owner;
    std::unique_ptr<ZRunner> runner;
};

TEST_F(ToolRunnerTest, ANormalEndShowsTheWholeOutputOfBothStreamsBetweenTheBanners)
{
    // About 200 KB on each stream.
    ASSERT_EQ(runner->StartProgram(ChildCommand("lines:4096 errlines:4096 exit:0").c_str()), 1);
    EXPECT_EQ(owner.controlsOn, 1);
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Executing, PatternLines(4096)));
    EXPECT_EQ(Text(owner.err), Framed(1, RunWord::Executing, PatternLines(4096)));
    EXPECT_EQ(owner.controlsOn, 0);
    EXPECT_EQ(owner.endedCount, 1);
    EXPECT_FALSE(runner->IsBusy());
    // The pane keeps its last line in view.
    EXPECT_GT(owner.out.LineHeight(), 0);
    EXPECT_GT(SendMessageA(owner.out.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 4000);
}

TEST_F(ToolRunnerTest, TheEndOfOutputByteAndUtf8PassThrough)
{
    const std::string bytes = "abc\r\n\xB6 stays\r\nh\xC3\xA9llo w\xC3\xB6rld\r\n";
    ASSERT_EQ(runner->StartProgram(ChildCommand(OutStep(bytes) + " " + ErrStep("\xB6\r\nafter") + " exit:0").c_str()), 1);
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Executing, "abc\n\xB6 stays\nh\xC3\xA9llo w\xC3\xB6rld\n"));
    EXPECT_EQ(Text(owner.err), Framed(1, RunWord::Executing, "\xB6\nafter"));
}

TEST_F(ToolRunnerTest, TheRunAfterALongOneIsShownWhereTheLongOneWas)
{
    // The start banner replaces a long pane's text on the pane's own thread,
    // where a fresh control takes the pane's place, in the pane's font, and
    // the pane's line height still holds: the next run goes there.
    ASSERT_EQ(runner->StartProgram(ChildCommand("lines:200 errlines:200 exit:0").c_str()), 1);
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    const HWND longOut = owner.out.Handle();
    ASSERT_EQ(runner->StartProgram(ChildCommand(OutStep("second\r\n") + " " + ErrStep("err\r\n") + " exit:0").c_str()),
              1);
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_NE(owner.out.Handle(), longOut);
    EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Executing, "second\n"));
    EXPECT_EQ(Text(owner.err), Framed(1, RunWord::Executing, "err\n"));
    ZOutputPane measured(owner.out.Handle());
    measured.MeasureLineHeight();
    EXPECT_EQ(measured.LineHeight(), owner.out.LineHeight());
}

TEST_F(ToolRunnerTest, StopEndsAChildThatNeverEndsWithinABound)
{
    ASSERT_EQ(runner->StartProgram(ChildCommand(OutStep("started\r\n") + " sleep:600000").c_str()), 1);
    const DWORD id = runner->ProcessId();
    for (int i = 0; i < 2400 && Text(owner.out).find("started") == std::string::npos; ++i)
        runner->Wait(25);
    const DWORD start = GetTickCount();
    runner->Stop();
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_LT(GetTickCount() - start, 60000u);
    EXPECT_TRUE(ProcessEnded(id));
    EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Executing, "started\n"));
    EXPECT_EQ(owner.controlsOn, 0);
}

TEST_F(ToolRunnerTest, FiftyStartStopCyclesGiveFiftySingleEndBanners)
{
    const std::string endBanner = RunEndBanner(0, RunWord::Executing).Data();
    const std::string errEndBanner = RunEndBanner(1, RunWord::Executing).Data();
    for (int i = 0; i < 50; ++i) {
        SCOPED_TRACE(i);
        const std::string mark = "run " + std::to_string(i) + "\r\n";
        ASSERT_EQ(runner->StartProgram(ChildCommand(OutStep(mark) + " sleep:60000").c_str()), 1);
        // A start while the run is on changes nothing.
        EXPECT_EQ(runner->StartProgram(ChildCommand("exit:0").c_str()), 0);
        // Stopped once the child has started: a child killed while Wine is
        // still starting it leaves its console host behind, holding the
        // test's output pipe.
        for (int wait = 0; wait < 2400 && Text(owner.out).find("run " + std::to_string(i)) == std::string::npos; ++wait)
            runner->Wait(25);
        runner->Stop();
        ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
        const std::string out = Text(owner.out);
        EXPECT_EQ(CountOf(out, endBanner), 1);
        EXPECT_EQ(out.substr(out.size() - endBanner.size()), endBanner);
        EXPECT_EQ(CountOf(Text(owner.err), errEndBanner), 1);
        EXPECT_EQ(out.find("run " + std::to_string(i - 1) + "\n"), std::string::npos);
        EXPECT_EQ(owner.endedCount, i + 1);
        EXPECT_EQ(owner.controlsOn, 0);
    }
}

TEST_F(ToolRunnerTest, AMissingProgramGivesAClearLineAndIdleControls)
{
    EXPECT_EQ(runner->StartProgram("\"C:\\no such folder\\missing.exe\" a b"), 0);
    EXPECT_FALSE(runner->IsBusy());
    EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Executing, ""));
    const std::string err = Text(owner.err);
    EXPECT_NE(err.find("could not start C:\\no such folder\\missing.exe (error "), std::string::npos) << err;
    EXPECT_EQ(CountOf(err, RunEndBanner(1, RunWord::Executing).Data()), 1);
    EXPECT_EQ(owner.controlsOn, 0);
    EXPECT_EQ(owner.endedCount, 1);
    // The runner is ready for the next run.
    ASSERT_EQ(runner->StartProgram(ChildCommand("exit:0").c_str()), 1);
    EXPECT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST_F(ToolRunnerTest, TheDebuggerTakesInputAndIsEndedWhenItIgnoresExit)
{
    // Input reaches the child: it ends on its own.
    ASSERT_EQ(runner->StartDebugger(ChildCommand(OutStep("> ") + " stdin:0").c_str()), 1);
    EXPECT_EQ(runner->WriteInput("Terminate\r\n"), 1);
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Debugging, "> "));
    EXPECT_EQ(runner->WriteInput("late\n"), 0);

    // A child that does not end on "exit" is ended.
    ASSERT_EQ(runner->StartDebugger(ChildCommand("stdin:0").c_str()), 1);
    const DWORD id = runner->ProcessId();
    const DWORD start = GetTickCount();
    runner->StopDebugger();
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_LT(GetTickCount() - start, 60000u);
    EXPECT_TRUE(ProcessEnded(id));
    EXPECT_EQ(owner.endedCount, 2);
}

TEST_F(ToolRunnerTest, ADebuggerThatStopsReadingNeverHoldsTheWriter)
{
    // The child sleeps and never reads: the pipe fills and the write returns
    // at once with what fitted; then nothing more fits, and a stop still ends
    // the child.
    ASSERT_EQ(runner->StartDebugger(ChildCommand("sleep:600000").c_str()), 1);
    const std::string big(4 * 1024 * 1024, 'x');
    const DWORD start = GetTickCount();
    const int first = runner->WriteInputNoWait(big.c_str());
    EXPECT_GE(first, 0);
    EXPECT_LT(first, static_cast<int>(big.size()));
    int later = runner->WriteInputNoWait(big.c_str());
    for (int i = 0; i < 3 && later > 0; ++i)
        later = runner->WriteInputNoWait(big.c_str());
    EXPECT_EQ(later, 0);
    EXPECT_LT(GetTickCount() - start, 60000u);
    runner->Stop();
    ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(runner->WriteInputNoWait("late\n"), -1);
}

TEST_F(ToolRunnerTest, TheCompileFormTakesTheCompilersExitCodeAsItsVerdict)
{
    const struct {
        std::string errors;
        int exitCode;
        int failed;
    } runs[] = {
        {"A.java:1: error: ';' expected\r\n1 error\r\n", 1, 1},
        // javac's usual ending when there are warnings too.
        {"A.java:1: error: ';' expected\r\n1 error\r\n1 warning\r\n", 1, 1},
        {"Note: recompile with -Xlint\r\n", 0, 0},
        {"error: invalid flag: -x\r\nUsage: javac <options> <source files>\r\n", 2, 1},
        {"", 0, 0},
    };
    int count = 0;
    for (const auto& run : runs) {
        const std::string exitStep = "exit:" + std::to_string(run.exitCode);
        const std::string steps = run.errors.empty() ? exitStep : ErrStep(run.errors) + " " + exitStep;
        ASSERT_EQ(runner->Start(ChildCommand(steps).c_str()), 1);
        ASSERT_EQ(runner->Wait(kRunLimitMs), static_cast<DWORD>(WAIT_OBJECT_0));
        EXPECT_EQ(runner->Failed(), run.failed) << run.errors;
        EXPECT_EQ(owner.lastResult, run.failed);
        EXPECT_EQ(owner.resultCount, ++count);
        EXPECT_EQ(Text(owner.out), Framed(0, RunWord::Compiling, ""));
    }
    // The compile form has no status line and leaves the page's controls alone.
    EXPECT_EQ(owner.endedCount, 0);
    EXPECT_EQ(owner.controlsOn, -1);
}

}  // namespace
