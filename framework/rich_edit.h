#pragma once

#include <windows.h>
#include <richedit.h>
#include <commctrl.h>

#include "controls.h"
#include "xstring.h"

// A rich edit control, a control value like the others: its text is read
// and set as every control's is; each further method is the message it sends.
class RichEdit : public Control {
public:
    // The window class, registered by LoadRichEditLibrary.
    static constexpr const char* kClassName = RICHEDIT_CLASSA;

    using Control::Control;

    int GetTextLength() const;                          // WM_GETTEXTLENGTH
    void SetSelection(int start, int end) const;        // EM_EXSETSEL
    void LimitText(int characters) const;               // EM_EXLIMITTEXT
    LRESULT StreamIn(WPARAM format, EDITSTREAM& stream) const;  // EM_STREAMIN
};

// Loads the library that registers RichEdit::kClassName; 0 when it is missing.
int LoadRichEditLibrary();

// Replaces all of a rich edit's text in place: the control stays, so any
// handle to it stays good. Dropping a long text takes the control long
// (quadratic in its lines under Wine): a pane that can hold a long text is a
// RichEditPane.
void RichEditReplaceAll(HWND pane, const char* text);

// A rich edit whose text can be long and is replaced whole: a run's output,
// a viewed file. Wine's rich edit takes seconds to drop a long text however
// it is asked to (a quarter second for 64 KB, over a minute for 512 KB), so
// a long text goes with its control: a fresh one takes its place. Whoever
// holds the pane reaches the live control through it, never through a handle
// kept from before. The fresh control gets the old one's id, styles, place,
// place among its siblings, focus, text limit, event mask, options and
// default character format (its font, however it was set), and every
// subclass added through the pane.
class RichEditPane {
public:
    RichEditPane() = default;
    RichEditPane(const RichEditPane&) = delete;
    RichEditPane& operator=(const RichEditPane&) = delete;

    void Attach(HWND control);
    // The live control.
    HWND Handle() const
    {
        return reinterpret_cast<HWND>(InterlockedCompareExchangePointer(LivePointer(), nullptr, nullptr));
    }
    // A subclass that stays on the pane when its control is replaced.
    void AddSubclass(SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
    // On the pane's own thread. A short old text is dropped in place.
    void ReplaceAll(const char* text);
    // At the end, from any thread: text appended while the pane's thread
    // replaces the control lands in the fresh one, never in the old.
    void Append(const char* text);

private:
    struct Subclass {
        SUBCLASSPROC procedure;
        UINT_PTR id;
        DWORD_PTR data;
    };
    void* volatile* LivePointer() const { return const_cast<void* volatile*>(&live); }
    void Renew();

    void* volatile live = nullptr;  // the HWND, written on the pane's thread only
    Subclass subclasses[4] = {};
    int subclassCount = 0;
};

// Scrolls so that the last line is in view and the top of the view is the
// top of a line: no line is cut at the top.
void RichEditShowLastLines(HWND pane);

// Appends text at the end of a rich edit: an empty selection at the end,
// then EM_STREAMIN of the text into that selection. An empty text is not
// streamed. Callable from any thread (the messages are sent to the pane's);
// a piece another thread appends meanwhile stays whole.
void RichEditAppend(HWND pane, const char* text);

// EM_STREAMIN's reader over a RichEditText cookie.
DWORD CALLBACK RichEditStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* done);

// What RichEditAppend streams: the text and how much of it was handed over.
struct RichEditText {
    const char* data;
    int length;
    int offset;
};
