#include "page_layout.h"

#include <commctrl.h>

SIZE SizeOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT InsetClient(HWND page, int inset)
{
    RECT area = {};
    GetClientRect(page, &area);
    InflateRect(&area, -inset, -inset);
    return area;
}

void PlaceAt(HWND child, const RECT& place)
{
    MoveWindow(child, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void PlaceTabbedPanes(HWND tabs, const RECT& place, const int* panes, int paneCount, int inset)
{
    PlaceAt(tabs, place);
    RECT first = {};
    SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const RECT inside = {place.left + inset, place.top + (first.bottom - first.top) + inset, place.right - inset,
                         place.bottom - inset};
    HWND page = GetParent(tabs);
    for (int i = 0; i < paneCount; ++i)
        PlaceAt(GetDlgItem(page, panes[i]), inside);
}

int WholeLinesHeight(HWND edit, int height)
{
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    RECT format = {};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    // Borders and the edit's own margins around its text.
    const int frame = SizeOf(edit).cy - (format.bottom - format.top);
    if (metrics.tmHeight <= 0 || height <= frame)
        return height;
    return frame + (height - frame) / metrics.tmHeight * metrics.tmHeight;
}
