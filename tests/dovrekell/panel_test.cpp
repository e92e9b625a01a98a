// The left panel in this process, around a fake browser, over the fixture
// documentation folder: the Contents tree the worker fills, the index lookup,
// opening a page from the tree, and favorites kept across a restart.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "contents_fixture.h"
#include "dovrekell_ids.h"
#include "fake_browser.h"
#include "frame.h"
#include "help_settings_fixture.h"
#include "seams.h"
#include "support/message_pump.h"
#include "support/popup_menu_window.h"
#include "support/test_files.h"
#include "tree_view.h"

namespace {

constexpr DWORD kScanTimeoutMs = 30000;

// One line per item, two blanks per level, siblings in name order (the
// enumeration order of a folder is the file system's own).
void DumpSorted(const TreeView& tree, HTREEITEM parent, int depth, std::vector<std::string>& lines)
{
    std::vector<std::pair<std::string, HTREEITEM>> children;
    for (HTREEITEM child = parent ? tree.Child(parent) : tree.Root(); child; child = tree.Next(child))
        children.emplace_back(tree.Text(child).Data(), child);
    if (depth > 0)
        std::sort(children.begin(), children.end());
    for (const auto& child : children) {
        if (depth == 0 && child.first == "Online")
            continue;
        lines.push_back(std::string(2 * depth, ' ') + child.first);
        DumpSorted(tree, child.second, depth + 1, lines);
    }
}

HTREEITEM FindItem(const TreeView& tree, HTREEITEM parent, const std::vector<std::string>& path, size_t step = 0)
{
    for (HTREEITEM child = parent ? tree.Child(parent) : tree.Root(); child; child = tree.Next(child)) {
        if (tree.Text(child).Data() == path[step])
            return step + 1 == path.size() ? child : FindItem(tree, child, path, step + 1);
    }
    return nullptr;
}

std::vector<std::string> listMessages;

int RecordMessage(HWND, const char* text, const char*, UINT)
{
    listMessages.push_back(text);
    return IDOK;
}

class HelpPanelTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        InitCommonControlsEx(&controls);
        docs = WindowsPath(BuildFixtureDocs("panel"));
    }

    void SetUp() override
    {
        seams::ShowMessage = RecordMessage;
        listMessages.clear();
        RemoveHelpSettingsFile();
        HelpSettings settings;
        ASSERT_TRUE(settings.OpenAndInit());
        StringList folders;
        folders.Add(docs.c_str());
        settings.SetList(HelpSettings::kDocsFolders, folders);
        StringList extensions;
        extensions.Add("txt;XML");
        settings.SetList(HelpSettings::kDocsExtensions, extensions);
    }
    void TearDown() override
    {
        frame.reset();
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            ;
        RemoveHelpSettingsFile();
        seams::Restore();
    }

    // A frame as the program starts it, waited on until its scan ends.
    void Start()
    {
        browser.reset(new FakeBrowser);
        frame.reset(new ZFrm(document, *browser));
        ASSERT_TRUE(frame->Create());
        SetWindowPos(frame->Handle(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
        frame->Panel().InitialUpdate();
        WaitForScan();
    }
    void WaitForScan()
    {
        const DWORD start = GetTickCount();
        while (frame->Panel().busy && GetTickCount() - start < kScanTimeoutMs)
            PumpFor(20);
        ASSERT_EQ(frame->Panel().busy, 0);
    }
    void Stop()
    {
        DestroyWindow(frame->Handle());
        frame.reset();
    }
    HWND Control(int id) { return GetDlgItem(frame->Panel().Handle(), id); }
    TreeView Tree() { return TreeView(Control(IDC_CONTENTS)); }
    int IndexCount() { return static_cast<int>(SendMessageA(Control(IDC_INDEX_LIST), LB_GETCOUNT, 0, 0)); }

    // A double click on the item's label, as the tree reports it.
    void DoubleClick(HTREEITEM item)
    {
        const TreeView tree = Tree();
        tree.Select(item);
        tree.Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
        RECT label;
        ASSERT_TRUE(tree.ItemRect(item, label));
        POINT at = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        ClientToScreen(tree.Handle(), &at);
        SetCursorPos(at.x, at.y);
        NMHDR header = {tree.Handle(), IDC_CONTENTS, static_cast<UINT>(NM_DBLCLK)};
        SendMessageA(frame->Panel().Handle(), WM_NOTIFY, IDC_CONTENTS, reinterpret_cast<LPARAM>(&header));
    }

    static std::string docs;
    ZDoc document;
    std::unique_ptr<FakeBrowser> browser;
    std::unique_ptr<ZFrm> frame;
};

std::string HelpPanelTest::docs;

TEST_F(HelpPanelTest, TreeIndexAndPagesOfTheDocumentationFolder)
{
    Start();
    std::vector<std::string> lines;
    DumpSorted(Tree(), nullptr, 0, lines);
    EXPECT_EQ(lines, ExpectedFixtureContents());
    ASSERT_EQ(IndexCount(), 5);
    // The scan ended with the complete page, which is the history's first entry.
    ASSERT_FALSE(browser->navigations.empty());
    EXPECT_NE(browser->navigations.back().find("\\html\\complete.html"), std::string::npos);

    // The lookup ignores case and selects the first title beginning with the text.
    SetWindowTextA(Control(IDC_INDEX_EDIT), "str");
    const HWND index = Control(IDC_INDEX_LIST);
    const int selected = static_cast<int>(SendMessageA(index, LB_GETCURSEL, 0, 0));
    int first = -1;
    for (int entry = 0; entry < IndexCount() && first < 0; ++entry) {
        char title[64] = {};
        SendMessageA(index, LB_GETTEXT, entry, reinterpret_cast<LPARAM>(title));
        if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, title, 3, "STR", 3) == CSTR_EQUAL)
            first = entry;
    }
    EXPECT_EQ(selected, first);
    SetWindowTextA(Control(IDC_INDEX_EDIT), "zzz");
    EXPECT_EQ(SendMessageA(index, LB_GETCURSEL, 0, 0), 0);

    // Document leaves open their page: .html when it exists, else .htm.
    DoubleClick(FindItem(Tree(), nullptr, {"Document", "api", "java", "lang", "String"}));
    EXPECT_EQ(browser->navigations.back(), docs + "\\api\\java\\lang\\String.html");
    DoubleClick(FindItem(Tree(), nullptr, {"Document", "specs", "intro"}));
    EXPECT_EQ(browser->navigations.back(), docs + "\\specs\\intro.htm");
    const size_t opened = browser->navigations.size();
    DoubleClick(FindItem(Tree(), nullptr, {"Document", "specs"}));
    EXPECT_EQ(browser->navigations.size(), opened);

    // Files by extension: blanks dropped, found below the group's root.
    SetWindowTextA(Control(IDC_SEARCH_FILES_TEXT), "t x t");
    SendMessageA(frame->Panel().Handle(), WM_COMMAND, MAKEWPARAM(IDC_SEARCH_FILES, BN_CLICKED), 0);
    EXPECT_EQ(SendMessageA(Control(IDC_RESULTS), LB_GETCOUNT, 0, 0), 1);
    SetWindowTextA(Control(IDC_SEARCH_FILES_TEXT), "HTML");
    SendMessageA(frame->Panel().Handle(), WM_COMMAND, MAKEWPARAM(IDC_SEARCH_FILES, BN_CLICKED), 0);
    EXPECT_EQ(listMessages, std::vector<std::string>{"Can not search HTML files"});

    // Title search: the position from the radio buttons, case ignored.
    const HWND panel = frame->Panel().Handle();
    CheckRadioButton(panel, IDC_ANY_PLACE, IDC_MIDDLE, IDC_BEGINNING);
    SetWindowTextA(Control(IDC_SEARCH_TEXT), "  STR ");
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, BN_CLICKED), 0);
    EXPECT_EQ(SendMessageA(Control(IDC_RESULTS), LB_GETCOUNT, 0, 0), 2);
    char top[16] = {};
    SendMessageA(Control(IDC_SEARCH_TEXT), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(top));
    EXPECT_STREQ(top, "STR");
    SetWindowTextA(Control(IDC_SEARCH_TEXT), "   ");
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(IDC_SEARCH, BN_CLICKED), 0);
    EXPECT_EQ(listMessages.back(), "Please input text for search");

    // A reload lists every page once.
    frame->Panel().LoadDocumentation();
    WaitForScan();
    EXPECT_EQ(IndexCount(), 5);
    Stop();
}

