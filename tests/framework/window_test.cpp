#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app.h"
#include "dialog.h"
#include "framework_pump.h"
#include "framework_test_ids.h"
#include "window.h"

namespace {

// A minimal top-level window with a menu and an accelerator table: the
// accelerators are its filter in the loop, and one menu route answers both.
class TestFrame : public Window, public MessageFilter {
public:
    ~TestFrame() override
    {
        App::RemoveFilter(*this);
        if (accelerators)
            DestroyAcceleratorTable(accelerators);
    }
    bool Open()
    {
        accelerators = LoadAcceleratorsA(App::Instance(), MAKEINTRESOURCEA(IDR_FRAME));
        const RECT place = {10, 10, 310, 210};
        if (!CreateTopLevel("Frame", place, LoadMenuA(App::Instance(), MAKEINTRESOURCEA(IDR_FRAME))))
            return false;
        App::AddFilter(*this);
        return true;
    }
    bool PreTranslate(MSG& msg) override
    {
        return accelerators && TranslateAcceleratorA(Handle(), accelerators, &msg);
    }

    std::vector<std::string> seen;

protected:
    const char* ClassName() const override { return "QuenlowTestFrame"; }
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {
            OnMenu(ID_FILE_REFRESH, &TestFrame::OnRefresh),
        };
        return Table(routes);
    }

private:
    INT_PTR OnRefresh(WPARAM wParam, LPARAM)
    {
        seen.push_back(HIWORD(wParam) == 1 ? "accelerator" : "menu");
        return 0;
    }

    HACCEL accelerators = nullptr;
};

TEST(Window, AMenuItemAndItsAcceleratorReachTheSameHandler)
{
    TestFrame frame;
    ASSERT_TRUE(frame.Open());
    ShowWindow(frame.Handle(), SW_SHOW);
    // What choosing the menu item sends.
    SendMessageA(frame.Handle(), WM_COMMAND, MAKEWPARAM(ID_FILE_REFRESH, 0), 0);
    // F5 through the loop: the frame's filter turns it into the command.
    PostMessageA(frame.Handle(), WM_KEYDOWN, VK_F5, 1);
    EXPECT_TRUE(PumpUntil([&] { return frame.seen.size() == 2; }));
    EXPECT_EQ(frame.seen, (std::vector<std::string>{"menu", "accelerator"}));
    // A control's notification 1 with the same id is not the accelerator.
    SendMessageA(frame.Handle(), WM_COMMAND, MAKEWPARAM(ID_FILE_REFRESH, 1), reinterpret_cast<LPARAM>(frame.Handle()));
    EXPECT_EQ(frame.seen.size(), 2u);
}

TEST(Window, BoundAtCreationAndGoneWithItsWindow)
{
    TestFrame first;
    TestFrame second;  // the class is registered once, for both
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    EXPECT_FALSE(first.Open());  // one window per object
    HWND hwnd = first.Handle();
    DestroyWindow(hwnd);
    EXPECT_EQ(first.Handle(), nullptr);
    EXPECT_NE(second.Handle(), nullptr);
}

class PlaceTaker : public Window {
protected:
    const char* ClassName() const override { return "QuenlowTestPlaceTaker"; }
};

TEST(Window, TakesATemplateControlsPlaceAndId)
{
    Dialog dialog(IDD_TEST);
    ASSERT_TRUE(dialog.Create());
    RECT before;
    GetWindowRect(dialog.Item(IDC_FILES), &before);
    PlaceTaker taker;
    ASSERT_TRUE(taker.TakePlaceOf(dialog.Handle(), IDC_FILES));
    EXPECT_EQ(dialog.Item(IDC_FILES), taker.Handle());
    RECT after;
    GetWindowRect(taker.Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(taker.TakePlaceOf(dialog.Handle(), 999));
}

TEST(MessageFilters, AModelessDialogKeepsItsKeyboardHandlingInTheOneLoop)
{
    Dialog first(IDD_TEST);
    Dialog second(IDD_TEST);
    ASSERT_TRUE(first.Create());
    ASSERT_TRUE(second.Create());
    ShowWindow(first.Handle(), SW_SHOW);
    SetForegroundWindow(first.Handle());
    SetFocus(first.Item(IDC_NAME));
    // Tab in the older dialog: the newer one's filter lets it pass.
    PostMessageA(first.Item(IDC_NAME), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == first.Item(IDC_RUN); }));

    // A dialog that ends leaves the chain: its keys go nowhere special.
    HWND name = first.Item(IDC_NAME);
    SetFocus(name);
    DestroyWindow(second.Handle());
    DestroyWindow(first.Handle());
    MSG msg = {};
    msg.hwnd = name;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_FALSE(App::PreTranslate(msg));
}

}  // namespace
