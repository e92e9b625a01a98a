// Each tool's sheet as a user sees it, in this process: every page laid out
// over the whole sheet at its first size and maximised, every shown control
// inside its page, the tool's icon, and (the compile tool) the Find tree's
// pictures, the Options page's picture buttons and its output-options help.
// Built twice, once with each tool's sheet and pages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "rich_edit.h"
#include "seams.h"
#include "e2e/support/layout_check.h"
#include "window_place.h"
#ifdef SHEET_TEST_FARROWICK
#include "farrowick_sheet.h"
using ToolSheet = FarrowickSheet;
#else
#include "skelbrand_sheet.h"
using ToolSheet = SkelbrandSheet;
#endif

namespace {

#ifdef SHEET_TEST_FARROWICK
constexpr const char* kCaption = "Quenlow: compile ...";
#else
constexpr const char* kCaption = "Quenlow: execute and debug";
#endif
constexpr DWORD kOpenLimitMs = 20000;
// A field the layout leaves to the template.
constexpr int kAny = INT_MIN;

HWND WaitForSheet()
{
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kOpenLimitMs; Sleep(20)) {
        if (HWND sheet = FindWindowA(nullptr, kCaption))
            return sheet;
    }
    return nullptr;
}

std::string Describe(const RECT& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

// The page's rectangles that its layout fixes, from the page's client size
// and, where the layout keeps them, the control's own size and place.
struct Expected {
    int page;  // the tab
    int id;
    const char* what;
    std::function<RECT(HWND page, const RECT& client, const RECT& now)> place;
};

SIZE SizeOfItem(HWND page, int id)
{
    const RECT r = PlaceInParent(GetDlgItem(page, id));
    return {r.right - r.left, r.bottom - r.top};
}

#ifdef SHEET_TEST_FARROWICK
const Expected kExpected[] = {
    {1, 1017, "Find tree: 20 below the top, to the bottom, 10 before the buttons",
     [](HWND page, const RECT& c, const RECT&) {
         return RECT{8, 28, c.right - 8 - SizeOfItem(page, 1018).cx - 10, c.bottom - 8};
     }},
    {1, 1018, "Expand at the right edge, 20 below the top",
     [](HWND page, const RECT& c, const RECT&) {
         const SIZE b = SizeOfItem(page, 1018);
         return RECT{c.right - 8 - b.cx, 28, c.right - 8, 28 + b.cy};
     }},
    {1, 1019, "Collapse half a button lower",
     [](HWND page, const RECT& c, const RECT&) {
         const SIZE b = SizeOfItem(page, 1018);
         const int top = 28 + b.cy + b.cy / 2;
         return RECT{c.right - 8 - b.cx, top, c.right - 8, top + b.cy};
     }},
    {2, 1021, "Compile tabs to the bottom-right corner",
     [](HWND, const RECT& c, const RECT&) { return RECT{8, kAny, c.right - 8, c.bottom - 8}; }},
    {2, 1019, "error pane inside the tabs",
     [](HWND page, const RECT&, const RECT&) {
         const RECT tabs = PlaceInParent(GetDlgItem(page, 1021));
         return RECT{tabs.left + 8, kAny, tabs.right - 8, tabs.bottom - 8};
     }},
    {2, 1028, "Stop at the right edge",
     [](HWND, const RECT& c, const RECT&) { return RECT{kAny, kAny, c.right - 8, kAny}; }},
    {3, 1025, "output group to the right edge",
     [](HWND, const RECT& c, const RECT& now) { return RECT{now.left, now.top, c.right - 8, now.bottom}; }},
    {3, 1134, "folder combo ends 70 before the right edge",
     [](HWND, const RECT& c, const RECT&) { return RECT{kAny, kAny, c.right - 8 - 70, kAny}; }},
    {3, 1136, "remove 25 x 25, 10 after the combo",
     [](HWND page, const RECT& c, const RECT&) {
         const int top = PlaceInParent(GetDlgItem(page, 1134)).top;
         return RECT{c.right - 8 - 60, top, c.right - 8 - 35, top + 25};
     }},
    {3, 1133, "browse 25 wide, 5 after it",
     [](HWND, const RECT& c, const RECT&) { return RECT{c.right - 8 - 30, kAny, c.right - 8 - 5, kAny}; }},
    {3, 1027, "user command to the right edge, 22 above the group's bottom",
     [](HWND page, const RECT& c, const RECT&) {
         const RECT label = PlaceInParent(GetDlgItem(page, 1023));
         const RECT group = PlaceInParent(GetDlgItem(page, 1024));
         return RECT{label.left, label.bottom + 2, c.right - 8, group.bottom - 22};
     }},
    {3, 1028, "auto style from 25 after the styles group to the right edge",
     [](HWND page, const RECT& c, const RECT&) {
         const RECT group = PlaceInParent(GetDlgItem(page, 1022));
         return RECT{group.right + 25, group.top + 10, c.right - 8, group.bottom};
     }},
};
#else
// The arguments (1043) and parameters (1046) blocks share the width two to three.
RECT Block(HWND page, const RECT& c, int group)
{
    const RECT applet = PlaceInParent(GetDlgItem(page, 1025));
    const int top = applet.bottom + 10;
    const int bottom = top + SizeOfItem(page, 1043).cy;
    const int split = 8 + (c.right - 16) * 2 / 5;
    return group == 1043 ? RECT{8, top, split - 5, bottom} : RECT{split, top, c.right - 8, bottom};
}

const Expected kExpected[] = {
    {1, 1029, "class tree to the bottom-right corner",
     [](HWND, const RECT& c, const RECT& now) { return RECT{now.left, now.top, c.right - 8, c.bottom - 8}; }},
    {2, 1027, "user command to the right edge, down to the Applet group's bottom",
     [](HWND page, const RECT& c, const RECT&) {
         const RECT label = PlaceInParent(GetDlgItem(page, 1023));
         return RECT{label.left, label.bottom + 2, c.right - 8, PlaceInParent(GetDlgItem(page, 1025)).bottom};
     }},
    {2, 1043, "arguments block over two fifths", [](HWND page, const RECT& c, const RECT&) { return Block(page, c, 1043); }},
    {2, 1046, "parameters block over the rest", [](HWND page, const RECT& c, const RECT&) { return Block(page, c, 1046); }},
    {2, 1052, "parameters' Save 60 x 22 at the inner bottom-right",
     [](HWND page, const RECT& c, const RECT&) {
         const RECT b = Block(page, c, 1046);
         return RECT{b.right - 20 - 60, b.bottom - 6 - 22, b.right - 20, b.bottom - 6};
     }},
    {2, 1048, "parameters 48 below the inner top, 78 less than the inner height",
     [](HWND page, const RECT& c, const RECT&) {
         const RECT b = Block(page, c, 1046);
         const int innerTop = b.top + 6;
         return RECT{b.left + 20, innerTop + 48, b.right - 20, innerTop + (b.bottom - b.top - 12) - 30};
     }},
    {3, 1021, "Execute tabs to the bottom-right corner",
     [](HWND, const RECT& c, const RECT&) { return RECT{8, kAny, c.right - 8, c.bottom - 8}; }},
    {4, 1063, "Stop debugging at the top right, 120 wide",
     [](HWND, const RECT& c, const RECT&) { return RECT{c.right - 8 - 120, 8, c.right - 8, kAny}; }},
    {4, 1021, "Debug tabs to the bottom, 130 before the right edge",
     [](HWND, const RECT& c, const RECT&) { return RECT{8, kAny, c.right - 8 - 130, c.bottom - 8}; }},
    {4, 1069, "Clear message across the column, inside the page",
     [](HWND, const RECT& c, const RECT& now) {
         EXPECT_LE(now.bottom, c.bottom - 8);
         return RECT{c.right - 8 - 120, kAny, c.right - 8, kAny};
     }},
};
#endif

// Every mismatch of the table and every fault of the layout check, page
// by page, on the current size.
std::vector<std::string> LayoutFaults(HWND sheet, const char* size)
{
    std::vector<std::string> faults;
    const int pages = TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet));
    for (int index = 0; index < pages; ++index) {
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        RECT client;
        GetClientRect(page, &client);
#ifdef SHEET_TEST_FARROWICK
        const std::string name = std::string("farrowick-sheet-") + size + "-" + std::to_string(index);
#else
        const std::string name = std::string("skelbrand-sheet-") + size + "-" + std::to_string(index);
#endif
        for (const std::string& line : CheckLayout(sheet, name))
            faults.push_back("page " + std::to_string(index) + ": " + line);
        for (const Expected& e : kExpected) {
            if (e.page != index)
                continue;
            const RECT now = PlaceInParent(GetDlgItem(page, e.id));
            const RECT want = e.place(page, client, now);
            const int got[] = {now.left, now.top, now.right, now.bottom};
            const int wanted[] = {want.left, want.top, want.right, want.bottom};
            for (int i = 0; i < 4; ++i) {
                if (wanted[i] != kAny && wanted[i] != got[i]) {
                    faults.push_back(std::string(e.what) + ": " + Describe(now) + ", page " + Describe(client));
                    break;
                }
            }
        }
    }
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    return faults;
}

