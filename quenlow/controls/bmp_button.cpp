#include "bmp_button.h"

#include <commctrl.h>

namespace {
// Beside the bitmap button's own subclass.
constexpr UINT_PTR kRelaySubclassId = 2;
}  // namespace

BmpButton::~BmpButton()
{
    if (relayed && IsWindow(relayed))
        RemoveWindowSubclass(relayed, RelayProcedure, kRelaySubclassId);
}

bool BmpButton::Attach(HWND dialog, int id, int normalId, int pressedId, int focusedId, int disabledId)
{
    if (!BitmapButton::Attach(dialog, id, normalId, pressedId, focusedId, disabledId))
        return false;
    relayed = Handle();
    return SetWindowSubclass(relayed, RelayProcedure, kRelaySubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK BmpButton::RelayProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data)
{
    BmpButton* self = reinterpret_cast<BmpButton*>(data);
    if (message == WM_MOUSEMOVE && self->tooltip) {
        MSG move = {};
        move.hwnd = hwnd;
        move.message = WM_MOUSEMOVE;
        move.wParam = wParam;
        move.lParam = lParam;
        SendMessageA(self->tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, RelayProcedure, kRelaySubclassId);
        self->relayed = nullptr;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
