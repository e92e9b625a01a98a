#pragma once

#include <windows.h>

#include "xstring.h"

// A rich edit's whole text put in a piece at a time from the message loop:
// laying out a long text takes the control tens of milliseconds, during
// which the window would answer nothing (a press of the page's buttons
// among them). Whatever reads, shows, scrolls or edits the control's text
// before the last piece (WM_GETTEXT from another process, a paint, a key)
// has the rest put in first, so it meets the whole text.
class ZLaterText {
public:
    ZLaterText() = default;
    ~ZLaterText();
    ZLaterText(const ZLaterText&) = delete;
    ZLaterText& operator=(const ZLaterText&) = delete;

    // Empties the pane and starts putting text in; the pieces are asked for
    // with `message` posted to `owner`, whose handler calls Continue. The
    // pane that holds the text is returned (a long old text goes with its
    // control, and a fresh one takes its place).
    HWND Start(HWND pane, const char* text, HWND owner, UINT message);
    // One more piece; the next is posted until the text is in.
    void Continue();
    // The rest at once.
    void Finish();
    bool Pending() const { return pane != nullptr && offset < text.Length(); }

private:
    static LRESULT CALLBACK PaneProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data);
    void Put(int length);
    void Watch(HWND control);
    void Unwatch();

    HWND pane = nullptr;
    HWND owner = nullptr;
    UINT message = 0;
    XString text;
    int offset = 0;
    bool putting = false;
};
