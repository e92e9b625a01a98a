#pragma once

#include <windows.h>

// A menu resource whose first (or given) popup is shown at a point. The
// menu is destroyed with the object; it moves, never copies. Tracking goes
// through the popup seam, so tests choose the command.
class PopupMenu {
public:
    PopupMenu() = default;
    ~PopupMenu();
    PopupMenu(PopupMenu&& other) noexcept : menu(other.menu) { other.menu = nullptr; }
    PopupMenu& operator=(PopupMenu&&) = delete;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    bool Load(int menuId);
    HMENU Popup(int index = 0) const { return menu ? GetSubMenu(menu, index) : nullptr; }

    void Enable(UINT id, bool enabled) const;
    void Check(UINT id, bool checked) const;
    // Shows popup index at a screen point; the chosen command, 0 for none.
    UINT Track(HWND owner, POINT screen, int index = 0) const;

private:
    HMENU menu = nullptr;
};
