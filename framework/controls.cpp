#include "controls.h"

#include "xbuffer.h"

namespace {

// Texts of any length: the length is asked first, then one exact buffer.
XString TextOfLength(int length, HWND hwnd, UINT getMessage, WPARAM index)
{
    XString text;
    XBuffer buffer;
    if (length <= 0 || !buffer.Resize(length + 1))
        return text;
    buffer.Text()[0] = 0;
    if (getMessage)
        SendMessageA(hwnd, getMessage, index, reinterpret_cast<LPARAM>(buffer.Text()));
    else
        GetWindowTextA(hwnd, buffer.Text(), length + 1);
    buffer.Text()[length] = 0;
    text.Assign(buffer.Text());
    return text;
}

}  // namespace

XString Control::GetText() const
{
    return TextOfLength(GetWindowTextLengthA(hwnd), hwnd, 0, 0);
}

XString ComboBox::GetItemText(int index) const
{
    return TextOfLength(static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index))), hwnd, CB_GETLBTEXT,
                        static_cast<WPARAM>(index));
}

XString ListBox::GetItemText(int index) const
{
    return TextOfLength(static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index))), hwnd, LB_GETTEXT,
                        static_cast<WPARAM>(index));
}

RECT RectInParent(HWND parent, HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