TEST_F(HelpPanelTest, FavoritesSurviveARestart)
{
    Start();
    const HWND panel = frame->Panel().Handle();
    for (const char* page : {"\\index.html", "\\specs\\intro.htm", "\\index.html"}) {
        frame->OpenLocation((docs + page).c_str(), true);
        SendMessageA(panel, WM_COMMAND, MAKEWPARAM(IDC_FAVORITE_ADD, BN_CLICKED), 0);
    }
    EXPECT_EQ(SendMessageA(Control(IDC_FAVORITES), LB_GETCOUNT, 0, 0), 2);
    Stop();

    HelpSettings settings;
    ASSERT_TRUE(settings.Open());
    StringList saved;
    settings.GetFavorites(saved);
    settings.Close();
    ASSERT_EQ(saved.Count(), 2);
    EXPECT_EQ(std::string(saved.At(1)->Data()), docs + "\\specs\\intro.htm");

    Start();
    const HWND favorites = Control(IDC_FAVORITES);
    ASSERT_EQ(SendMessageA(favorites, LB_GETCOUNT, 0, 0), 2);
    char title[64] = {};
    SendMessageA(favorites, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(title));
    EXPECT_STREQ(title, "index");
    // The favorites stay through a reload of the documentation.
    frame->Panel().LoadDocumentation();
    WaitForScan();
    EXPECT_EQ(SendMessageA(favorites, LB_GETCOUNT, 0, 0), 2);
    Stop();
}

