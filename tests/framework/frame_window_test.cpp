// The frame pieces with real controls: a frame with toolbar and status bar,
// a static splitter whose panes keep their sizes through WM_SIZE (one with
// zero-width bars), command states on menu and toolbar, and the HTML view
// over the real web-browser control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "frame_window.h"
#include "framework_pump.h"
#include "framework_test_ids.h"
#include "html_view.h"
#include "splitter.h"

namespace {

constexpr int kOtherCommand = 40002;

RECT PlaceInParent(HWND window)
{
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

HWND Pane(HWND parent)
{
    return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class TestFrame : public FrameWindow {
public:
    bool Build()
    {
        const RECT place = {0, 0, 600, 400};
        return CreateFrame(IDR_FRAME, "Frame", place);
    }
    bool refreshEnabled = true;
    int refreshes = 0;
    Splitter outer{1, 2};
    Splitter inner{2, 1};

protected:
    const char* ClassName() const override { return "FrameWindowTest"; }
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {OnMenu(ID_FILE_REFRESH, &TestFrame::OnRefresh)};
        return Table(routes);
    }
    bool IsCommandEnabled(UINT id) override { return id != ID_FILE_REFRESH || refreshEnabled; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE)
            return OnCreate() ? 0 : -1;
        return FrameWindow::HandleMessage(message, wParam, lParam);
    }

private:
    bool OnCreate()
    {
        if (!reBar.Create(Handle(), 10, RBS_BANDBORDERS) ||
            !toolBar.Create(Handle(), 11, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                              CCS_NODIVIDER) ||
            !toolBar.AddButton(ID_FILE_REFRESH, 0, BTNS_BUTTON, "Refresh") ||
            !toolBar.AddButton(kOtherCommand, 1, BTNS_BUTTON, "Other"))
            return false;
        const RECT button = toolBar.ItemRect(0);
        reBar.AddBand(toolBar.Handle(), RBBS_GRIPPERALWAYS, button.right - button.left, button.bottom - button.top,
                      300);
        if (!statusBar.Create(Handle(), 12))
            return false;
        const int widths[] = {0, 50, 60};
        statusBar.SetPartWidths(widths, 3);
        statusBar.SetPartText(1, "one");

        const RECT none = {0, 0, 0, 0};
        if (!outer.CreateStatic(Handle(), 13, none) || !inner.CreateStatic(outer.Handle(), 14, none))
            return false;
        outer.SetPane(0, 0, Pane(outer.Handle()));
        outer.SetPane(0, 1, inner.Handle());
        outer.SetColumnInfo(0, 120, 10);
        inner.SetBars(0, 0, 1, 1);
        inner.SetPane(0, 0, Pane(inner.Handle()));
        inner.SetPane(1, 0, Pane(inner.Handle()));
        inner.SetRowInfo(0, 40, 0);
        SetView(outer.Handle());
        return true;
    }
    INT_PTR OnRefresh(WPARAM, LPARAM)
    {
        ++refreshes;
        return 0;
    }
};

TEST(FrameWindow, BarsAndSplitterPanesKeepTheirSizesThroughResizing)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    TestFrame frame;
    ASSERT_TRUE(frame.Build());
    ShowWindow(frame.Handle(), SW_SHOW);
    EXPECT_EQ(frame.Tools().ButtonCount(), 2);
    EXPECT_STREQ(frame.Tools().ButtonText(kOtherCommand).Data(), "Other");
    EXPECT_EQ(frame.Status().PartCount(), 3);
    EXPECT_STREQ(frame.Status().PartText(1).Data(), "one");

