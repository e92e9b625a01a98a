// The sheet's close guard with runs in progress: every way of closing, each
// answered Yes and No. Built twice, once with each tool's sheet and pages.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "controls.h"
#include "rich_edit.h"
#include "runner_fixture.h"
#include "seams.h"
#include "support/test_files.h"
#include "tool_settings.h"
#ifdef CLOSE_TEST_FARROWICK
#include "farrowick_sheet.h"
#else
#include "skelbrand_sheet.h"
#include "window_place.h"
#endif

namespace {

std::mutex promptLock;
std::vector<std::string> prompts;
std::atomic<int> reply{IDNO};

int RecordPrompt(HWND, const char* text, const char*, UINT)
{
    std::lock_guard<std::mutex> hold(promptLock);
    prompts.push_back(text);
    return reply.load();
}

size_t PromptCount()
{
    std::lock_guard<std::mutex> hold(promptLock);
    return prompts.size();
}

struct CloseWay {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

const CloseWay kWays[] = {
    {"caption X", WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(10, 10)},
    {"Esc", WM_COMMAND, IDCANCEL, 0},
    {"Alt+F4", WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(1u << 29)},
    {"system menu Close", WM_SYSCOMMAND, SC_CLOSE, 0},
};

template <class Condition>
bool Within(DWORD ms, Condition condition)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms)
            return false;
        Sleep(20);
    }
    return true;
}

class SheetCloseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        seams::ShowMessage = RecordPrompt;
        // The settings file lives in "<root>\Setting", root being the folder
        // above the test program's.
        ZSettings probe(kKind);
        settingsPath = probe.GetPath().Data();
        CreateDirectoryA(settingsPath.substr(0, settingsPath.rfind('\\')).c_str(), nullptr);
        std::lock_guard<std::mutex> hold(promptLock);
        prompts.clear();
    }
    void TearDown() override { seams::Restore(); }

    static HWND WaitForSheet(const char* caption)
    {
        HWND sheet = nullptr;
        Within(kRunLimitMs, [&] { return (sheet = FindWindowA(nullptr, caption)) != nullptr; });
        return sheet;
    }
    static std::string PaneOf(ZRunPage& page)
    {
        return RichEdit(GetDlgItem(page.Handle(), 1020)).GetText().Data();
    }

#ifdef CLOSE_TEST_FARROWICK
    static constexpr ToolKind kKind = ToolKind::Compile;
#else
    static constexpr ToolKind kKind = ToolKind::ExecuteDebug;
#endif
    std::string settingsPath;
};

#ifndef CLOSE_TEST_FARROWICK

