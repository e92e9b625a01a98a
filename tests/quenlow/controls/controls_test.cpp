// Quenlow's own controls in a window of the test: the rich-text label's
// scroll, drag and links, and the About box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about_dialog.h"
#include "rich_label.h"
#include "seams.h"
#include "support/message_pump.h"
#include "support/screen_picture.h"
#include "support/shell_opens.h"

namespace {

// Twenty lines of text: taller than the labels below.
std::string TallText(const std::string& head = "")
{
    std::string text = head;
    for (int i = 0; i < 20; ++i)
        text += "line " + std::to_string(i) + "\n";
    return text;
}

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

class ControlsTest : public ::testing::Test {
protected:
    // One parent for all: Wine takes a while to show and destroy a top-level window.
    static void SetUpTestSuite()
    {
        // In front and in a corner that other tests' windows leave free: the
        // screen is read, and they may share it.
        parent = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 870, 10, 400, 300, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(parent); }

    void SetUp() override
    {
        ASSERT_NE(parent, nullptr);
        ShellOpened().clear();
        seams::ShellOpen = RecordShellOpen;
    }
    void TearDown() override { seams::Restore(); }

    // A label of 200 x 100 pixels; step in ms.
    void CreateLabel(RichLabel& label, const std::string& text, int step)
    {
        label.SetStep(step);
        label.SetText(text.c_str());
        ASSERT_TRUE(label.Create(0, WS_CHILD | WS_VISIBLE, {10, 10, 210, 110}, parent, 7, 0, 0));
        PumpFor(50);
    }

    static inline HWND parent = nullptr;
};

TEST_F(ControlsTest, RichLabelScrollsInALoopWhenTallerThanItselfAndStandsStillOtherwise)
{
    RichLabel tall;
    CreateLabel(tall, TallText(), 10);
    ASSERT_GT(tall.ContentHeight(), 100);
    const ScreenPicture before = CaptureWindow(tall.Handle(), true);
    PumpFor(400);
    EXPECT_GT(tall.ScrollPosition(), 0);
    EXPECT_FALSE(CaptureWindow(tall.Handle(), true) == before);
    DestroyWindow(tall.Handle());

    RichLabel fits;
    CreateLabel(fits, "one line", 10);
    const ScreenPicture still = CaptureWindow(fits.Handle(), true);
    PumpFor(400);
    EXPECT_TRUE(CaptureWindow(fits.Handle(), true) == still);
    // Black Arial on the button face: both are there.
    const COLORREF f = GetSysColor(COLOR_BTNFACE);
    const uint32_t faceColour = (static_cast<uint32_t>(GetRValue(f)) << 16) | (GetGValue(f) << 8) | GetBValue(f);
    bool text = false;
    bool face = false;
    for (uint32_t pixel : still.pixels) {
        text = text || pixel == 0;
        face = face || pixel == faceColour;
    }
    EXPECT_TRUE(text);
    EXPECT_TRUE(face);
}

TEST_F(ControlsTest, RichLabelDragMovesTheTextAndReleaseResumesScrolling)
{
    RichLabel label;
    CreateLabel(label, TallText(), 30);  // first tick after 300 ms
    const int height = label.ContentHeight();
    HWND window = label.Handle();
    // The drag ends where the real pointer stands: the moves Wine makes up
    // while the label holds the mouse then agree with the test's own.
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
    const int y = pointer.y;
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(20, y - 30));
    EXPECT_TRUE(label.IsDragging());
    EXPECT_EQ(GetCapture(), window);
    // Ten pixels down: the text follows the pointer, past the top into the loop.
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(20, y - 20));
    EXPECT_EQ(label.ScrollPosition(), height - 10);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(20, y - 40));
    EXPECT_EQ(label.ScrollPosition(), 10);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(20, y));
    EXPECT_EQ(label.ScrollPosition(), height - 30);
    // While held, the timer waits.
    PumpFor(500);
    EXPECT_EQ(label.ScrollPosition(), height - 30);
    SendMessageA(window, WM_LBUTTONUP, 0, At(20, y));
    EXPECT_FALSE(label.IsDragging());
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(label.ScrollPosition(), height - 29);
    PumpFor(500);
    EXPECT_NE(label.ScrollPosition(), height - 29);
}

TEST_F(ControlsTest, RichLabelLinksOpenWithTheShellOrCallTheOwnerAlsoWhereTheyWrapped)
{
    std::vector<std::string> calls;
    RichLabel label;
    label.SetOwnerCallback([&calls](int number, const char* text) {
        calls.push_back(std::to_string(number) + ":" + (text ? text : "(none)"));
    });
    CreateLabel(label, TallText("<a href='#About#3'>owner</a>\n<a href='#4'>four</a>\n<a href='#0'>none</a>\n"
                                "<a href='http://example.org/'>web</a>\n"),
                1000);
    const std::vector<RichLink>& links = label.Layout().links;
    ASSERT_EQ(links.size(), 4u);
    auto click = [&label](const RichLink& link, int shiftY) {
        const int x = (link.place.left + link.place.right) / 2;
        const int y = (link.place.top + link.place.bottom) / 2 + shiftY;
        SendMessageA(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        SendMessageA(label.Handle(), WM_LBUTTONUP, 0, At(x, y));
    };
    for (const RichLink& link : links)
        click(link, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"3:About", "4:(none)"}));
    EXPECT_EQ(ShellOpened(), std::vector<std::string>{"http://example.org/"});
    EXPECT_FALSE(label.IsDragging());

    // Dragged so that the content's top shows 40 pixels down, below the end.
    SendMessageA(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 150));
    SendMessageA(label.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(20, 190));
    SendMessageA(label.Handle(), WM_LBUTTONUP, 0, At(20, 190));
    ASSERT_EQ(label.ScrollPosition(), label.ContentHeight() - 39);
    ShellOpened().clear();
    click(links[3], 39);
    EXPECT_EQ(ShellOpened(), std::vector<std::string>{"http://example.org/"});
}

// Looks at the About box from inside its modal loop, then closes it.
struct AboutLook {
    bool seen = false;
    std::string caption;
    int contentHeight = 0;
    int labelHeight = 0;
    bool clientEdge = false;
};
AboutLook aboutLook;
DlgAbout* openAbout = nullptr;

void CALLBACK LookAtAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    // Until the box is up: a busy machine may take longer to show it.
    HWND box = openAbout->Handle();
    if (!box || !IsWindowVisible(box))
        return;
    KillTimer(nullptr, timer);
    char caption[64] = {};
    GetWindowTextA(box, caption, sizeof caption);
    aboutLook.seen = true;
    aboutLook.caption = caption;
    HWND label = openAbout->Label().Handle();
    RECT client;
    GetClientRect(label, &client);
    aboutLook.labelHeight = client.bottom;
    aboutLook.contentHeight = openAbout->Label().ContentHeight();
    aboutLook.clientEdge = (GetWindowLongA(label, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(ControlsTest, AboutBoxScrollsItsTextInAFramedLabel)
{
    DlgAbout about(parent);
    openAbout = &about;
    SetTimer(nullptr, 0, 300, LookAtAbout);
    about.DoModal();
    ASSERT_TRUE(aboutLook.seen);
    EXPECT_EQ(aboutLook.caption, "About");
    EXPECT_TRUE(aboutLook.clientEdge);
    EXPECT_GT(aboutLook.contentHeight, aboutLook.labelHeight);
}

}  // namespace