// The tree's item at the path of item texts below its root.
HTREEITEM ItemAt(HWND tree, const std::vector<std::string>& path)
{
    HTREEITEM item = TreeView_GetRoot(tree);
    for (const std::string& name : path) {
        HTREEITEM child = TreeView_GetChild(tree, item);
        for (; child; child = TreeView_GetNextSibling(tree, child)) {
            char text[MAX_PATH] = {};
            TVITEMA data = {};
            data.mask = TVIF_TEXT;
            data.hItem = child;
            data.pszText = text;
            data.cchTextMax = sizeof text;
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
            if (name == text)
                break;
        }
        if (!child)
            return nullptr;
        item = child;
    }
    return item;
}

template <class Condition>
bool Within(DWORD ms, Condition condition)
{
    for (const DWORD start = GetTickCount(); !condition(); Sleep(20)) {
        if (GetTickCount() - start > ms)
            return false;
    }
    return true;
}

// The popup's lines as a user reads them: text, "(gray)" when grayed, "-"
// for a separator.
std::string MenuLines(HMENU menu)
{
    std::string lines;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[100] = {};
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_SEPARATOR)
            lines += "-\n";
        else
            lines += text + std::string((item.fState & MFS_GRAYED) ? " (gray)\n" : "\n");
    }
    return lines;
}

