#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bitmap_button.h"
#include "command_button.h"
#include "dialog.h"
#include "framework_test_ids.h"
#include "image_list.h"
#include "popup_menu.h"
#include "seams.h"
#include "tab_control.h"
#include "tree_view.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kOtherJarImage = 6;

// A tree of a library with an image list, a popup menu on its items that
// adds the item to a list, and a picture button: the shape of the pages that
// use them.
class TreeDialog : public Dialog, public CommandButtonListener {
public:
    TreeDialog() : Dialog(IDD_TREE) {}

    TreeView Tree() const { return TreeView(Handle(), IDC_TREE); }
    ListBox Chosen() const { return ListBox(Handle(), IDC_CHOSEN); }

    ImageList images;
    BitmapButton picture;
    BitmapButton plainPicture;  // a normal picture only
    ZCmdButton command;
    std::vector<std::string> commands;  // captions, in the order pressed

    void OnCommandButton(const char* caption) override { commands.push_back(caption); }
    HTREEITEM root = nullptr;
    HTREEITEM standardJar = nullptr;
    HTREEITEM otherJar = nullptr;

protected:
    BOOL OnInitDialog() override
    {
        if (images.Load(IDB_TREE_IMAGES, 16, kWhite)) {
            Tree().SetImages(images.Handle());
            root = Tree().Insert(nullptr, "JDK library", 0, 1);
            HTREEITEM lib = Tree().Insert(root, "lib", 2, 3);
            standardJar = Tree().Insert(lib, "rt.jar", 4, 5, 4);
            otherJar = Tree().Insert(lib, "tools.jar", kOtherJarImage, kOtherJarImage + 1, 6);
            Tree().Expand(lib);
            Tree().Expand(root);
        }
        picture.Attach(Handle(), IDC_PICTURE, IDB_FACE_NORMAL, IDB_FACE_PRESSED, IDB_FACE_FOCUSED, IDB_FACE_DISABLED);
        plainPicture.Attach(Handle(), IDC_PLAIN_PICTURE, IDB_FACE_NORMAL, 0, 0, 0);
        command.Attach(Handle(), IDC_COMMAND, this);
        return TRUE;
    }
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {
            OnNotify(NM_RCLICK, IDC_TREE, &TreeDialog::OnTreeRightClick),
        };
        return Table(routes);
    }

private:
    INT_PTR OnTreeRightClick(WPARAM, LPARAM)
    {
        SetMessageResult(0);
        POINT cursor;
        GetCursorPos(&cursor);
        POINT inTree = cursor;
        ScreenToClient(Tree().Handle(), &inTree);
        UINT flags = 0;
        HTREEITEM item = Tree().HitTest(inTree, &flags);
        if (!item || flags != TVHT_ONITEMLABEL || Tree().Image(item) != kOtherJarImage)
            return TRUE;
        PopupMenu menu;
        if (!menu.Load(IDR_TREE_MENU))
            return TRUE;
        const XString text = Tree().Text(item);
        menu.Enable(ID_ADD_ITEM, Chosen().Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(text.Data())) == LB_ERR);
        if (menu.Track(Handle(), cursor) == ID_ADD_ITEM)
            Chosen().AddString(text.Data());
        return TRUE;
    }
};

class CommonControlsTest : public ::testing::Test {
protected:
    // Shown only where the screen is read: a shown window takes Wine
    // seconds to go away without a window manager.
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }
    void TearDown() override { seams::Restore(); }

    POINT LabelCentre(HTREEITEM item) const
    {
        RECT label;
        EXPECT_TRUE(dialog.Tree().ItemRect(item, label));
        return {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    }

    TreeDialog dialog;
};

TEST_F(CommonControlsTest, TreeItemsKeepTextImageAndDataAndAreFoundByPoint)
{
    const TreeView tree = dialog.Tree();
    EXPECT_EQ(dialog.images.Count(), 8);
    EXPECT_EQ(tree.Count(), 4);
    EXPECT_EQ(tree.Root(), dialog.root);
    HTREEITEM lib = tree.Child(dialog.root);
    EXPECT_STREQ(tree.Text(lib).Data(), "lib");
    EXPECT_EQ(tree.Child(lib), dialog.standardJar);
    EXPECT_EQ(tree.Next(dialog.standardJar), dialog.otherJar);
    EXPECT_EQ(tree.Image(dialog.otherJar), kOtherJarImage);
    EXPECT_EQ(tree.Data(dialog.otherJar), 6);
    EXPECT_EQ(tree.Image(nullptr), -1);

    struct Case {
        POINT point;
        HTREEITEM item;
        UINT flags;
    };
    const POINT label = LabelCentre(dialog.otherJar);
    RECT client;
    GetClientRect(tree.Handle(), &client);
    const Case cases[] = {
        {label, dialog.otherJar, TVHT_ONITEMLABEL},
        {{client.right - 2, label.y}, dialog.otherJar, TVHT_ONITEMRIGHT},
        {{label.x, client.bottom - 2}, nullptr, TVHT_NOWHERE},
    };
    for (const Case& c : cases) {
        UINT flags = 0;
        EXPECT_EQ(tree.HitTest(c.point, &flags), c.item);
        EXPECT_EQ(flags, c.flags);
    }
    EXPECT_TRUE(tree.Select(lib));
    EXPECT_EQ(tree.Selection(), lib);
    EXPECT_TRUE(tree.DeleteAll());
    EXPECT_EQ(tree.Count(), 0);
}

