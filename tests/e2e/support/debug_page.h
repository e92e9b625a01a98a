#pragma once

// Skelbrand's Debug page in another process, driven as a user drives it.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "payloads.h"
#include "quenlow_tree/quenlow_tree.h"
#include "sheet_page.h"
#include "support/pane_text.h"
#include "support/test_files.h"
#include "window_text.h"

namespace debug_page {

constexpr int kStatus = 1017;
constexpr int kOutPane = 1020;
constexpr int kErrPane = 1019;
constexpr int kCommandPane = 1018;
constexpr int kClearMessage = 1069;
constexpr int kRunButton = 1059;

// A bare installation holding Skelbrand and no settings of the tool, so
// that every run starts from its defaults; its root, empty when a copy
// failed.
inline std::string MakeDebugTree(const std::string& name, const char* skelbrand)
{
    const std::string root = MakeToolTree(name, skelbrand, "Skelbrand.exe");
    if (!root.empty())
        RemoveFile(root + "\\Setting\\ExecuteDebug.set");
    return root;
}

// Skelbrand in the installation folder root, started on one folder as the
// main program's "/execute-files" starts it.
inline std::string SkelbrandCommand(const std::string& root, const std::string& folder)
{
    ClassPathRecord record;
    return "\"" + root + "\\bin\\Skelbrand.exe\" /inside-info " + InsideInfo(record, ("1\n" + folder).c_str()).Data();
}

inline std::string Pane(HWND page, int id)
{
    return PaneLines(XString(WindowText(GetDlgItem(page, id)).c_str()));
}

inline std::string Out(HWND debug)
{
    return Pane(debug, kOutPane);
}

// A button's click, posted: a message box it opens does not hold the test.
inline void Click(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// A command button acts on the press; the release follows as a user's would.
inline void PressCommand(HWND debug, int id)
{
    HWND button = GetDlgItem(debug, id);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// What the page writes into its output pane for a command it sends.
inline std::string Echo(const std::string& command)
{
    return "\n" + std::string(38, '-') + " " + command + "\n";
}

// A command of the Find page's menu (32772 "Execute ...", 32773 "Debug ...")
// on the deepest item of the tree that "Find with sub-directory" filled.
inline void ChooseOnDeepestItem(HWND sheet, int command)
{
    HWND main = PageWith(sheet, 1000);
    HWND find = PageWith(sheet, 1029);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, 1004)));
    HWND tree = GetDlgItem(find, 1029);
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM child;
    while ((child = reinterpret_cast<HTREEITEM>(
                SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)))) != nullptr)
        item = child;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessageA(find, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

inline void DebugSelected(HWND sheet)
{
    ChooseOnDeepestItem(sheet, 32773);
}

}  // namespace debug_page
