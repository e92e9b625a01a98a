// A rich edit's text laid out only once something meets it: a read, a paint
// or an edit message finds the whole text, with the view at its start; a
// text set by someone else meanwhile stays; a long old text goes with its
// control.
#include "later_text.h"

#include <gtest/gtest.h>

#include <string>

#include "rich_edit.h"
#include "support/pane_text.h"

namespace {

std::string Lines(int count, const char* word)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(word) + " line " + std::to_string(i) + " of a text long enough to take a while\n";
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
        owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        pane = CreateWindowExA(0, RichEdit::kClassName, "",
                               WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL, 5, 5,
                               500, 300, owner, reinterpret_cast<HMENU>(1000), nullptr, nullptr);
        ASSERT_NE(pane, nullptr);
        control.Attach(pane);
    }
    void TearDown() override { DestroyWindow(owner); }

    static void RunLoop()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    // Starts the later text on the pane; the pane's live control.
    HWND Start(const char* text)
    {
        later.Start(control, text);
        return control.Handle();
    }

    ZLaterText later;
    RichEditPane control;
    HWND owner = nullptr;
    HWND pane = nullptr;
};

TEST_F(LaterTextTest, EachWayOfMeetingTheTextFindsItWhole)
{
    const std::string text = Lines(300, "first");
    const struct {
        const char* name;
        UINT message;
    } ways[] = {{"a read", WM_GETTEXTLENGTH}, {"a paint", WM_PAINT}, {"an edit message", EM_GETLINECOUNT}};
    for (const auto& way : ways) {
        pane = Start("");
        pane = Start(text.c_str());
        EXPECT_TRUE(later.Pending()) << way.name;
        if (way.message == WM_PAINT) {
            InvalidateRect(pane, nullptr, TRUE);
            UpdateWindow(pane);
        } else {
            SendMessageA(pane, way.message, 0, 0);
        }
        EXPECT_FALSE(later.Pending()) << way.name;
        EXPECT_EQ(Text(pane), text) << way.name;
        CHARRANGE selection = {-1, -1};
        SendMessageA(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        EXPECT_EQ(selection.cpMin, 0) << way.name;
        EXPECT_EQ(selection.cpMax, 0) << way.name;
        EXPECT_EQ(SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << way.name;
    }
}

TEST_F(LaterTextTest, UnmetTheTextWaitsAndATextSetMeanwhileStays)
{
    const std::string first = Lines(300, "first");
    pane = Start(first.c_str());
    // Out of view, laying the pane out and a new font do not meet the text.
    ShowWindow(pane, SW_HIDE);
    MoveWindow(pane, 10, 10, 400, 200, TRUE);
    SendMessageA(pane, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    RunLoop();
    EXPECT_TRUE(later.Pending());
    SetWindowTextA(pane, "set meanwhile");
    EXPECT_FALSE(later.Pending());
    EXPECT_EQ(Text(pane), "set meanwhile");
}

TEST_F(LaterTextTest, ALongOldTextGoesWithItsControl)
{
    const std::string first = Lines(300, "first");
    const std::string second = Lines(200, "second");
    pane = Start(first.c_str());
    EXPECT_EQ(Text(pane), first);
    pane = Start(second.c_str());
    EXPECT_EQ(GetDlgItem(owner, 1000), pane);
    EXPECT_EQ(Text(pane), second);
    RunLoop();
    EXPECT_EQ(Text(GetDlgItem(owner, 1000)), second);
}

}  // namespace
