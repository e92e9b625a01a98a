#include "output_pane.h"

#include <richedit.h>

#include "rich_edit.h"

namespace {

int CharacterTop(HWND pane, int index)
{
    // The rich edit's form of EM_POSFROMCHAR: a POINTL filled for the index.
    POINTL point = {};
    SendMessageA(pane, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), index);
    return static_cast<int>(point.y);
}

}  // namespace

void ZOutputPane::MeasureLineHeight()
{
    HWND pane = Handle();
    SetWindowTextA(pane, "123456789\n123456789\n123456789\n");
    // Characters 15 and 25 stand on the second and the third line.
    lineHeight = CharacterTop(pane, 25) - CharacterTop(pane, 15);
    if (lineHeight < 0)
        lineHeight = 0;
    SetWindowTextA(pane, "");
}

void ZOutputPane::ScrollToEnd()
{
    if (lineHeight <= 0)
        return;
    HWND pane = Handle();
    RECT client = {};
    GetClientRect(pane, &client);
    const int lines = static_cast<int>(SendMessageA(pane, EM_GETLINECOUNT, 0, 0));
    const int first = static_cast<int>(SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0));
    const int visible = (client.bottom - client.top) / lineHeight;
    const int spare = first + visible - lines - 1;
    if (spare < 0)
        SendMessageA(pane, EM_LINESCROLL, 0, -spare);
}

void AppendPaneText(ZOutputPane& pane, const char* text, int append)
{
    if (append)
        pane.Pane().Append(text);
    else
        pane.Pane().ReplaceAll(text);
    pane.ScrollToEnd();
}
