#pragma once

#include <windows.h>

#include "bitmap_button.h"

// A bitmap button whose tooltip follows the mouse: it hands each mouse move
// to its owner's tooltip control before the button sees it.
class BmpButton : public BitmapButton {
public:
    BmpButton() = default;
    ~BmpButton();

    bool Attach(HWND dialog, int id, int normalId, int pressedId, int focusedId, int disabledId = 0);
    void SetTooltip(HWND ownerTooltip) { tooltip = ownerTooltip; }

private:
    static LRESULT CALLBACK RelayProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR data);

    HWND tooltip = nullptr;
    HWND relayed = nullptr;
};