// A right click on the item's label with the real pointer over it, as a
// user gives it; the lines of the popup that opens, then the keys: downs
// presses of the down arrow and Enter, or Escape when downs is 0.
std::string RightClick(HWND tree, HTREEITEM item, int downs)
{
    TreeView_SelectItem(tree, item);
    TreeView_EnsureVisible(tree, item);
    RECT label = {};
    if (!TreeView_GetItemRect(tree, item, &label, TRUE))
        return "no label";
    POINT point = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT screen = point;
    ClientToScreen(tree, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(tree, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(tree, WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    HWND popup = nullptr;
    if (!Within(kOpenLimitMs, [&] { return (popup = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(popup); }))
        return "no menu";
    const std::string lines = MenuLines(reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)));
    for (int i = 0; i < downs; ++i)
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(popup, WM_KEYDOWN, downs ? VK_RETURN : VK_ESCAPE, 0);
    Within(kOpenLimitMs, [&] { return !IsWindow(popup) || !IsWindowVisible(popup); });
    return lines;
}

int ActivePage(HWND sheet)
{
    return TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet));
}

class SheetWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        // A message would wait for a user.
        seams::ShowMessage = [](HWND, const char*, const char*, UINT) { return IDOK; };
    }
    void TearDown() override { seams::Restore(); }

    // The sheet on an empty selection; check runs on its own thread while
    // the sheet's loop runs here, then the sheet is closed.
    void WithSheet(const std::function<void(ToolSheet&, HWND)>& check, const std::string& selection = "0\n")
    {
        const std::string payload = std::string("0\xA5" "0\xA5\xA5\xA5\xA5\xA5") + selection + "\xA5";
        ToolSheet sheet(payload.c_str());
        std::thread driver([&] {
            HWND window = WaitForSheet();
            if (!window) {
                ADD_FAILURE() << "no sheet";
                return;
            }
            check(sheet, window);
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        sheet.DoModal();
        driver.join();
    }
};

TEST_F(SheetWindowsTest, EveryPageFillsTheSheetAtItsFirstSizeAndMaximised)
{
    WithSheet([](ToolSheet&, HWND window) {
        RECT first;
        GetWindowRect(window, &first);
        EXPECT_EQ(LayoutReport(LayoutFaults(window, "first")), "") << "first size " << Describe(first);
        SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        RECT maximised;
        GetWindowRect(window, &maximised);
        EXPECT_GT(maximised.right - maximised.left, first.right - first.left + 200);
        EXPECT_EQ(LayoutReport(LayoutFaults(window, "maximised")), "") << "maximised " << Describe(maximised);
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_EQ(LayoutReport(LayoutFaults(window, "restored")), "") << "restored";
    });
}

TEST_F(SheetWindowsTest, TheSheetAndTheProgramCarryTheToolsIcon)
{
    WithSheet([](ToolSheet&, HWND window) {
        const LRESULT big = SendMessageA(window, WM_GETICON, ICON_BIG, 0);
        const LRESULT small = SendMessageA(window, WM_GETICON, ICON_SMALL, 0);
        EXPECT_NE(big, 0);
        EXPECT_NE(small, 0);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(big), &info));
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_GT(colour.bmWidth, 0);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    });
    HMODULE program = LoadLibraryExA(QUENLOW_TOOL_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << QUENLOW_TOOL_EXE;
    EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
    FreeLibrary(program);
}

