#pragma once

#include <windows.h>

#include "xstring.h"

// What a dialog sends back to the control that asked for owner drawing:
// WM_DRAWITEM reflected to the item's own window, same wParam and lParam.
constexpr UINT kReflectedDrawItem = WM_USER + 0x1C00 + WM_DRAWITEM;

// Thin control values: each holds the HWND and nothing else, and each method
// is the message it sends. The HWND stays reachable for direct Win32 calls.
class Control {
public:
    Control() = default;
    explicit Control(HWND window) : hwnd(window) {}
    Control(HWND dialog, int id) : hwnd(GetDlgItem(dialog, id)) {}

    HWND Handle() const { return hwnd; }
    bool IsValid() const { return hwnd != nullptr; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(hwnd, message, wParam, lParam);
    }

    XString GetText() const;
    void SetText(const char* text) const { SetWindowTextA(hwnd, text); }
    void Enable(bool enabled) const { EnableWindow(hwnd, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd) != FALSE; }
    void Show(bool visible) const { ShowWindow(hwnd, visible ? SW_SHOW : SW_HIDE); }

protected:
    HWND hwnd = nullptr;
};

class Button : public Control {
public:
    using Control::Control;
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    void Click() const { Send(BM_CLICK); }
};

class Edit : public Control {
public:
    using Control::Control;
    void SetLimit(int limit) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(limit)); }
    void SetSelection(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSelection(const char* text) const { Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text)); }
};

class ComboBox : public Control {
public:
    using Control::Control;
    int AddString(const char* text) const { return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char* text) const
    {
        return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const { return static_cast<int>(Send(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int FindStringExact(const char* text, int after = -1) const
    {
        return static_cast<int>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text)));
    }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    XString GetItemText(int index) const;
};

class ListBox : public Control {
public:
    using Control::Control;
    int AddString(const char* text) const { return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char* text) const
    {
        return static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const { return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    XString GetItemText(int index) const;
};

// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND parent, HWND child);
