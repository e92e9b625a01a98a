#pragma once

#include <windows.h>

#include "rich_edit.h"
#include "xstring.h"

// A rich edit's whole text, laid out only once something meets it: laying
// out a long text takes the control tens of milliseconds, which a pane that
// nobody has looked at yet need not cost (a report on a page left at once,
// a command on a tab not chosen). Whatever reads, shows, scrolls or edits
// the text (WM_GETTEXT from another process, a paint, a key, an edit
// message) has it put in first, so it meets the whole text. A text set by
// someone else meanwhile replaces the one waiting.
class ZLaterText {
public:
    ZLaterText() = default;
    ~ZLaterText();
    ZLaterText(const ZLaterText&) = delete;
    ZLaterText& operator=(const ZLaterText&) = delete;

    // Empties the pane and keeps the text for its control (a long old text
    // goes with the old control: the pane's live one is watched).
    void Start(RichEditPane& pane, const char* text);
    // The text put in now.
    void Finish();
    bool Pending() const { return pane != nullptr && pending; }

private:
    static LRESULT CALLBACK PaneProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data);
    void Unwatch();

    HWND pane = nullptr;
    XString text;
    bool pending = false;
    bool putting = false;
};
