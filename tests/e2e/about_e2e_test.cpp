// The About box of the real Quenlow.exe, opened from its Help menu as a user
// would: the Help caption clicked, the menu's second item chosen with the
// keys. What the box shows is read from the screen, and kept as a picture
// (about_e2e_*.bmp in the build folder) for a person to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "support/quenlow_tree/quenlow_tree.h"
#include "support/screen_picture.h"

namespace {

// The Help caption of the self-painted menu bar: the last, 50 pixels wide,
// after Explorer options (100), General options (100) and Information (65).
constexpr int kHelpCaptionX = 265 + 25;

// The box around the pixels of one colour family; empty when there are none.
struct Box {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    bool Empty() const { return right < 0; }
    int CentreX() const { return (left + right) / 2; }
};
template <class Match>
Box FindPixels(const ScreenPicture& picture, Match match)
{
    Box box;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!match(picture.At(x, y)))
                continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}
int Red(uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
int Green(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
int Blue(uint32_t p) { return static_cast<int>(p & 0xFF); }
// The title's orange-yellow (255,204,51) and the version's yellow (255,255,51); the rule's
// bold middle (255,204,102) is bluer.
bool TitlePixel(uint32_t p) { return Red(p) > 220 && Green(p) > 170 && Green(p) < 225 && Blue(p) < 80; }
bool VersionPixel(uint32_t p) { return Red(p) > 220 && Green(p) > 235 && Blue(p) < 80; }

class AboutE2eTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree = MakeTree("about_e2e");
        dialog = StartMainDialog(tree, quenlow);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        if (about)
            PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(CloseMainDialog(dialog, quenlow.get()));
    }

    void Key(UINT key)
    {
        PostMessageA(dialog, WM_KEYDOWN, key, 1);
        PostMessageA(dialog, WM_KEYUP, key, 0xC0000001);
    }
    static void Save(const ScreenPicture& picture, const char* name)
    {
        SavePicture(picture, (std::string(QUENLOW_PICTURES) + "\\" + name).c_str());
    }

    Tree tree;
    std::unique_ptr<Program> quenlow;
    HWND dialog = nullptr;
    HWND about = nullptr;
};

TEST_F(AboutE2eTest, HelpMenusAboutScrollsTheNameAndVersionAndTheTextCanBeDragged)
{
    // The real pointer, wherever an earlier test left it, would highlight
    // the menu item under it and shift the keys' choice.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    // The pointer's move reaches the open menu when the display delivers it,
    // and may take the highlight off between the keys: "Help contents" is
    // then chosen, and says that its file is missing. That box is closed
    // and the menu tried again.
    for (int attempt = 0; attempt < 3 && !about; ++attempt) {
        PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kHelpCaptionX, 5));
        ASSERT_TRUE(WaitFor([this] { return quenlow->FindWindowOf("#32768") != nullptr; }, 60000))
            << "the Help menu did not open";
        Key(VK_DOWN);  // "Help contents"
        Key(VK_DOWN);  // "About"
        Key(VK_RETURN);
        HWND missingHelp = nullptr;
        WaitFor([&] {
            about = quenlow->FindDialog("About");
            missingHelp = quenlow->FindDialog("Message");
            return about || missingHelp;
        }, 60000);
        if (!about && missingHelp) {
            Press(missingHelp, IDOK);
            WaitFor([this] { return quenlow->FindDialog("Message") == nullptr; }, 60000);
        }
    }
    if (!about)
        about = quenlow->WaitForDialog("About");
    ASSERT_NE(about, nullptr);
    HWND label = FindWindowExA(about, nullptr, "QuenlowRichLabel", nullptr);
    ASSERT_NE(label, nullptr);
    // In front and in a corner that other tests' windows leave free: the
    // screen is read, and they may share it.
    SetWindowPos(about, HWND_TOPMOST, 900, 740, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

    Sleep(1200);
    const ScreenPicture first = CaptureWindow(label, true);
    Save(CaptureWindow(about), "about_e2e_box.bmp");
    const Box title = FindPixels(first, TitlePixel);
    const Box version = FindPixels(first, VersionPixel);
    ASSERT_FALSE(title.Empty());
    ASSERT_FALSE(version.Empty());
    EXPECT_LT(title.bottom, version.top);
    // Both centred, on the dark background.
    EXPECT_NEAR(title.CentreX(), first.width / 2, 4);
    EXPECT_NEAR(version.CentreX(), first.width / 2, 4);
    size_t dark = 0;
    for (uint32_t pixel : first.pixels)
        dark += pixel == 0x333333;
    EXPECT_GT(dark, first.pixels.size() * 3 / 4);

    // It scrolls.
    Sleep(1000);
    EXPECT_FALSE(CaptureWindow(label, true) == first);

    // Held, the text stands; dragged 20 pixels down, it follows. The drag
    // ends where the real pointer stands: the moves Wine makes up while the
    // label holds the mouse then agree with the test's own.
    const int x = first.width / 2;
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(label, &pointer);
    const int y = pointer.y;
    PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y - 20));
    Sleep(300);
    const ScreenPicture held = CaptureWindow(label, true);
    Sleep(600);
    EXPECT_TRUE(CaptureWindow(label, true) == held);
    PostMessageA(label, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    Sleep(300);
    const ScreenPicture dragged = CaptureWindow(label, true);
    Save(dragged, "about_e2e_dragged.bmp");
    const Box heldTitle = FindPixels(held, TitlePixel);
    const Box draggedTitle = FindPixels(dragged, TitlePixel);
    ASSERT_FALSE(heldTitle.Empty());
    ASSERT_FALSE(draggedTitle.Empty());
    EXPECT_EQ(draggedTitle.top - heldTitle.top, 20);
    // Let go, it scrolls again.
    PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Sleep(1000);
    EXPECT_FALSE(CaptureWindow(label, true) == dragged);
}

}  // namespace
