// Skelbrand.exe's and Farrowick.exe's windows as a user opens them: every
// page of each sheet at its first size and maximised, Skelbrand's Legend and
// its four debug dialogs (opened from the Debug page's buttons while jdb
// runs), each with no control outside its parent and no two controls on top
// of each other.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/debug_page.h"
#include "support/layout_check.h"

namespace {

constexpr DWORD kJdbLimitMs = 60000;

using namespace debug_page;

// Each page in turn, at the sheet's first size and maximised.
std::vector<std::string> CheckPages(HWND sheet, const std::string& tool, const std::vector<const char*>& pages)
{
    std::vector<std::string> problems;
    for (size_t i = 0; i < pages.size(); ++i) {
        SendMessageA(sheet, PSM_SETCURSEL, i, 0);
        for (const std::string& line : CheckLayoutBothSizes(sheet, tool + "-" + pages[i]))
            problems.push_back(pages[i] + std::string(": ") + line);
    }
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    return problems;
}

TEST(ToolWindowsLayoutE2e, SkelbrandPagesLegendAndDebugDialogs)
{
    const std::string root = MakeDebugTree("skelbrand layout tree", QUENLOW_SKELBRAND);
    ASSERT_FALSE(root.empty());
    Program tool(SkelbrandCommand(root, WindowsPath(QUENLOW_DEBUG_CLASSES)));
    HWND sheet = tool.WaitForDialog("Quenlow: execute and debug");
    ASSERT_NE(sheet, nullptr);
    std::vector<std::string> problems = CheckPages(sheet, "skelbrand", {"main", "find", "options", "execute", "debug"});

    HWND find = PageWith(sheet, 1029);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    Click(find, 1041);
    HWND legend = tool.WaitForDialog("Legend");
    ASSERT_NE(legend, nullptr);
    for (const std::string& line : CheckLayout(legend, "skelbrand-legend"))
        problems.push_back("Legend: " + line);
    PostMessageA(legend, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(legend) || !IsWindowVisible(legend); }, 20000));

    // The dialogs open from the command buttons while jdb runs.
    HWND debug = PageWith(sheet, 1069);
    DebugSelected(sheet);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(debug, kRunButton)) != FALSE; }, kJdbLimitMs))
        << WindowText(GetDlgItem(debug, kStatus));
    const struct {
        int button;
        const char* caption;
    } dialogs[] = {{1077, "Stop in"}, {1076, "Stop at"}, {1078, "watch and unwatch"}, {1079, "class"}};
    for (const auto& d : dialogs) {
        PressCommand(debug, d.button);
        HWND dialog = tool.WaitForDialog(d.caption);
        ASSERT_NE(dialog, nullptr) << d.caption;
        for (const std::string& line : CheckLayout(dialog, std::string("skelbrand-") + d.caption))
            problems.push_back(d.caption + std::string(": ") + line);
        ShowWindow(dialog, SW_HIDE);
    }
    // "exit": jdb ends and the sheet closes without a prompt.
    PressCommand(debug, 1064);
    ASSERT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(debug, kStatus)) == "Debugging ended"; }, kJdbLimitMs))
        << WindowText(GetDlgItem(debug, kStatus));
    EXPECT_EQ(LayoutReport(problems), "");
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(tool.Ended(20000));
}

TEST(ToolWindowsLayoutE2e, FarrowickPages)
{
    const std::string root = MakeToolTree("farrowick layout tree", QUENLOW_FARROWICK, "Farrowick.exe");
    ASSERT_FALSE(root.empty());
    ClassPathRecord record;
    const std::string folder = "1\n" + WindowsPath(QUENLOW_DEBUG_CLASSES);
    Program tool("\"" + root + "\\bin\\Farrowick.exe\" /inside-info " + InsideInfo(record, folder.c_str()).Data());
    HWND sheet = tool.WaitForDialog("Quenlow: compile ...");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(LayoutReport(CheckPages(sheet, "farrowick", {"main", "find", "compile", "options"})), "");
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(tool.Ended(20000));
}

}  // namespace
