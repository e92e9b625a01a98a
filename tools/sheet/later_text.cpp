#include "later_text.h"

#include <commctrl.h>
#include <richedit.h>

#include "rich_edit.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4C54;  // "LT"
// About twenty report lines: a piece takes the control a few milliseconds.
constexpr int kPiece = 2048;

// Messages that read, show, scroll or change the text: the edit messages,
// the rich edit's own, text, paint, keyboard, mouse and scrolling.
bool MeetsTheText(UINT message)
{
    return message == WM_GETTEXT || message == WM_GETTEXTLENGTH || message == WM_SETTEXT || message == WM_PAINT ||
           message == WM_PRINT || message == WM_PRINTCLIENT || message == WM_COPY || message == WM_CONTEXTMENU ||
           message == WM_HSCROLL || message == WM_VSCROLL || (message >= EM_GETSEL && message <= 0x00FF) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_USER && message < WM_USER + 0x200);
}

}  // namespace

ZLaterText::~ZLaterText()
{
    Unwatch();
}

HWND ZLaterText::Start(HWND control, const char* newText, HWND ownerWindow, UINT pieceMessage)
{
    Unwatch();
    // A long old text goes with its control: the pane may be a fresh one.
    pane = RichEditReplaceAll(control, "");
    owner = ownerWindow;
    message = pieceMessage;
    text.Assign(newText);
    offset = 0;
    if (Pending()) {
        Watch(pane);
        PostMessageA(owner, message, 0, 0);
    }
    return pane;
}

void ZLaterText::Continue()
{
    if (!Pending())
        return;
    // A piece ends at a line end, so each line is laid out once.
    int length = text.Length() - offset;
    if (length > kPiece) {
        length = kPiece;
        while (length < text.Length() - offset && text[offset + length - 1] != '\n')
            ++length;
    }
    Put(length);
    if (Pending())
        PostMessageA(owner, message, 0, 0);
}

void ZLaterText::Finish()
{
    if (Pending())
        Put(text.Length() - offset);
}

void ZLaterText::Put(int length)
{
    putting = true;
    const bool shown = (GetWindowLongPtrA(pane, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown)
        SendMessageA(pane, WM_SETREDRAW, FALSE, 0);
    const XString piece(text.Data() + offset, length);
    RichEditAppend(pane, piece.Data());
    offset += length;
    if (!Pending()) {
        // As the whole text set at once leaves it: the caret and the view at
        // the start.
        RichEdit(pane).SetSelection(0, 0);
        SendMessageA(pane, WM_VSCROLL, SB_TOP, 0);
        SendMessageA(pane, WM_HSCROLL, SB_LEFT, 0);
    }
    if (shown) {
        SendMessageA(pane, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(pane, nullptr, TRUE);
    }
    putting = false;
    if (!Pending()) {
        text.Assign("", 0);
        offset = 0;
    }
}

void ZLaterText::Watch(HWND control)
{
    SetWindowSubclass(control, PaneProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ZLaterText::Unwatch()
{
    if (pane && IsWindow(pane))
        RemoveWindowSubclass(pane, PaneProcedure, kSubclassId);
}

LRESULT CALLBACK ZLaterText::PaneProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data)
{
    ZLaterText* self = reinterpret_cast<ZLaterText*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, PaneProcedure, kSubclassId);
        if (self->pane == hwnd)
            self->pane = nullptr;
    } else if (!self->putting && self->pane == hwnd && self->Pending() && MeetsTheText(message)) {
        if (message == WM_SETTEXT) {
            // Replaced by someone else: nothing more of this text goes in.
            self->text.Assign("", 0);
            self->offset = 0;
        } else {
            self->Finish();
        }
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
