// The real Dovrekell.exe, started as a user starts it: through the main
// program's /jdkdochelp and through Galdrove. Its frame comes up complete
// (toolbar, status bar, left panel, right column) and closes with code 0.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/dovrekell_frame.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/screenshot.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

// A toolbar button's text, read through a buffer in the toolbar's process.
std::string ButtonText(HWND toolbar, HANDLE process, int command)
{
    void* remote = VirtualAllocEx(process, nullptr, 256, MEM_COMMIT, PAGE_READWRITE);
    if (!remote)
        return "";
    char text[256] = {};
    SIZE_T got = 0;
    if (SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(remote)) > 0)
        ReadProcessMemory(process, remote, text, sizeof text - 1, &got);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return text;
}

int Height(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

int Width(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

TEST(DovrekellStart, FrameOpensCompleteFromQuenlowAndGaldrove)
{
    const Tree tree = MakeTree("dovrekell start");
    ASSERT_TRUE(CopyFileA(QUENLOW_DOVREKELL, (tree.Bin() + "\\Dovrekell.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(QUENLOW_GALDROVE, (tree.Bin() + "\\Galdrove.exe").c_str(), FALSE));
    const struct {
        const char* how;
        std::string commandLine;
    } starts[] = {
        {"Quenlow /jdkdochelp", "\"" + tree.Exe() + "\" /jdkdochelp"},
        {"Galdrove", "\"" + tree.Bin() + "\\Galdrove.exe\""},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.how);
        Program starter(start.commandLine);
        HWND frame = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (frame = FindFrame(tree.Bin() + "\\Dovrekell.exe")) != nullptr; }, 60000));
        DWORD processId = 0;
        GetWindowThreadProcessId(frame, &processId);
        HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
        ASSERT_NE(process, nullptr);

        // No documentation folder is set yet, so the panel shows the error page.
        EXPECT_EQ(WindowText(frame), "error.html - Dovrekell");
        HWND rebar = ChildOfClass(frame, REBARCLASSNAMEA);
        HWND toolbar = ChildOfClass(rebar, TOOLBARCLASSNAMEA);
        ASSERT_NE(toolbar, nullptr);
        ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 5);
        const struct {
            int command;
            const char* text;
        } buttons[] = {{32787, "Back"}, {32788, "Forward"}, {32778, "Stop"}, {32779, "Refresh"}, {32793, "Font"}};
        for (const auto& button : buttons)
            EXPECT_EQ(ButtonText(toolbar, process, button.command), button.text);
        HWND status = ChildOfClass(frame, STATUSCLASSNAMEA);
        ASSERT_NE(status, nullptr);
        EXPECT_TRUE(IsWindowVisible(status));
        EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 0, 0), 4);

        // The left panel and the right column, whose HTML view has the height.
        HWND outer = ChildOfClass(frame, "QuenlowSplitter");
        ASSERT_NE(outer, nullptr);
        HWND panel = ChildOfClass(outer, "#32770");
        HWND column = ChildOfClass(outer, "QuenlowSplitter");
        ASSERT_NE(panel, nullptr);
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(Width(panel), 250);
        EXPECT_GT(Width(column), 200);
        HWND page = ChildOfClass(column, "QuenlowHtmlView");
        ASSERT_NE(page, nullptr);
        EXPECT_GT(Height(page), 200);

        // Left in the test's folder for a person to look at.
        SaveScreenshot(frame, (std::string("dovrekell-") + (start.how[0] == 'Q' ? "quenlow" : "galdrove") + ".bmp").c_str());
        PostMessageA(frame, WM_CLOSE, 0, 0);
        const DWORD waited = WaitForSingleObject(process, 60000);
        if (waited != WAIT_OBJECT_0)
            TerminateProcess(process, 1);
        DWORD code = 1;
        GetExitCodeProcess(process, &code);
        CloseHandle(process);
        EXPECT_EQ(waited, WAIT_OBJECT_0);
        EXPECT_EQ(code, 0u);
        EXPECT_TRUE(starter.Ended(60000));
    }
}

}  // namespace
