#pragma once

#include <windows.h>

#include "controls.h"

// An owner-drawn push button showing one of four bitmaps: normal, pressed,
// focused, disabled (a missing one falls back to normal). Its dialog
// reflects WM_DRAWITEM to it; the button's window is subclassed to answer.
// It owns its bitmaps, so it is an object of its dialog, not a passing value.
class BitmapButton : public Button {
public:
    BitmapButton() = default;
    ~BitmapButton();
    BitmapButton(const BitmapButton&) = delete;
    BitmapButton& operator=(const BitmapButton&) = delete;

    // Takes over the dialog's button id, made owner-drawn, with the bitmap
    // resources (0: none); the button is sized to the normal bitmap.
    bool Attach(HWND dialog, int id, int normalId, int pressedId, int focusedId, int disabledId);

private:
    enum Face { kNormal, kPressed, kFocused, kDisabled, kFaces };

    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data);
    void Draw(const DRAWITEMSTRUCT& item) const;
    void Detach();

    HBITMAP faces[kFaces] = {};
};