// The popup seam: records the state of the offered item and chooses it.
UINT offeredState = 0;
int popupsShown = 0;
BOOL ChooseAddItem(HMENU menu, UINT, int, int, HWND)
{
    ++popupsShown;
    offeredState = GetMenuState(menu, ID_ADD_ITEM, MF_BYCOMMAND);
    return (offeredState & MF_GRAYED) ? 0 : ID_ADD_ITEM;
}

TEST_F(CommonControlsTest, RightClickOnATreeItemOffersItsPopupMenuThroughTheSeam)
{
    seams::TrackPopup = ChooseAddItem;
    popupsShown = 0;
    auto rightClick = [&](HTREEITEM item) {
        POINT point = LabelCentre(item);
        ClientToScreen(dialog.Tree().Handle(), &point);
        SetCursorPos(point.x, point.y);
        NMHDR header = {dialog.Tree().Handle(), IDC_TREE, static_cast<UINT>(NM_RCLICK)};
        SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_TREE, reinterpret_cast<LPARAM>(&header));
    };
    rightClick(dialog.standardJar);  // not offered
    EXPECT_EQ(popupsShown, 0);
    rightClick(dialog.otherJar);
    EXPECT_EQ(popupsShown, 1);
    EXPECT_EQ(offeredState & MF_GRAYED, 0u);
    rightClick(dialog.otherJar);  // already chosen: offered grayed
    EXPECT_EQ(popupsShown, 2);
    EXPECT_NE(offeredState & MF_GRAYED, 0u);
    EXPECT_EQ(dialog.Chosen().GetCount(), 1);
    EXPECT_STREQ(dialog.Chosen().GetItemText(0).Data(), "tools.jar");
}

TEST_F(CommonControlsTest, BitmapButtonDrawsTheBitmapOfEachState)
{
    HWND button = dialog.picture.Handle();
    ASSERT_NE(button, nullptr);
    RECT size;
    GetClientRect(button, &size);
    EXPECT_EQ(size.right, 16);  // sized to its bitmap
    EXPECT_EQ(size.bottom, 12);

    // What the button asks its dialog to draw, into a surface we read back.
    HDC screen = GetDC(nullptr);
    HDC surface = CreateCompatibleDC(screen);
    HBITMAP pixels = CreateCompatibleBitmap(screen, 16, 12);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(surface, pixels);
    struct Case {
        UINT state;
        COLORREF colour;
    };
    const Case cases[] = {
        {0, RGB(200, 0, 0)},
        {ODS_SELECTED, RGB(0, 160, 0)},
        {ODS_FOCUS, RGB(0, 0, 200)},
        {ODS_DISABLED, RGB(128, 128, 128)},
        {ODS_DISABLED | ODS_FOCUS, RGB(128, 128, 128)},
    };
    for (const Case& c : cases) {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = IDC_PICTURE;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = c.state;
        item.hwndItem = button;
        item.hDC = surface;
        item.rcItem = {0, 0, 16, 12};
        EXPECT_TRUE(SendMessageA(dialog.Handle(), WM_DRAWITEM, IDC_PICTURE, reinterpret_cast<LPARAM>(&item)));
        EXPECT_EQ(GetPixel(surface, 8, 6), c.colour) << "state " << c.state;
    }
    SelectObject(surface, old);
    DeleteObject(pixels);
    DeleteDC(surface);

    // And on screen, when the button itself is disabled.
    ShowWindow(dialog.Handle(), SW_SHOW);
    EnableWindow(button, FALSE);
    UpdateWindow(button);
    HDC dc = GetDC(button);
    EXPECT_EQ(GetPixel(dc, 8, 6), RGB(128, 128, 128));
    ReleaseDC(button, dc);
}

