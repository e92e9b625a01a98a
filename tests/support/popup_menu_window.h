#pragma once
// The popup menu on the screen as a user meets it: found by its window
// (class #32768), its items read from the menu it shows, one chosen with the
// keyboard. Reading the items works for a menu of this process (Wine keeps
// menus per process); run it from a thread beside the one whose menu loop
// shows the menu.
#include <windows.h>

#include <string>
#include <vector>

struct ShownMenuItem {
    UINT id;
    std::string text;
    bool grayed;
};

// The shown popup menu's window, waited for up to timeoutMs; null when none came.
inline HWND WaitForPopupMenu(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu && IsWindowVisible(menu))
            return menu;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

// Its items but separators, in their order.
inline std::vector<ShownMenuItem> PopupMenuItems(HWND menuWindow)
{
    std::vector<ShownMenuItem> items;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    if (!menu)
        return items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR)
            continue;
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.push_back({GetMenuItemID(menu, i), text, (state & (MF_GRAYED | MF_DISABLED)) != 0});
    }
    return items;
}

// Chooses the item at the place (0: the first, separators not counted) as a
// user does with the arrow keys and Enter; true once the menu has gone.
inline bool ChoosePopupItem(HWND menuWindow, int place, DWORD timeoutMs)
{
    for (int i = 0; i <= place; ++i)
        PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(menuWindow) && IsWindowVisible(menuWindow)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}
