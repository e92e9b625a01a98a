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

void RichEditReplaceAll(HWND pane, const char* text)
{
    constexpr int kPiece = 4096;
    RichEdit edit(pane);
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
    edit.SetText(text);
}

void RichEditAppend(HWND pane, const char* text)
{
    const int length = XString::ClampLength(text, -1);
    if (length == 0)
        return;
    RichEdit edit(pane);
    const int end = edit.GetTextLength();
    edit.SetSelection(end, end);
    RichEditText source = {text, length, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = RichEditStreamCallback;
    edit.StreamIn(SF_TEXT | SFF_SELECTION, stream);
}
