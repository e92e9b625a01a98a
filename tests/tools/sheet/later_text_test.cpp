// A rich edit's text put in a piece at a time from the message loop: the
// whole text once the loop has run, the view at its start; a read before
// then meets the whole text too; a text set meanwhile by someone else stays.
#include "later_text.h"

#include <gtest/gtest.h>

#include <string>

#include "rich_edit.h"
#include "support/pane_text.h"

namespace {

constexpr UINT kPiece = WM_APP + 7;

// A window whose piece message runs the text on.
LRESULT CALLBACK OwnerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPiece) {
        reinterpret_cast<ZLaterText*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))->Continue();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string Lines(int count, const char* word)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(word) + " line " + std::to_string(i) + " of a report long enough to take pieces\n";
    return text;
}

std::string Text(HWND pane)
{
    return PaneLines(RichEdit(pane).GetText());
}

class LaterTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        WNDCLASSA type = {};
        type.lpfnWndProc = OwnerProcedure;
        type.hInstance = GetModuleHandleA(nullptr);
        type.lpszClassName = "LaterTextOwner";
        RegisterClassA(&type);
        owner = CreateWindowExA(0, "LaterTextOwner", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                nullptr, type.hInstance, nullptr);
        ASSERT_NE(owner, nullptr);
        SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&later));
        pane = CreateWindowExA(0, RichEdit::kClassName, "",
                               WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL, 5, 5,
                               500, 300, owner, reinterpret_cast<HMENU>(1000), type.hInstance, nullptr);
        ASSERT_NE(pane, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    void RunLoop()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    ZLaterText later;
    HWND owner = nullptr;
    HWND pane = nullptr;
};

TEST_F(LaterTextTest, TheLoopPutsTheWholeTextInAndLeavesTheViewAtItsStart)
{
    const std::string text = Lines(300, "first");
    later.Start(pane, text.c_str(), owner, kPiece);
    EXPECT_TRUE(later.Pending());
    RunLoop();
    EXPECT_FALSE(later.Pending());
    EXPECT_EQ(Text(pane), text);
    CHARRANGE selection = {-1, -1};
    SendMessageA(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMin, 0);
    EXPECT_EQ(selection.cpMax, 0);
    EXPECT_EQ(SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(LaterTextTest, AReadBeforeTheLoopMeetsTheWholeText)
{
    const std::string text = Lines(300, "first");
    later.Start(pane, text.c_str(), owner, kPiece);
    EXPECT_EQ(Text(pane), text);
    EXPECT_FALSE(later.Pending());
    // The posted pieces find nothing more to do.
    RunLoop();
    EXPECT_EQ(Text(pane), text);
}

TEST_F(LaterTextTest, ANewTextReplacesTheOneInProgressAndATextSetMeanwhileStays)
{
    const std::string first = Lines(300, "first");
    const std::string second = Lines(200, "second");
    later.Start(pane, first.c_str(), owner, kPiece);
    RunLoop();
    // A long old text goes with its control: the fresh one gets the new text.
    pane = later.Start(pane, second.c_str(), owner, kPiece);
    EXPECT_EQ(GetDlgItem(owner, 1000), pane);
    EXPECT_EQ(Text(pane), second);

    pane = later.Start(pane, first.c_str(), owner, kPiece);
    SetWindowTextA(pane, "set meanwhile");
    RunLoop();
    EXPECT_EQ(Text(pane), "set meanwhile");
}

}  // namespace