#ifndef SHEET_TEST_FARROWICK

TEST_F(SheetWindowsTest, ARightClickOnAClassOpensItsMenuAndRunsTheChosenCommand)
{
    std::string fixture = QUENLOW_SKELBRAND_FIXTURE;
    for (char& c : fixture)
        c = c == '/' ? '\\' : c;
    WithSheet(
        [](ToolSheet& sheet, HWND window) {
            // Applications and general classes shown, then "Find with sub-directory".
            SendMessageA(window, PSM_SETCURSEL, 1, 0);
            for (int shown : {1036, 1033})
                SendMessageA(GetDlgItem(sheet.FindPage().Handle(), shown), BM_SETCHECK, BST_CHECKED, 0);
            SendMessageA(window, PSM_SETCURSEL, 0, 0);
            SendMessageA(sheet.MainPage().Handle(), WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
            HWND tree = GetDlgItem(sheet.FindPage().Handle(), 1029);
            HTREEITEM general = nullptr, application = nullptr;
            ASSERT_TRUE(Within(kOpenLimitMs, [&] {
                general = ItemAt(tree, {"run", "Gen.class"});
                application = ItemAt(tree, {"run", "Echo.class"});
                return general && application;
            }));
            SetForegroundWindow(window);
            EXPECT_EQ(RightClick(tree, general, 0), "Execute ... (gray)\nDebug ... (gray)\n-\nView class infomation\n");
            EXPECT_EQ(ActivePage(window), 1);
            // "Execute ..." makes the Execute page the active one and starts there.
            EXPECT_EQ(RightClick(tree, application, 1), "Execute ...\nDebug ...\n-\nView class infomation\n");
            EXPECT_TRUE(Within(kOpenLimitMs, [&] { return ActivePage(window) == 3; }));
            sheet.ExecPage().Runner().Stop();
            EXPECT_TRUE(Within(kOpenLimitMs, [&] { return !sheet.ExecPage().IsBusy(); }));
        },
        "1\n" + fixture + "\n");
}

#else

TEST_F(SheetWindowsTest, ARightClickOnAFolderOpensItsMenuAndCompilesTheChosenFiles)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "sheet windows right click";
    for (const char* sub : {"", "\\p", "\\p\\q"})
        CreateDirectoryA((folder + sub).c_str(), nullptr);
    for (const char* file : {"\\A.java", "\\p\\B.java", "\\p\\q\\C.java"}) {
        HANDLE out = CreateFileA((folder + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(out, INVALID_HANDLE_VALUE);
        CloseHandle(out);
    }
    std::vector<std::string> compiled;
    WithSheet(
        [&](ToolSheet& sheet, HWND window) {
            SendMessageA(sheet.MainPage().Handle(), WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
            HWND tree = GetDlgItem(sheet.FindPage().Handle(), ZSheetPgFind::kTree);
            HTREEITEM sub = nullptr, file = nullptr;
            ASSERT_TRUE(Within(kOpenLimitMs, [&] {
                sub = ItemAt(tree, {"p"});
                file = ItemAt(tree, {"p", "B.java"});
                return sub && file;
            }));
            SetForegroundWindow(window);
            EXPECT_EQ(RightClick(tree, file, 0), "Compile\n");
            // "Compile all files": the folder's files and those below it.
            EXPECT_EQ(RightClick(tree, sub, 2), "Compile topmost files\nCompile all files\n");
            EXPECT_TRUE(Within(kOpenLimitMs, [&] { return ActivePage(window) == 2; }));
            Within(kOpenLimitMs, [&] { return !sheet.CompilePage().IsCompiling(); });
            for (int i = 0; i < sheet.Job().FileCount(); ++i)
                compiled.push_back(sheet.Job().FileText(i).Data());
        },
        "1\n" + folder + "\n");
    ASSERT_EQ(compiled.size(), 2u);
    EXPECT_NE(compiled[0].find("p\\B.java"), std::string::npos) << compiled[0];
    EXPECT_NE(compiled[1].find("p\\q\\C.java"), std::string::npos) << compiled[1];
}

std::string openedHelp;

HWND RecordHelp(HWND, const char* file, UINT, DWORD_PTR)
{
    openedHelp = file;
    return nullptr;
}

TEST_F(SheetWindowsTest, FindTreeAndOptionsPageShowTheirPictures)
{
    seams::OpenHelp = RecordHelp;
    WithSheet([](ToolSheet& sheet, HWND window) {
        SendMessageA(window, PSM_SETCURSEL, 1, 0);
        HWND tree = GetDlgItem(sheet.FindPage().Handle(), ZSheetPgFind::kTree);
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
        ASSERT_NE(images, nullptr);
        // Folder, folder selected, Java file, Java file selected.
        EXPECT_EQ(ImageList_GetImageCount(images), 4);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        EXPECT_EQ(cx, 16);
        EXPECT_EQ(cy, 16);

        SendMessageA(window, PSM_SETCURSEL, 3, 0);
        HWND options = sheet.OptionsPage().Handle();
        const struct {
            int id;
            SIZE size;
        } buttons[] = {{1136, {25, 25}}, {1133, {25, 25}}, {1137, {21, 21}}};
        for (const auto& b : buttons) {
            HWND button = GetDlgItem(options, b.id);
            EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << b.id;
            const SIZE size = SizeOfItem(options, b.id);
            EXPECT_EQ(size.cx, b.size.cx) << b.id;
            EXPECT_EQ(size.cy, b.size.cy) << b.id;
        }

        SendMessageA(GetDlgItem(options, 1137), BM_CLICK, 0, 0);
    });
    const std::string topic = "\\quenlow.chm::\\html\\feature\\explorer\\06compile.htm#output_option";
    ASSERT_GT(openedHelp.size(), topic.size());
    EXPECT_EQ(openedHelp.substr(openedHelp.size() - topic.size()), topic);
    EXPECT_EQ(openedHelp.substr(0, openedHelp.size() - topic.size()), ToolRootFolder().Data());
}

#endif

}  // namespace
