#include "bitmap_button.h"

#include <commctrl.h>

#include "app.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

BitmapButton::~BitmapButton()
{
    Detach();
    for (HBITMAP& face : faces) {
        if (face)
            DeleteObject(face);
        face = nullptr;
    }
}

bool BitmapButton::Attach(HWND dialog, int id, int normalId, int pressedId, int focusedId, int disabledId)
{
    Detach();
    const int ids[kFaces] = {normalId, pressedId, focusedId, disabledId};
    for (int face = 0; face < kFaces; ++face) {
        if (faces[face])
            DeleteObject(faces[face]);
        faces[face] = ids[face] ? static_cast<HBITMAP>(LoadImageA(App::Instance(), MAKEINTRESOURCEA(ids[face]),
                                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))
                                : nullptr;
    }
    hwnd = GetDlgItem(dialog, id);
    if (!hwnd || !faces[kNormal])
        return false;
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    SetWindowLongPtrA(hwnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    SetWindowSubclass(hwnd, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    BITMAP size = {};
    GetObjectA(faces[kNormal], sizeof size, &size);
    SetWindowPos(hwnd, nullptr, 0, 0, size.bmWidth, size.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

void BitmapButton::Detach()
{
    if (hwnd && IsWindow(hwnd))
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
    hwnd = nullptr;
}

LRESULT CALLBACK BitmapButton::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR data)
{
    BitmapButton* self = reinterpret_cast<BitmapButton*>(data);
    if (message == kReflectedDrawItem) {
        self->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
        self->hwnd = nullptr;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void BitmapButton::Draw(const DRAWITEMSTRUCT& item) const
{
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    Face face = kNormal;
    if (disabled && faces[kDisabled])
        face = kDisabled;
    else if (!disabled && (item.itemState & ODS_SELECTED) && faces[kPressed])
        face = kPressed;
    else if (!disabled && (item.itemState & ODS_FOCUS) && faces[kFocused])
        face = kFocused;
    BITMAP size = {};
    GetObjectA(faces[face], sizeof size, &size);
    if (disabled && face == kNormal) {
        // Without a picture of its own, a disabled button shows its normal
        // one greyed, so it never looks as if a press would do something.
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        DrawStateA(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(faces[face]), 0, item.rcItem.left,
                   item.rcItem.top, size.bmWidth, size.bmHeight, DST_BITMAP | DSS_DISABLED);
        return;
    }
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(source, faces[face]);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}
