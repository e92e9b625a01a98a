#pragma once

#include <windows.h>
#include <commctrl.h>

#include "remote_tree.h"

// The page of a tool's sheet, in any process, that holds the control.
inline HWND PageWith(HWND sheet, int id)
{
    HWND page = nullptr;
    while ((page = FindWindowExA(sheet, page, "#32770", nullptr)) != nullptr) {
        if (GetDlgItem(page, id))
            return page;
    }
    return nullptr;
}

// Polls a condition for up to timeoutMs (the tests' WaitFor, for this header
// alone).
template <class Condition>
bool PollFor(Condition condition, DWORD timeoutMs)
{
    for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// A right click on the label of the tree's item and the menu's command at
// the place (0: the first) chosen with the keyboard, as a user would; the
// real pointer is moved onto the item, as the page tests where it was.
inline bool ChooseFromItemMenu(HWND sheet, HWND tree, HTREEITEM item, int place)
{
    if (!item)
        return false;
    RemoteTree remote(tree);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT label;
    if (!remote.LabelRect(item, label))
        return false;
    POINT point = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT screen = point;
    ClientToScreen(tree, &screen);
    SetForegroundWindow(sheet);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(tree, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(tree, WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    HWND menu = nullptr;
    if (!PollFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 60000))
        return false;
    for (int i = 0; i <= place; ++i)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return PollFor([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, 60000);
}

