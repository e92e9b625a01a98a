// Every window of the real Dovrekell.exe as a user opens it: the frame with
// each tab of its left panel, at its first size and maximised, and its find,
// options and About dialogs. No control reaches past its parent and none lies
// on another; screenshots of each land in the build's window-screens.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "dovrekell_ids.h"
#include "support/dovrekell_frame.h"
#include "support/layout_check.h"
#include "support/quenlow_tree/quenlow_tree.h"

namespace {

constexpr DWORD kStartMs = 20000;

class DovrekellWindowsE2eTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree = MakeTree("dovrekell_windows_e2e");
        program = tree.Bin() + "\\Dovrekell.exe";
        ASSERT_TRUE(CopyFileA(QUENLOW_DOVREKELL, program.c_str(), FALSE));
        starter.reset(new Program("\"" + program + "\""));
        ASSERT_TRUE(help.Attach(program, kStartMs));
    }
    void TearDown() override
    {
        EXPECT_TRUE(help.Close(20000));
        starter.reset();
    }

    // A modal dialog of the frame's command, found by its caption.
    HWND Open(UINT command, const char* caption)
    {
        PostMessageA(help.Frame(), WM_COMMAND, command, 0);
        HWND opened = nullptr;
        WaitFor([&] { return (opened = help.Window("#32770", caption)) != nullptr; }, kStartMs);
        return opened;
    }

    Tree tree;
    std::string program;
    std::unique_ptr<Program> starter;
    HelpBrowserProcess help;
};

TEST_F(DovrekellWindowsE2eTest, FrameWithEachPanelTabFitsAtBothSizes)
{
    const HWND tabs = GetDlgItem(help.Panel(), IDC_TABS);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    const char* names[] = {"contents", "index", "search", "favorite"};
    for (int tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(names[tab]);
        // As a click on the tab: the panel hears of the change and shows the page.
        SendMessageA(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0);
        ASSERT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), tab);
        EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(help.Frame(), std::string("dovrekell-") + names[tab])), "");
    }
}

TEST_F(DovrekellWindowsE2eTest, FindOptionsAndAboutDialogsFit)
{
    const struct {
        UINT command;
        const char* caption;
        const char* name;
    } dialogs[] = {
        {ID_PAGE_FIND, "Find text", "dovrekell-find"},
        {ID_OPTIONS_SETTING, "JDK documentation options", "dovrekell-options"},
        {ID_HELP_ABOUT, "Help system of JDK Docs", "dovrekell-about"},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.caption);
        const HWND opened = Open(d.command, d.caption);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(opened, d.name)), "");
        PostMessageA(opened, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(opened) || !IsWindowVisible(opened); }, 10000));
    }
}

}  // namespace
