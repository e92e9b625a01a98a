// A rich edit pane whose long text goes with its control: the pane's holder
// reaches the fresh control, which keeps the old one's font, place, id,
// visibility and subclasses; text appended from another thread while the
// control is replaced lands in the live control.
#include "rich_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "framework_pump.h"
#include "support/rich_text_lines.h"

namespace {

constexpr int kPaneId = 1000;

std::string Lines(int count, const char* word)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(word) + " line " + std::to_string(i) + " of a long output\r\n";
    return text;
}

// The control's text with its paragraph ends read back as LF.
std::string Text(HWND control)
{
    return RichTextLines(RichEdit(control).GetText().Data());
}

CHARFORMAT2A DefaultFormat(HWND control)
{
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(control, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return format;
}

RECT PlaceInParent(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

LRESULT CALLBACK CountRightClicks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_RBUTTONDOWN)
        ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

class RichEditPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        owner = CreateWindowExA(0, "STATIC", "pane owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        HWND control = CreateWindowExA(0, RichEdit::kClassName, "",
                                       WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 7, 9, 500, 300,
                                       owner, reinterpret_cast<HMENU>(kPaneId), nullptr, nullptr);
        ASSERT_NE(control, nullptr);
        RichEdit(control).LimitText(16 * 1024 * 1024);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
        pane.Attach(control);
    }
    void TearDown() override { DestroyWindow(owner); }

    RichEditPane pane;
    HWND owner = nullptr;
};

TEST_F(RichEditPaneTest, ALongTextGoesWithItsControlAndThePaneKeepsItsLooks)
{
    int rightClicks = 0;
    pane.AddSubclass(CountRightClicks, 1, reinterpret_cast<DWORD_PTR>(&rightClicks));
    const CHARFORMAT2A font = DefaultFormat(pane.Handle());
    ASSERT_FALSE(font.dwEffects & CFE_BOLD);
    // The font lives in the character format: WM_GETFONT gives none back
    // under Wine, so copying it gave a fresh control the System font.
    const struct {
        const char* name;
        bool shown;
    } cases[] = {{"shown", true}, {"hidden", false}};
    for (const auto& c : cases) {
        ShowWindow(pane.Handle(), c.shown ? SW_SHOW : SW_HIDE);
        pane.ReplaceAll(Lines(300, "long").c_str());
        const HWND old = pane.Handle();
        const RECT oldPlace = PlaceInParent(old);
        pane.ReplaceAll("short\n");
        const HWND live = pane.Handle();
        EXPECT_NE(live, old) << c.name;
        EXPECT_EQ(GetDlgItem(owner, kPaneId), live) << c.name;
        EXPECT_EQ(Text(live), "short\n") << c.name;
        EXPECT_EQ(IsWindowVisible(live) != FALSE, c.shown) << c.name;
        const RECT place = PlaceInParent(live);
        EXPECT_TRUE(EqualRect(&place, &oldPlace)) << c.name;
        const CHARFORMAT2A format = DefaultFormat(live);
        EXPECT_STREQ(format.szFaceName, font.szFaceName) << c.name;
        EXPECT_EQ(format.yHeight, font.yHeight) << c.name;
        EXPECT_EQ(format.dwEffects & CFE_BOLD, 0u) << c.name;
        EXPECT_EQ(SendMessageA(live, EM_GETLIMITTEXT, 0, 0), 16 * 1024 * 1024) << c.name;
        const int before = rightClicks;
        SendMessageA(live, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        SendMessageA(live, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(rightClicks, before + 1) << c.name;
        // The old control goes once the thread is back in its loop.
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(old); })) << c.name;
    }
}

TEST_F(RichEditPaneTest, AShortTextIsReplacedInItsOwnControl)
{
    pane.ReplaceAll(Lines(20, "few").c_str());
    const HWND control = pane.Handle();
    pane.ReplaceAll("next\n");
    EXPECT_EQ(pane.Handle(), control);
    EXPECT_EQ(Text(control), "next\n");
}

// Replaces the pane's long text from inside the old control, the moment an
// append from another thread has put its selection there and is about to
// stream its text in: the worst moment for the append.
struct ReplaceAmidAppend {
    RichEditPane* pane;
    std::string text;
    bool done;
};

LRESULT CALLBACK ReplaceOnForeignSelection(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data)
{
    ReplaceAmidAppend* replace = reinterpret_cast<ReplaceAmidAppend*>(data);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == EM_EXSETSEL && InSendMessage() && !replace->done) {
        replace->done = true;
        replace->pane->ReplaceAll(replace->text.c_str());
    }
    return result;
}

DWORD WINAPI AppendAfter(void* pane)
{
    static_cast<RichEditPane*>(pane)->Append("appended meanwhile\n");
    return 0;
}

TEST_F(RichEditPaneTest, TextAppendedWhileTheControlIsReplacedLandsInTheLiveOne)
{
    pane.ReplaceAll(Lines(300, "long").c_str());
    const HWND old = pane.Handle();
    ReplaceAmidAppend replace = {&pane, "replaced\n", false};
    SetWindowSubclass(old, ReplaceOnForeignSelection, 2, reinterpret_cast<DWORD_PTR>(&replace));
    HANDLE appender = CreateThread(nullptr, 0, AppendAfter, &pane, 0, nullptr);
    ASSERT_NE(appender, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return WaitForSingleObject(appender, 0) == WAIT_OBJECT_0; }, 20000));
    CloseHandle(appender);
    EXPECT_TRUE(replace.done);
    EXPECT_NE(pane.Handle(), old);
    EXPECT_EQ(Text(pane.Handle()), "replaced\nappended meanwhile\n");
}

}  // namespace
