#include "later_text.h"

#include <commctrl.h>
#include <richedit.h>

#include "rich_edit.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4C54;  // "LT"

// Messages that read, show, scroll or change the text: the edit messages,
// the rich edit's own, text, paint, printing, keyboard, mouse and scrolling.
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

void ZLaterText::Start(RichEditPane& control, const char* newText)
{
    Unwatch();
    pending = false;
    control.ReplaceAll("");
    pane = control.Handle();
    text.Assign(newText);
    if (text.IsEmpty())
        return;
    pending = true;
    SetWindowSubclass(pane, PaneProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ZLaterText::Finish()
{
    if (!Pending())
        return;
    pending = false;
    putting = true;
    // The whole text at once, drawn once (RichEditReplaceAll sets it with
    // the drawing held; the control is empty, so it stays).
    RichEditReplaceAll(pane, text.Data());
    putting = false;
    text.Assign("", 0);
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
            self->pending = false;
            self->text.Assign("", 0);
        } else {
            self->Finish();
        }
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
