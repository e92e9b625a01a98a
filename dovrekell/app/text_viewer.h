#pragma once

#include <windows.h>

#include "rich_edit.h"

// The other-file view's rich edit: a file as text, a class file as its
// outline, or a message in red. A right button press offers Copy and Select
// all.
class TextViewer : public RichEdit {
public:
    using RichEdit::RichEdit;

    static constexpr COLORREF kRed = 0x0000FF;
    static constexpr COLORREF kBlack = 0;

    bool Create(HWND parent, const RECT& place, int id);
    void ShowFile(const char* path, const char* extension) const;
    void SetText(const char* text, int length, COLORREF colour) const;

private:
    void ShowMenu(POINT client) const;
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data);
};
