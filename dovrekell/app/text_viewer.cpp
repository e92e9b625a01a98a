#include "text_viewer.h"

#include <commctrl.h>

#include <vector>

#include "dovrekell_ids.h"
#include "file_view_text.h"
#include "popup_menu.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

// The whole file, or false when it can not be opened or read.
bool ReadWholeFile(const char* path, std::vector<unsigned char>& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

}  // namespace

bool TextViewer::Create(HWND parent, const RECT& place, int id)
{
    const DWORD style = WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_WANTRETURN | ES_AUTOHSCROLL |
                        ES_AUTOVSCROLL | ES_MULTILINE;
    // Whoever builds the view, its control's class is there.
    if (!LoadRichEditLibrary())
        return false;
    HWND hwnd = CreateWindowExA(0, RichEdit::kClassName, "", style, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return false;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    // Texts of any length: the control's default limit is 32767 characters.
    RichEdit(hwnd).LimitText(0x7FFFFFFF);
    pane.Attach(hwnd);
    pane.AddSubclass(SubclassProcedure, kSubclassId, 0);
    return true;
}

void TextViewer::ShowFile(const char* path, const char* extension)
{
    Show(true);
    std::vector<unsigned char> bytes;
    const bool read = ReadWholeFile(path, bytes);
    static const unsigned char kNone = 0;
    const FileViewText shown = TextForFile(path, extension, read ? (bytes.empty() ? &kNone : bytes.data()) : nullptr,
                                           bytes.size());
    SetText(shown.text.Data(), shown.text.Length(), shown.isError ? kRed : kBlack);
    SendMessageA(Handle(), EM_SETMODIFY, 0, 0);
}

void TextViewer::SetText(const char* text, int length, COLORREF colour)
{
    pane.ReplaceAll("");
    const RichEdit edit(pane.Handle());
    edit.SetSelection(0, 0);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC;
    format.crTextColor = colour;
    edit.Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    RichEditText source = {text, length, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = RichEditStreamCallback;
    edit.StreamIn(SF_TEXT | SFF_SELECTION, stream);
}

void TextViewer::ShowMenu(HWND viewer, POINT client)
{
    const RichEdit edit(viewer);
    PopupMenu menu;
    if (!menu.Load(IDR_EDIT_MENU))
        return;
    CHARRANGE selection = {};
    edit.Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    menu.Enable(ID_EDIT_COPY_TEXT, selection.cpMin != selection.cpMax);
    POINT screen = client;
    ClientToScreen(viewer, &screen);
    switch (menu.Track(viewer, screen)) {
    case ID_EDIT_COPY_TEXT:
        edit.Send(WM_COPY);
        break;
    case ID_EDIT_SELECT_ALL:
        edit.SetSelection(0, edit.GetTextLength());
        break;
    default:
        break;
    }
}

LRESULT CALLBACK TextViewer::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR)
{
    if (message == WM_RBUTTONDOWN) {
        const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ShowMenu(hwnd, at);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