// A button given no disabled picture still looks disabled when it is: its
// normal picture greyed, on the screen as a user sees it.
TEST_F(CommonControlsTest, BitmapButtonWithoutADisabledPictureGreysItsNormalOne)
{
    const HWND button = dialog.plainPicture.Handle();
    ASSERT_NE(button, nullptr);
    ShowWindow(dialog.Handle(), SW_SHOW);
    SetForegroundWindow(dialog.Handle());
    const auto shown = [&](bool enabled) {
        EnableWindow(button, enabled);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        std::vector<COLORREF> pixels;
        HDC dc = GetDC(button);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16; ++x)
                pixels.push_back(GetPixel(dc, x, y));
        }
        ReleaseDC(button, dc);
        return pixels;
    };
    const std::vector<COLORREF> enabled = shown(true);
    const std::vector<COLORREF> disabled = shown(false);
    EXPECT_EQ(enabled[6 * 16 + 8], RGB(200, 0, 0));
    EXPECT_NE(disabled, enabled);
    EXPECT_EQ(std::count(disabled.begin(), disabled.end(), RGB(200, 0, 0)), 0) << "no pixel keeps the normal colour";
    EXPECT_EQ(shown(true), enabled);
}

TEST_F(CommonControlsTest, CommandButtonActsOnThePressAndDrawsItsState)
{
    HWND button = dialog.command.Handle();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    ShowWindow(dialog.Handle(), SW_SHOW);

    // The caption goes on the press; the release sends nothing more.
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(dialog.commands, std::vector<std::string>{"step up"});
    EXPECT_EQ(dialog.command.IsPressed(), 1);
    EXPECT_EQ(GetCapture(), button);
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(dialog.command.IsPressed(), 0);
    EXPECT_NE(GetCapture(), button);

    // What it draws: raised or sunk frame, white face, caption blue or grey.
    RECT client;
    GetClientRect(button, &client);
    HDC screen = GetDC(nullptr);
    HDC surface = CreateCompatibleDC(screen);
    HBITMAP pixels = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(surface, pixels);
    auto drawn = [&](COLORREF* topLeft, bool* blue, bool* grey) {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = IDC_COMMAND;
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = button;
        item.hDC = surface;
        item.rcItem = client;
        EXPECT_TRUE(SendMessageA(dialog.Handle(), WM_DRAWITEM, IDC_COMMAND, reinterpret_cast<LPARAM>(&item)));
        *topLeft = GetPixel(surface, 0, 0);
        *blue = *grey = false;
        for (int x = 4; x < client.right - 4; ++x)
            for (int y = 3; y < client.bottom - 4; ++y) {
                const COLORREF pixel = GetPixel(surface, x, y);
                *blue = *blue || pixel == RGB(0, 0, 255);
                *grey = *grey || pixel == RGB(192, 192, 192);
            }
        EXPECT_EQ(GetPixel(surface, 5, 4), kWhite);
    };
    COLORREF corner = 0;
    bool blue = false;
    bool grey = false;
    drawn(&corner, &blue, &grey);
    EXPECT_EQ(corner, kWhite);  // raised
    EXPECT_TRUE(blue);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    drawn(&corner, &blue, &grey);
    EXPECT_EQ(corner, RGB(0, 0, 0));  // sunk while held
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

    // Disabled: grey caption, and a press acts on nothing.
    dialog.command.Enable(false);
    dialog.commands.clear();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(dialog.commands.empty());
    drawn(&corner, &blue, &grey);
    EXPECT_EQ(corner, kWhite);  // never sunk while disabled
    EXPECT_TRUE(grey);
    EXPECT_FALSE(blue);
    SelectObject(surface, old);
    DeleteObject(pixels);
    DeleteDC(surface);
}

TEST_F(CommonControlsTest, TabsAndImageListsAreThinValues)
{
    const TabControl tabs(dialog.Handle(), IDC_TABS);
    for (const char* text : {"out stream", "err stream", "command"})
        tabs.Insert(tabs.Count(), text);
    EXPECT_EQ(tabs.Count(), 3);
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.CurSel(), 2);
    RECT area;
    GetClientRect(tabs.Handle(), &area);
    const RECT whole = area;
    tabs.AdjustRect(false, area);
    EXPECT_GT(area.top, whole.top);  // below the tabs

    ImageList moved = std::move(dialog.images);
    EXPECT_EQ(dialog.images.Handle(), nullptr);
    EXPECT_EQ(moved.Count(), 8);
    HIMAGELIST released = moved.Release();
    EXPECT_EQ(moved.Handle(), nullptr);
    EXPECT_TRUE(ImageList_Destroy(released));
    ImageList missing;
    EXPECT_FALSE(missing.Load(999, 16, kWhite));
}

}  // namespace
