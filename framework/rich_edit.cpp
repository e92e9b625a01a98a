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

// Dropping this much text in place costs the control about as long as
// making a fresh one.
constexpr int kLongText = 4096;

// A fresh, empty control in the pane's place: its parent, id, styles,
// rectangle, text limit, event mask, options, default character format and
// place among its siblings. (WM_GETFONT gives no font back from a rich edit
// under Wine: its font lives in the character format.)
HWND FreshControlLike(HWND pane)
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
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(fresh, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageA(fresh, EM_EXLIMITTEXT, 0, SendMessageA(pane, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(fresh, EM_SETEVENTMASK, 0, SendMessageA(pane, EM_GETEVENTMASK, 0, 0));
    SendMessageA(fresh, EM_SETOPTIONS, ECOOP_SET, SendMessageA(pane, EM_GETOPTIONS, 0, 0));
    SetWindowPos(fresh, pane, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return fresh;
}

// The old control goes hidden and nameless now (GetDlgItem finds the fresh
// one), and is destroyed once its thread is back in its loop: freeing the
// long text takes time too.
void Retire(HWND old, HWND fresh)
{
    const bool focused = GetFocus() == old;
    ShowWindow(old, SW_HIDE);
    SetWindowLongPtrA(old, GWLP_ID, 0);
    if (!PostMessageA(old, WM_CLOSE, 0, 0))
        DestroyWindow(old);
    if (focused)
        SetFocus(fresh);
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

// An empty selection at the end, then the stream into it.
void StreamAtEnd(HWND pane, EDITSTREAMCALLBACK reader, DWORD_PTR cookie)
{
    RichEdit edit(pane);
    // A place past any end, which the control takes as its end. A length read
    // first would go stale when another thread appends between the two
    // messages (and counts each paragraph end twice): the text would land
    // inside the other piece.
    constexpr int kPastAnyEnd = 0x7FFFFFFF;
    edit.SetSelection(kPastAnyEnd, kPastAnyEnd);
    EDITSTREAM stream = {};
    stream.dwCookie = cookie;
    stream.pfnCallback = reader;
    edit.StreamIn(SF_TEXT | SFF_SELECTION, stream);
}

// An append to a pane, aimed at the control that was live when it was sent.
struct PaneAppend {
    RichEditText text;
    const RichEditPane* pane;
    HWND target;
    bool read;   // the control asked for the text
    bool stale;  // ... and it was no longer the live one
};

// Runs on the pane's thread, as the replacement does: the live control read
// here is the one the text must go to.
DWORD CALLBACK PaneAppendReader(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* done)
{
    PaneAppend* append = reinterpret_cast<PaneAppend*>(cookie);
    append->read = true;
    if (append->pane->Handle() != append->target) {
        append->stale = true;
        *done = 0;
        return 0;
    }
    return RichEditStreamCallback(reinterpret_cast<DWORD_PTR>(&append->text), buffer, wanted, done);
}

}  // namespace

void RichEditReplaceAll(HWND pane, const char* text)
{
    SetTextOnce(pane, text);
}

void RichEditPane::Attach(HWND control)
{
    InterlockedExchangePointer(LivePointer(), control);
}

void RichEditPane::AddSubclass(SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data)
{
    if (subclassCount < static_cast<int>(sizeof subclasses / sizeof *subclasses))
        subclasses[subclassCount++] = {procedure, id, data};
    SetWindowSubclass(Handle(), procedure, id, data);
}

void RichEditPane::ReplaceAll(const char* text)
{
    HWND pane = Handle();
    // Only the pane's own thread can put a control in its place.
    if (GetWindowThreadProcessId(pane, nullptr) == GetCurrentThreadId() && RichEdit(pane).GetTextLength() > kLongText) {
        if (HWND fresh = FreshControlLike(pane)) {
            SetTextOnce(fresh, text);
            for (int i = 0; i < subclassCount; ++i) {
                RemoveWindowSubclass(pane, subclasses[i].procedure, subclasses[i].id);
                SetWindowSubclass(fresh, subclasses[i].procedure, subclasses[i].id, subclasses[i].data);
            }
            // From here an append aimed at the old control goes to this one.
            InterlockedExchangePointer(LivePointer(), fresh);
            Retire(pane, fresh);
            return;
        }
    }
    SetTextOnce(pane, text);
}

void RichEditPane::Append(const char* text)
{
    const int length = XString::ClampLength(text, -1);
    if (length == 0)
        return;
    for (;;) {
        HWND target = Handle();
        if (!target)
            return;
        PaneAppend append = {{text, length, 0}, this, target, false, false};
        StreamAtEnd(target, PaneAppendReader, reinterpret_cast<DWORD_PTR>(&append));
        // Taken by the live control, or by none because the pane is gone.
        const bool replaced = append.stale || (!append.read && Handle() != target);
        if (!replaced)
            return;
    }
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
    RichEditText source = {text, length, 0};
    StreamAtEnd(pane, RichEditStreamCallback, reinterpret_cast<DWORD_PTR>(&source));
}
