#include "command_button.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 2;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kEnabledText = RGB(0, 0, 255);
constexpr COLORREF kDisabledText = RGB(192, 192, 192);

void FillSolid(HDC dc, int x, int y, int width, int height, COLORREF colour)
{
    const RECT rect = {x, y, x + width, y + height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// A one-pixel frame: top and left in one colour, right and bottom in the other.
void Frame3d(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    FillSolid(dc, rect.left, rect.top, width - 1, 1, topLeft);
    FillSolid(dc, rect.left, rect.top, 1, height - 1, topLeft);
    FillSolid(dc, rect.right - 1, rect.top, 1, height, bottomRight);
    FillSolid(dc, rect.left, rect.bottom - 1, width, 1, bottomRight);
}

}  // namespace

ZCmdButton::~ZCmdButton()
{
    Detach();
}

bool ZCmdButton::Attach(HWND dialog, int id, CommandButtonListener* owner)
{
    Detach();
    hwnd = GetDlgItem(dialog, id);
    listener = owner;
    if (!hwnd)
        return false;
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    SetWindowLongPtrA(hwnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    SetWindowSubclass(hwnd, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

void ZCmdButton::Detach()
{
    if (hwnd && IsWindow(hwnd))
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
    hwnd = nullptr;
}

void ZCmdButton::Enable(bool on) const
{
    EnableWindow(hwnd, on ? TRUE : FALSE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK ZCmdButton::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data)
{
    ZCmdButton* self = reinterpret_cast<ZCmdButton*>(data);
    switch (message) {
    case kReflectedDrawItem:
        self->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->pressed = 1;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        // The command goes on the press, not on the release.
        if (IsWindowEnabled(hwnd) && self->listener) {
            char caption[128] = "";
            GetWindowTextA(hwnd, caption, sizeof caption);
            self->listener->OnCommandButton(caption);
        }
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->pressed = 0;
        if (GetCapture() == hwnd)
            ReleaseCapture();
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
        self->hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void ZCmdButton::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(dc, TRANSPARENT);
    RECT outer = item.rcItem;
    outer.right -= 1;
    outer.bottom -= 1;
    if (enabled && pressed)
        Frame3d(dc, outer, kBlack, kWhite);
    else
        Frame3d(dc, outer, kWhite, kBlack);
    RECT inside = item.rcItem;
    inside.left += 4;
    inside.top += 3;
    inside.right -= 4;
    inside.bottom -= 4;
    FillSolid(dc, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top, kWhite);
    char caption[128] = "";
    GetWindowTextA(hwnd, caption, sizeof caption);
    SetTextColor(dc, enabled ? kEnabledText : kDisabledText);
    RECT text = item.rcItem;
    DrawTextA(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}
