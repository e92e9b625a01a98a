// Skelbrand.exe's Debug page with the real jdb: a run started from the Find
// page's menu, the command buttons, the three command combos and the four
// command dialogs, each checked by its echo in the output pane and jdb's own
// reply; the refusals of the dialogs; the close after jdb ends; the command
// histories across a reopen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "support/debug_page.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/remote_rich_edit.h"
#include "support/screenshot.h"
#include "support/sheet_page.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

constexpr DWORD kJdbLimitMs = 60000;
const char kCaption[] = "Quenlow: execute and debug";

using namespace debug_page;

class SkelbrandDebugE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = MakeDebugTree("skelbrand debug tree", QUENLOW_SKELBRAND);
        ASSERT_FALSE(root.empty());
        classes = WindowsPath(QUENLOW_DEBUG_CLASSES);
    }

    std::string Command() const { return SkelbrandCommand(root, classes); }

    // Waits until the output pane, after what it held before, has the echo
    // and the reply.
    static bool Replied(HWND debug, size_t from, const std::string& echo, const std::string& reply)
    {
        return WaitFor(
            [&] {
                const std::string out = Out(debug);
                const size_t at = out.find(echo, from);
                return at != std::string::npos && out.find(reply, at) != std::string::npos;
            },
            kJdbLimitMs);
    }

    std::string root;
    std::string classes;
};