    for (const SIZE size : {SIZE{600, 400}, SIZE{800, 500}, SIZE{300, 250}}) {
        SCOPED_TRACE(size.cx);
        SetWindowPos(frame.Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpUntil([] { return false; }, 30);
        RECT client;
        GetClientRect(frame.Handle(), &client);
        const RECT bars = PlaceInParent(frame.Bars().Handle());
        const RECT status = PlaceInParent(frame.Status().Handle());
        const RECT view = PlaceInParent(frame.outer.Handle());
        EXPECT_EQ(view.top, bars.bottom);
        EXPECT_EQ(view.bottom, status.top);
        EXPECT_EQ(status.bottom, client.bottom);
        EXPECT_EQ(view.right, client.right);

        // The first column keeps its width; the bar between is 6 pixels.
        const RECT left = PlaceInParent(frame.outer.Pane(0, 0));
        const RECT right = PlaceInParent(frame.inner.Handle());
        EXPECT_EQ(left.right - left.left, 120);
        EXPECT_EQ(right.left, 126);
        EXPECT_EQ(right.right, view.right - view.left);
        EXPECT_EQ(left.bottom - left.top, view.bottom - view.top);
        // No bar in the inner splitter: a gap of one pixel between its rows.
        const RECT top = PlaceInParent(frame.inner.Pane(0, 0));
        const RECT bottom = PlaceInParent(frame.inner.Pane(1, 0));
        EXPECT_EQ(top.bottom - top.top, 40);
        EXPECT_EQ(bottom.top, 41);
        EXPECT_EQ(bottom.bottom, right.bottom - right.top);
    }

    // A row asked for more than there is takes all; the next gets nothing.
    frame.inner.SetRowInfo(0, 5000, 0);
    frame.inner.RecalcLayout();
    EXPECT_EQ(frame.inner.RowHeight(1), 0);
    frame.inner.SetRowInfo(0, 0, 0);
    frame.inner.RecalcLayout();
    EXPECT_EQ(frame.inner.RowHeight(0), 0);
    EXPECT_GT(frame.inner.RowHeight(1), 100);
    DestroyWindow(frame.Handle());
}

TEST(FrameWindow, CommandStatesReachMenuToolbarAndKeys)
{
    TestFrame frame;
    ASSERT_TRUE(frame.Build());
    HWND refreshButtonOwner = frame.Tools().Handle();
    EXPECT_TRUE(frame.Tools().IsButtonEnabled(ID_FILE_REFRESH));

    frame.refreshEnabled = false;
    frame.UpdateToolbarStates();
    EXPECT_FALSE(frame.Tools().IsButtonEnabled(ID_FILE_REFRESH));
    EXPECT_TRUE(frame.Tools().IsButtonEnabled(kOtherCommand));
    HMENU file = GetSubMenu(GetMenu(frame.Handle()), 0);
    SendMessageA(frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_TRUE(GetMenuState(file, ID_FILE_REFRESH, MF_BYCOMMAND) & MF_GRAYED);

    // A disabled command does nothing from its key; enabled, key and button both reach it.
    MSG key = {frame.outer.Pane(0, 0), WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    EXPECT_TRUE(frame.PreTranslate(key));
    EXPECT_EQ(frame.refreshes, 0);
    frame.refreshEnabled = true;
    SendMessageA(frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_FALSE(GetMenuState(file, ID_FILE_REFRESH, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(frame.PreTranslate(key));
    SendMessageA(frame.Handle(), WM_COMMAND, MAKEWPARAM(ID_FILE_REFRESH, BN_CLICKED),
                 reinterpret_cast<LPARAM>(refreshButtonOwner));
    EXPECT_EQ(frame.refreshes, 2);
    EXPECT_TRUE(frame.Tools().IsButtonEnabled(ID_FILE_REFRESH));
    DestroyWindow(frame.Handle());
}


TEST(HtmlView, HostsTheBrowserNavigatesAndFollowsItsWindow)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        TestFrame frame;
        ASSERT_TRUE(frame.Build());
        HtmlView view;
        const RECT place = {0, 0, 300, 200};
        ASSERT_TRUE(view.CreateView(frame.Handle(), 20, place));
        ASSERT_TRUE(view.HasBrowser());
        EXPECT_TRUE(view.Navigate("about:blank"));
        // Wine's browser here loads no document, so no navigation completes;
        // the address is taken and the events are listened to.
        EXPECT_TRUE(view.ListensToEvents());
        EXPECT_TRUE(PumpUntil([&] { return std::string(view.LocationUrl().Data()) == "about:blank"; }, 60000));
        view.Stop();
        view.Refresh();

        // The browser's window follows the view's size.
        SetWindowPos(view.Handle(), nullptr, 0, 0, 250, 120, SWP_NOMOVE | SWP_NOZORDER);
        HWND browser = GetWindow(view.Handle(), GW_CHILD);
        ASSERT_NE(browser, nullptr);
        RECT inside;
        GetWindowRect(browser, &inside);
        EXPECT_EQ(inside.right - inside.left, 250);
        EXPECT_EQ(inside.bottom - inside.top, 120);

        // A key for the page is offered to the browser, a key elsewhere is not.
        MSG elsewhere = {frame.Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        EXPECT_FALSE(view.PreTranslate(elsewhere));
        DestroyWindow(frame.Handle());
    }
    OleUninitialize();
}

}  // namespace
