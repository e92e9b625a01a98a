#pragma once

#include <windows.h>

#include "rich_edit.h"

// The other-file view's rich edit: a file as text, a class file as its
// outline, or a message in red. A right button press offers Copy and Select
// all. A long text goes with its control (RichEditPane): the viewer is
// reached through this object only.
class TextViewer {
public:
    static constexpr COLORREF kRed = 0x0000FF;
    static constexpr COLORREF kBlack = 0;

    bool Create(HWND parent, const RECT& place, int id);
    void ShowFile(const char* path, const char* extension);
    void SetText(const char* text, int length, COLORREF colour);
    HWND Handle() const { return pane.Handle(); }
    bool IsValid() const { return Handle() != nullptr; }
    void Show(bool visible) const { ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE); }

private:
    static void ShowMenu(HWND viewer, POINT client);
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data);

    RichEditPane pane;
};