TEST_F(SheetCloseTest, ARunKeepsTheSheetOpenWhicheverWayItIsClosedAndWhateverTheAnswer)
{
    const std::string started = ChildCommand(OutStep("ready") + " sleep:600000");
    for (const CloseWay& way : kWays) {
        for (const int answer : {IDYES, IDNO}) {
            SCOPED_TRACE(std::string(way.name) + (answer == IDYES ? ", Yes" : ", No"));
            RemoveFile(settingsPath);
            reply = answer;
            const size_t promptsBefore = PromptCount();
            SkelbrandSheet sheet("0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "0\n\xA5");
            std::atomic<bool> stayedOpen{false}, runEnded{false};
            std::thread driver([&] {
                HWND window = WaitForSheet("Quenlow: execute and debug");
                if (!window)
                    return;
                sheet.ExecPage().Runner().StartProgram(started.c_str());
                Within(kRunLimitMs, [&] { return PaneOf(sheet.ExecPage()).find("ready") != std::string::npos; });
                PostMessageA(window, way.message, way.wParam, way.lParam);
                Within(kRunLimitMs, [&] { return PromptCount() > promptsBefore; });
                Sleep(200);
                // Open, and nothing saved yet.
                stayedOpen = IsWindow(window) &&
                             ReadFileBytes(settingsPath).find("KEY_MAIN_BOOLS") == std::string::npos;
                if (answer == IDNO) {
                    Sleep(300);
                    runEnded = !sheet.ExecPage().IsBusy();
                    sheet.ExecPage().Runner().Stop();
                }
                Within(kRunLimitMs, [&] { return !sheet.ExecPage().IsBusy(); });
                if (answer == IDYES)
                    runEnded = true;
                PostMessageA(window, way.message, way.wParam, way.lParam);
            });
            sheet.DoModal();
            driver.join();
            EXPECT_TRUE(stayedOpen);
            EXPECT_EQ(runEnded.load(), answer == IDYES);
            ASSERT_EQ(PromptCount(), promptsBefore + 1);
            EXPECT_EQ(prompts.back(), StopRunsPrompt(1, 0));
            EXPECT_NE(ReadFileBytes(settingsPath).find("[KEY_MAIN_BOOLS]1\r\n"), std::string::npos);
        }
    }
}

TEST_F(SheetCloseTest, ThePromptNamesBothRunsAndYesStopsBoth)
{
    reply = IDYES;
    SkelbrandSheet sheet("0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "0\n\xA5");
    std::atomic<bool> bothStopped{false};
    std::thread driver([&] {
        HWND window = WaitForSheet("Quenlow: execute and debug");
        if (!window)
            return;
        sheet.ExecPage().Runner().StartProgram(ChildCommand(OutStep("ready") + " sleep:600000").c_str());
        sheet.DebugPage().Runner().StartDebugger(ChildCommand(OutStep("ready") + " stdin:0").c_str());
        Within(kRunLimitMs, [&] {
            return PaneOf(sheet.ExecPage()).find("ready") != std::string::npos &&
                   PaneOf(sheet.DebugPage()).find("ready") != std::string::npos;
        });
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        bothStopped = Within(kRunLimitMs, [&] { return !sheet.ExecPage().IsBusy() && !sheet.DebugPage().IsBusy(); });
        Sleep(100);
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    sheet.DoModal();
    driver.join();
    EXPECT_TRUE(bothStopped);
    ASSERT_EQ(PromptCount(), 1u);
    EXPECT_EQ(prompts[0], "Can not exit because it is in executing and debugging.\n\nDo you want to stop it now?\n");
}

std::string openedHelp;

HWND RecordHelp(HWND, const char* file, UINT, DWORD_PTR)
{
    openedHelp = file;
    return nullptr;
}

TEST_F(SheetCloseTest, HelpEnterAndMaximiseOnTheFrame)
{
    seams::OpenHelp = RecordHelp;
    SkelbrandSheet sheet("0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "0\n\xA5");
    std::atomic<bool> enterIgnored{false};
    RECT client = {}, close = {}, help = {};
    std::thread driver([&] {
        HWND window = WaitForSheet("Quenlow: execute and debug");
        if (!window)
            return;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Sleep(200);
        enterIgnored = IsWindow(window) && !IsWindowVisible(GetDlgItem(window, IDOK));
        // Maximised as a double click on the caption does it.
        SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        Sleep(200);
        GetClientRect(window, &client);
        close = PlaceInParent(GetDlgItem(window, IDCANCEL));
        help = PlaceInParent(GetDlgItem(window, 9));
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    sheet.DoModal();
    driver.join();
    EXPECT_NE(openedHelp.find("\\quenlow.chm::\\html\\feature\\explorer\\executedebug\\0708execdebug.htm"),
              std::string::npos)
        << openedHelp;
    EXPECT_TRUE(enterIgnored);
    // The buttons follow to the bottom right, 10 pixels apart.
    EXPECT_GT(client.right, 700);
    EXPECT_EQ(help.bottom, client.bottom - 8);
    EXPECT_EQ(close.bottom, help.bottom);
    EXPECT_EQ(help.left - close.right, 10);
    EXPECT_GT(help.right, client.right - 30);
}

#else

TEST_F(SheetCloseTest, ACompileKeepsTheSheetOpenAndTheSettingsAreSavedWhenItGoes)
{
    for (const CloseWay& way : kWays) {
        SCOPED_TRACE(way.name);
        RemoveFile(settingsPath);
        const size_t promptsBefore = PromptCount();
        FarrowickSheet sheet("0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "0\n\xA5");
        std::atomic<bool> stayedOpen{false};
        std::thread driver([&] {
            HWND window = WaitForSheet("Quenlow: compile ...");
            if (!window)
                return;
            // The Compile page is made when it is first shown.
            SendMessageA(window, PSM_SETCURSEL, 2, 0);
            sheet.CompilePage().Runner().Start(ChildCommand(OutStep("ready") + " sleep:600000").c_str());
            Within(kRunLimitMs, [&] { return PaneOf(sheet.CompilePage()).find("ready") != std::string::npos; });
            PostMessageA(window, way.message, way.wParam, way.lParam);
            Within(kRunLimitMs, [&] { return PromptCount() > promptsBefore; });
            Sleep(200);
            stayedOpen = IsWindow(window) && sheet.CompilePage().IsBusy();
            sheet.CompilePage().Runner().Stop();
            Within(kRunLimitMs, [&] { return !sheet.CompilePage().IsBusy(); });
            PostMessageA(window, way.message, way.wParam, way.lParam);
        });
        sheet.DoModal();
        driver.join();
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(PromptCount(), promptsBefore + 1);
        EXPECT_EQ(prompts.back(), "It is in compiling, please wait...");
        EXPECT_NE(ReadFileBytes(settingsPath).find("[KEY_MAIN_BOOLS]1\r\n"), std::string::npos);
    }
}

#endif

}  // namespace
