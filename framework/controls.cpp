#include "controls.h"

#include "window_text.h"

XString Control::GetText() const
{
    return WindowText(hwnd);
}

XString ComboBox::GetItemText(int index) const
{
    return ComboEntryText(hwnd, index);
}

XString ListBox::GetItemText(int index) const
{
    return ListEntryText(hwnd, index);
}

RECT RectInParent(HWND parent, HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
