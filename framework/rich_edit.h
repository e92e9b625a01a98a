#pragma once

#include <windows.h>
#include <richedit.h>

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

// Replaces all of a rich edit's text. Called on the pane's own thread, a
// long text goes with the control: a fresh one takes its place (same id,
// styles, place, font and limit), which is returned; elsewhere it goes in
// pieces from its end. Returns the pane that holds the text.
HWND RichEditReplaceAll(HWND pane, const char* text);

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
