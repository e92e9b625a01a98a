#include "rich_edit.h"

#include <cstring>

int RichEdit::GetTextLength() const
{
    return static_cast<int>(Send(WM_GETTEXTLENGTH));
}

void RichEdit::SetSelection(int start, int end) const
{
    CHARRANGE range;
    range.cpMin = start;
    range.cpMax = end;
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichEdit::LimitText(int characters) const
{
    Send(EM_EXLIMITTEXT, 0, static_cast<LPARAM>(characters));
}

LRESULT RichEdit::StreamIn(WPARAM format, EDITSTREAM& stream) const
{
    return Send(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

int LoadRichEditLibrary()
{
    static HMODULE library = LoadLibraryA("riched20.dll");
    return library != nullptr;
}

DWORD CALLBACK RichEditStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* done)
{
    RichEditText* text = reinterpret_cast<RichEditText*>(cookie);
    const int left = text->length - text->offset;
    const int count = left < wanted ? left : static_cast<int>(wanted);
    if (count > 0)
        std::memcpy(buffer, text->data + text->offset, static_cast<size_t>(count));
    text->offset += count;
    *done = count;
    return 0;
}

namespace {

// A fresh, empty control in the pane's place: its parent, id, styles,
// rectangle, font, text limit, place among its siblings and focus.
HWND RenewPane(HWND pane)
{
    HWND parent = GetParent(pane);
    RECT place;
    GetWindowRect(pane, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    char className[64] = {};
    GetClassNameA(pane, className, sizeof className);
    HWND fresh = CreateWindowExA(static_cast<DWORD>(GetWindowLongPtrA(pane, GWL_EXSTYLE)), className, "",
                                 static_cast<DWORD>(GetWindowLongPtrA(pane, GWL_STYLE)), place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, parent,
                                 reinterpret_cast<HMENU>(GetWindowLongPtrA(pane, GWLP_ID)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(pane, GWLP_HINSTANCE)), nullptr);
    if (!fresh)
        return nullptr;
    SendMessageA(fresh, WM_SETFONT, static_cast<WPARAM>(SendMessageA(pane, WM_GETFONT, 0, 0)), FALSE);
    SendMessageA(fresh, EM_EXLIMITTEXT, 0, SendMessageA(pane, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(fresh, EM_SETEVENTMASK, 0, SendMessageA(pane, EM_GETEVENTMASK, 0, 0));
    SetWindowPos(fresh, pane, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool focused = GetFocus() == pane;
    // Freeing the long text takes time too: the old control goes hidden and
    // nameless now, and is destroyed once its thread is back in its loop.
    ShowWindow(pane, SW_HIDE);
    SetWindowLongPtrA(pane, GWLP_ID, 0);
    if (!PostMessageA(pane, WM_CLOSE, 0, 0))
        DestroyWindow(pane);
    if (focused)
        SetFocus(fresh);
    return fresh;
}

// The whole text at once, with the drawing held meanwhile when the control is
// shown: it is drawn once, not as it is laid out. (Released, the hold makes a
// hidden control visible: a hidden one is not held.)
void SetTextOnce(HWND pane, const char* text)
{
    const bool shown = (GetWindowLongPtrA(pane, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown)
        SendMessageA(pane, WM_SETREDRAW, FALSE, 0);
    RichEdit(pane).SetText(text);
    if (shown) {
        SendMessageA(pane, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(pane, nullptr, TRUE);
    }
}

}  // namespace

HWND RichEditReplaceAll(HWND pane, const char* text)
{
    constexpr int kPiece = 4096;
    RichEdit edit(pane);
    // The control takes long to drop a long text, at once or in pieces; a
    // fresh control in its place takes no time. Only the pane's own thread
    // can put one there.
    DWORD paneThread = GetWindowThreadProcessId(pane, nullptr);
    if (paneThread == GetCurrentThreadId() && edit.GetTextLength() > kPiece) {
        if (HWND fresh = RenewPane(pane)) {
            SetTextOnce(fresh, text);
            return fresh;
        }
    }
    // The end in the control's own positions, which count a paragraph end
    // once where the text length counts it twice.
    edit.SetSelection(0, -1);
    CHARRANGE all = {};
    SendMessageA(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&all));
    for (int end = all.cpMax; end > 0;) {
        const int start = end > kPiece ? end - kPiece : 0;
        edit.SetSelection(start, end);
        SendMessageA(pane, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        end = start;
    }
    SetTextOnce(pane, text);
    return pane;
}

void RichEditShowLastLines(HWND pane)
{
    auto lineTop = [pane](int line) {
        POINTL at = {};
        SendMessageA(pane, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), SendMessageA(pane, EM_LINEINDEX, line, 0));
        return static_cast<int>(at.y);
    };
    const int lines = static_cast<int>(SendMessageA(pane, EM_GETLINECOUNT, 0, 0));
    if (lines < 2)
        return;
    const int height = lineTop(1) - lineTop(0);
    if (height <= 0)
        return;
    // A view of whole lines: scrolled to its end, the control then shows a
    // line boundary at the top too.
    RECT format;
    SendMessageA(pane, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    RECT client;
    GetClientRect(pane, &client);
    const int wholeLines = (client.bottom - format.top) / height;
    if (wholeLines > 0 && format.bottom != format.top + wholeLines * height) {
        format.bottom = format.top + wholeLines * height;
        SendMessageA(pane, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
    }
    SendMessageA(pane, WM_VSCROLL, SB_BOTTOM, 0);
    // What the end of the text leaves over (spacing below it) goes at the bottom.
    const int first = static_cast<int>(SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0));
    const int cut = format.top - lineTop(first);
    if (cut > 0) {
        POINT scroll = {};
        SendMessageA(pane, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
        scroll.y += height - cut;
        SendMessageA(pane, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    }
}

void RichEditAppend(HWND pane, const char* text)
{
    const int length = XString::ClampLength(text, -1);
    if (length == 0)
        return;
    RichEdit edit(pane);
    // A place past any end, which the control takes as its end. A length read
    // first would go stale when another thread appends between the two
    // messages (and counts each paragraph end twice): the text would land
    // inside the other piece.
    constexpr int kPastAnyEnd = 0x7FFFFFFF;
    edit.SetSelection(kPastAnyEnd, kPastAnyEnd);
    RichEditText source = {text, length, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = RichEditStreamCallback;
    edit.StreamIn(SF_TEXT | SFF_SELECTION, stream);
}
