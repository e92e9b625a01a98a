#include "window_text.h"

#include "xbuffer.h"

namespace {

XString TextOfLength(LRESULT length, HWND hwnd, UINT getMessage, WPARAM index)
{
    XString text;
    XBuffer buffer;
    if (length <= 0 || !buffer.Resize(static_cast<int>(length) + 1))
        return text;
    buffer.Text()[0] = 0;
    if (getMessage)
        SendMessageA(hwnd, getMessage, index, reinterpret_cast<LPARAM>(buffer.Text()));
    else
        GetWindowTextA(hwnd, buffer.Text(), static_cast<int>(length) + 1);
    buffer.Text()[length] = 0;
    text.Assign(buffer.Text());
    return text;
}

}  // namespace

XString WindowText(HWND window)
{
    return TextOfLength(GetWindowTextLengthA(window), window, 0, 0);
}

XString ComboEntryText(HWND combo, int index)
{
    const WPARAM at = static_cast<WPARAM>(index);
    return TextOfLength(SendMessageA(combo, CB_GETLBTEXTLEN, at, 0), combo, CB_GETLBTEXT, at);
}

XString ListEntryText(HWND list, int index)
{
    const WPARAM at = static_cast<WPARAM>(index);
    return TextOfLength(SendMessageA(list, LB_GETTEXTLEN, at, 0), list, LB_GETTEXT, at);
}