TEST_F(SkelbrandDebugE2e, RealJdbThroughButtonsCombosAndDialogs)
{
    {
        Program tool(Command());
        HWND sheet = tool.WaitForDialog(kCaption);
        ASSERT_NE(sheet, nullptr);
        HWND find = PageWith(sheet, 1029);
        HWND debug = PageWith(sheet, 1069);
        ASSERT_TRUE(find && debug);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(debug, 1059)));

        DebugSelected(sheet);
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(debug, 1059)) != FALSE; }, kJdbLimitMs))
            << WindowText(GetDlgItem(debug, 1017)) << "|" << Out(debug);
        const std::string display = PaneLines(XString(WindowText(GetDlgItem(debug, 1018)).c_str()));
        EXPECT_NE(display.find("jdb.exe"), std::string::npos) << display;
        EXPECT_NE(display.find("demo.Main"), std::string::npos) << display;

        // A look at the page for the build folder.
        SendMessageA(sheet, PSM_SETCURSEL, 4, 0);
        RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(500);
        SaveScreenshot(sheet, QUENLOW_DEBUG_SCREENSHOT);

        // 'Stop in': a blank class is refused and sends nothing.
        PressCommand(debug, 1077);
        HWND stopIn = tool.WaitForDialog("Stop in");
        ASSERT_NE(stopIn, nullptr);
        size_t before = Out(debug).size();
        SetWindowTextA(GetDlgItem(stopIn, 1077), "   ");
        Click(stopIn, 1078);
        HWND box = tool.WaitForDialog("Message");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), "Please input a class name with package as 'Name'");
        Press(box, IDOK);
        ASSERT_TRUE(WaitFor([&] { return tool.FindDialog("Message") == nullptr; }, 60000));
        // jdb may still add its prompt meanwhile; no command's echo follows.
        EXPECT_EQ(Out(debug).find("\n" + std::string(38, '-'), before), std::string::npos) << Out(debug);

        struct Step {
            const char* name;
            void (*act)(HWND debug, HWND dialog);
            const char* echo;
            const char* reply;
        };
        const Step steps[] = {
            {"stop in", [](HWND, HWND d) {
                 SetWindowTextA(GetDlgItem(d, 1077), " demo.Main ");
                 SetWindowTextA(GetDlgItem(d, 1073), "tick");
                 Click(d, 1078);
             }, "stop in demo.Main.tick", "breakpoint demo.Main.tick"},
            {"run", [](HWND g, HWND) { PressCommand(g, 1059); }, "run", "Breakpoint hit:"},
            {"next", [](HWND g, HWND) { PressCommand(g, 1068); }, "next", "Step completed:"},
            {"simple", [](HWND g, HWND) {
                 SendMessageA(GetDlgItem(g, 1070), CB_SETCURSEL, 6, 0);  // version
                 Click(g, 1062);
             }, "version", "This is jdb version"},
            {"option", [](HWND g, HWND) {
                 SendMessageA(GetDlgItem(g, 1073), CB_SETCURSEL, 3, 0);  // where
                 Click(g, 1074);
             }, "where", "demo.Main.main"},
            {"user", [](HWND g, HWND) {
                 SetWindowTextA(GetDlgItem(g, 1080), "  print demo.Main.count ");
                 Click(g, 1061);
             }, "print demo.Main.count", "demo.Main.count = 1"},
            {"cont", [](HWND g, HWND) { PressCommand(g, 1058); }, "cont", "Breakpoint hit:"},
        };
        for (const Step& step : steps) {
            before = Out(debug).size();
            step.act(debug, stopIn);
            EXPECT_TRUE(Replied(debug, before, Echo(step.echo), step.reply)) << step.name << "\n" << Out(debug);
        }

        // The user command's history: the same text twice is one entry, on top.
        SetWindowTextA(GetDlgItem(debug, 1080), "print demo.Main.count");
        before = Out(debug).size();
        Click(debug, 1061);
        EXPECT_TRUE(Replied(debug, before, Echo("print demo.Main.count"), "demo.Main.count = 1"));
        EXPECT_EQ(SendMessageA(GetDlgItem(debug, 1080), CB_GETCOUNT, 0, 0), 1);

        // 'Stop at' takes the line beside each Send; 'class' asks for methods.
        PressCommand(debug, 1076);
        HWND stopAt = tool.WaitForDialog("Stop at");
        ASSERT_NE(stopAt, nullptr);
        SetWindowTextA(GetDlgItem(stopAt, 1080), "");
        Click(stopAt, 1076);
        box = tool.WaitForDialog("Message");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageText(box), "Please input a line number");
        Press(box, IDOK);
        ASSERT_TRUE(WaitFor([&] { return tool.FindDialog("Message") == nullptr; }, 60000));
        SetWindowTextA(GetDlgItem(stopAt, 1080), "14");
        before = Out(debug).size();
        Click(stopAt, 1076);
        EXPECT_TRUE(Replied(debug, before, Echo("stop at demo.Main:14"), "Set breakpoint demo.Main:14")) << Out(debug);

        PressCommand(debug, 1079);
        HWND classBox = tool.WaitForDialog("class");
        ASSERT_NE(classBox, nullptr);
        SendMessageA(GetDlgItem(classBox, 1090), BM_CLICK, 0, 0);
        before = Out(debug).size();
        Click(classBox, 1076);
        EXPECT_TRUE(Replied(debug, before, Echo("methods demo.Main"), "demo.Main tick()")) << Out(debug);
        // The shared class history reached the other dialogs.
        EXPECT_EQ(WindowText(GetDlgItem(classBox, 1077)), "demo.Main");

        // A long out pane: "Clear message" then puts a fresh control in its
        // place, which keeps the pane's font and place.
        HWND outPane = GetDlgItem(debug, 1020);
        const CHARFORMATA font = RemoteDefaultFormat(outPane);
        const RECT place = ChildPlace(outPane);
        before = Out(debug).size();
        SendMessageA(GetDlgItem(debug, 1070), CB_SETCURSEL, 1, 0);  // classes
        Click(debug, 1062);
        EXPECT_TRUE(Replied(debug, before, Echo("classes"), "java.lang.String")) << Out(debug);
        EXPECT_GT(Out(debug).size(), 4096u);

        // "Clear message": the pane starts again with the start rule and the echo.
        SendMessageA(GetDlgItem(debug, 1069), BM_SETCHECK, BST_CHECKED, 0);
        PressCommand(debug, 1058);
        EXPECT_TRUE(WaitFor([&] { return Out(debug).find("Breakpoint hit:") != std::string::npos; }, kJdbLimitMs));
        EXPECT_EQ(Out(debug).find(std::string(38, '=') + " Start debugging ..." + Echo("cont")), 0u) << Out(debug);
        SendMessageA(GetDlgItem(debug, 1069), BM_SETCHECK, BST_UNCHECKED, 0);
        HWND cleared = GetDlgItem(debug, 1020);
        EXPECT_NE(cleared, outPane);
        const CHARFORMATA clearedFont = RemoteDefaultFormat(cleared);
        EXPECT_STREQ(clearedFont.szFaceName, font.szFaceName);
        EXPECT_EQ(clearedFont.yHeight, font.yHeight);
        EXPECT_EQ(clearedFont.dwEffects & CFE_BOLD, 0u);
        const RECT clearedPlace = ChildPlace(cleared);
        EXPECT_TRUE(EqualRect(&clearedPlace, &place));

        // exit: jdb ends, the controls go idle, the sheet closes without a prompt.
        PressCommand(debug, 1064);
        EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(debug, 1017)) == "Debugging ended"; }, kJdbLimitMs))
            << WindowText(GetDlgItem(debug, 1017));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(debug, 1059)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(debug, 1061)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(debug, 1069)));
        PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ASSERT_TRUE(tool.Ended(60000));
    }

    // The histories came back; closing while jdb runs asks, and Yes ends it.
    Program tool(Command());
    HWND sheet = tool.WaitForDialog(kCaption);
    ASSERT_NE(sheet, nullptr);
    HWND debug = PageWith(sheet, 1069);
    EXPECT_EQ(WindowText(GetDlgItem(debug, 1080)), "print demo.Main.count");
    DebugSelected(sheet);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(debug, 1059)) != FALSE; }, kJdbLimitMs));
    PressCommand(debug, 1077);
    HWND stopIn = tool.WaitForDialog("Stop in");
    ASSERT_NE(stopIn, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(stopIn, 1077)), "demo.Main");
    EXPECT_EQ(WindowText(GetDlgItem(stopIn, 1073)), "tick");
    PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    HWND box = tool.WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Can not exit because it is in debugging.\n\nDo you want to stop it now?\n");
    Press(box, IDYES);
    EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(debug, 1017)) == "Debugging ended"; }, kJdbLimitMs));
    PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(tool.Ended(60000));
}

}  // namespace