// What a right click showed: the menu's items, and the place chosen (-1:
// Escape). Watched from a thread of its own while this one is in the menu.
struct MenuSeen {
    bool shown = false;
    std::vector<ShownMenuItem> items;
};

bool Expanded(const TreeView& tree, HTREEITEM item)
{
    return (tree.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// A real right click on the item's label: the pointer on it and the button's
// messages at that point, the popup (if any) read and answered by a watcher.
MenuSeen RightClick(const TreeView& tree, HTREEITEM item, int place)
{
    tree.Select(item);
    tree.Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT label = {};
    EXPECT_TRUE(tree.ItemRect(item, label));
    POINT at = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT screen = at;
    ClientToScreen(tree.Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    MenuSeen seen;
    std::atomic<bool> done(false);
    std::thread watcher([&] {
        HWND menu = nullptr;
        while (!done && (menu = WaitForPopupMenu(50)) == nullptr)
            ;
        if (!menu)
            return;
        seen.shown = true;
        seen.items = PopupMenuItems(menu);
        if (place >= 0) {
            ChoosePopupItem(menu, place, 20000);
        } else {
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    });
    PostMessageA(tree.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(tree.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    // A menu, once shown, holds this thread until the watcher answers it.
    PumpFor(300);
    done = true;
    watcher.join();
    return seen;
}

TEST_F(HelpPanelTest, ContentsRightClickOffersExpandAndCollapseOnFoldersOnly)
{
    Start();
    ShowWindow(frame->Handle(), SW_SHOW);
    SetForegroundWindow(frame->Handle());
    const TreeView tree = Tree();
    const HTREEITEM api = FindItem(tree, nullptr, {"Document", "api"});
    ASSERT_NE(api, nullptr);
    const HTREEITEM java = FindItem(tree, nullptr, {"Document", "api", "java"});
    const HTREEITEM lang = FindItem(tree, nullptr, {"Document", "api", "java", "lang"});
    const std::vector<std::pair<UINT, std::string>> offered = {{ID_TREE_EXPAND, "Expand"},
                                                               {ID_TREE_COLLAPSE, "Collapse"}};
    const auto idsAndTexts = [](const MenuSeen& seen) {
        std::vector<std::pair<UINT, std::string>> items;
        for (const ShownMenuItem& item : seen.items) {
            EXPECT_FALSE(item.grayed) << item.text;
            items.emplace_back(item.id, item.text);
        }
        return items;
    };

    const MenuSeen expand = RightClick(tree, api, 0);
    EXPECT_TRUE(expand.shown);
    EXPECT_EQ(idsAndTexts(expand), offered);
    EXPECT_TRUE(Expanded(tree, api));
    EXPECT_TRUE(Expanded(tree, java));
    EXPECT_TRUE(Expanded(tree, lang));

    const MenuSeen collapse = RightClick(tree, api, 1);
    EXPECT_EQ(idsAndTexts(collapse), offered);
    EXPECT_FALSE(Expanded(tree, api));
    EXPECT_FALSE(Expanded(tree, java));
    EXPECT_FALSE(Expanded(tree, lang));

    // A page has nothing to expand: no menu.
    const HTREEITEM index = FindItem(tree, nullptr, {"Document", "index"});
    ASSERT_NE(index, nullptr);
    EXPECT_FALSE(RightClick(tree, index, -1).shown);
    Stop();
}

}  // namespace
