#pragma once

#include <windows.h>
#include <commctrl.h>

#include "controls.h"

// A tab control: each method is the TCM_ message it sends.
class TabControl : public Control {
public:
    using Control::Control;

    int Insert(int index, const char* text) const
    {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text);
        return static_cast<int>(Send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    }
    int Count() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    int CurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    bool DeleteAll() const { return Send(TCM_DELETEALLITEMS) != 0; }
    // Window rectangle to display area (larger false), or back (true).
    void AdjustRect(bool larger, RECT& rect) const
    {
        Send(TCM_ADJUSTRECT, larger ? TRUE : FALSE, reinterpret_cast<LPARAM>(&rect));
    }
};
