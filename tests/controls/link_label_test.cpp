// The suite's link label in a window of the test: its hover and what it
// opens, and the pointer it shows over links.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link_cursor.h"
#include "link_label.h"
#include "seams.h"
#include "support/shell_opens.h"

namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 870, 10, 400, 300, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        ShellOpened().clear();
        seams::ShellOpen = RecordShellOpen;
    }
    void TearDown() override
    {
        seams::Restore();
        DestroyWindow(parent);
    }

    HWND parent = nullptr;
};

TEST_F(LinkLabelTest, TakesItsHoverColourOnceAndOpensItsTextWithoutATarget)
{
    const COLORREF normal = RGB(0, 0, 200);
    const COLORREF hover = RGB(200, 0, 0);
    LinkLabel link;
    link.SetText("http://example.org/quenlow");
    link.SetColors(normal, hover);
    ASSERT_TRUE(link.Create(parent, {10, 150, 210, 170}, 8));
    HWND window = link.Handle();
    SendMessageA(window, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_EQ(link.CurrentColor(), hover);
    EXPECT_EQ(GetCapture(), window);
    SendMessageA(window, WM_MOUSEMOVE, 0, At(50, 10));
    EXPECT_EQ(link.CurrentColor(), hover);
    EXPECT_EQ(GetCapture(), window);
    SendMessageA(window, WM_MOUSEMOVE, 0, At(50, 40));  // below the label
    EXPECT_EQ(link.CurrentColor(), normal);
    EXPECT_EQ(GetCapture(), nullptr);

    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    link.SetTarget("mailto:team@quenlow.example");
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(ShellOpened(), (std::vector<std::string>{"http://example.org/quenlow", "mailto:team@quenlow.example"}));
    ReleaseCapture();
}

TEST_F(LinkLabelTest, TheLinkCursorIsAlwaysThere)
{
    // The help program's hand is missing on many systems: the system's takes its place.
    HCURSOR cursor = LoadLinkCursor();
    EXPECT_NE(cursor, nullptr);
    DestroyCursor(cursor);
}

}  // namespace
