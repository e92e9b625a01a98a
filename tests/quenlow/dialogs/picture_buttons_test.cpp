// The main dialog's picture buttons: each is drawn from its bitmaps, a mouse
// move over it reaches the dialog's tooltip, whose text says what it does.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_dialog_fixture.h"

namespace {

std::vector<MSG> relayed;

LRESULT CALLBACK SpyOnTooltip(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == TTM_RELAYEVENT)
        relayed.push_back(*reinterpret_cast<const MSG*>(lParam));
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

struct TooltipSearch {
    HWND owner;
    HWND found;
};
BOOL CALLBACK MatchTooltip(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TooltipSearch*>(data);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST_F(MainDialogTest, PictureButtonsAreDrawnFromBitmapsAndRelayMovesToTheirTips)
{
    const struct {
        int id;
        const char* tip;
        int width;  // the bitmap's size
        int height;
    } buttons[] = {
        {IDC_STOP_MAIN_CLASS, "stop launching the main class", 24, 21},
        {IDC_STOP_OUTPUT, "stop testing the output file", 24, 21},
        {IDC_RUN_MAIN_CLASS, "run the application class", 24, 21},
        {IDC_CLASS_INFO, "launch class information", 24, 21},
        {IDC_VIEW_EXE_COMMAND, "view command of the exe file", 24, 21},
        {IDC_EDIT_MANIFEST, "view and edit the manifest file", 24, 21},
        {IDC_LAUNCH_OUTPUT, "launch the output file", 24, 21},
        {IDC_CONFIRM_ICON, "confirm icon format", 24, 21},
        {IDC_REMOVE_MANIFEST, "delete the manifest file", 24, 21},
        {IDC_REMOVE_OUTPUT, "delete the output file", 24, 21},
        {IDC_REMOVE_MAIN_CLASS, "delete the application class", 24, 21},
        {IDC_REMOVE_ICON, "delete the icon file", 24, 21},
        {IDC_OPEN_ICON, "open an icon file", 24, 21},
        {IDC_OPEN_MANIFEST, "open a manifest file", 24, 21},
        {IDC_CHOOSE_OUTPUT, "input a new output file", 24, 21},
        {IDC_BROWSE_MAIN_CLASS, "open an application class", 24, 21},
        {IDC_HELP_EXE, "view help about creating Windows exe file", 21, 21},
        {IDC_HELP_JAR, "view help about creating executable jar file", 21, 21},
    };
    OpenDialog();
    TooltipSearch search = {dialog->Handle(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchTooltip, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(search.found, nullptr);
    ASSERT_TRUE(SetWindowSubclass(search.found, SpyOnTooltip, 1, 0));
    for (const auto& b : buttons) {
        HWND button = Item(b.id);
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << b.id;
        RECT place;
        GetWindowRect(button, &place);
        EXPECT_EQ(place.right - place.left, b.width) << b.id;
        EXPECT_EQ(place.bottom - place.top, b.height) << b.id;

        relayed.clear();
        SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
        ASSERT_EQ(relayed.size(), 1u) << b.id;
        EXPECT_EQ(relayed[0].hwnd, button);
        EXPECT_EQ(relayed[0].message, static_cast<UINT>(WM_MOUSEMOVE));
        EXPECT_EQ(relayed[0].lParam, MAKELPARAM(3, 4));

        char text[128] = {};
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = dialog->Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(button);
        tool.lpszText = text;
        SendMessageA(search.found, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, b.tip) << b.id;
    }
    // The stop buttons stand where the buttons whose runs they stop stand.
    for (const auto& pair : {std::make_pair(IDC_RUN_MAIN_CLASS, IDC_STOP_MAIN_CLASS),
                             std::make_pair(IDC_LAUNCH_OUTPUT, IDC_STOP_OUTPUT)}) {
        RECT run;
        RECT stop;
        GetWindowRect(Item(pair.first), &run);
        GetWindowRect(Item(pair.second), &stop);
        EXPECT_TRUE(EqualRect(&run, &stop)) << pair.second;
        EXPECT_FALSE(IsShown(pair.second));
    }
    RemoveWindowSubclass(search.found, SpyOnTooltip, 1);
}

}  // namespace
