#include "link_label.h"

#include "link_cursor.h"
#include "seams.h"

namespace {
// One copy for every link label of the program, as a class keeps it.
HCURSOR SharedLinkCursor()
{
    static HCURSOR cursor = LoadLinkCursor();
    return cursor;
}
}  // namespace

LinkLabel::LinkLabel() : current(RGB(0, 0, 255)), normalColor(RGB(0, 0, 255)), hoverColor(RGB(255, 0, 0)) {}

LinkLabel::~LinkLabel()
{
    if (Handle())
        DestroyWindow(Handle());
}

void LinkLabel::SetColors(COLORREF normal, COLORREF hover)
{
    normalColor = normal;
    hoverColor = hover;
    current = normal;
}

void LinkLabel::DescribeClass(WNDCLASSEXA& windowClass) const
{
    windowClass.hCursor = SharedLinkCursor();
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
}

void LinkLabel::Paint(HDC dc)
{
    HFONT font = CreateFontA(-11, 0, 0, 0, 400, FALSE, TRUE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, 1, "MS Sans Serif");
    HGDIOBJ oldFont = SelectObject(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, current);
    RECT client;
    GetClientRect(Handle(), &client);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

void LinkLabel::Redraw(COLORREF colour)
{
    current = colour;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_MOUSEMOVE: {
        // The capture lets the label see the pointer leave.
        if (current != hoverColor) {
            Redraw(hoverColor);
            SetCapture(Handle());
        } else {
            const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            RECT client;
            GetClientRect(Handle(), &client);
            if (!PtInRect(&client, point)) {
                Redraw(normalColor);
                ReleaseCapture();
            }
        }
        break;
    }
    case WM_LBUTTONDOWN:
        seams::ShellOpen(nullptr, nullptr, target.empty() ? text.c_str() : target.c_str(), nullptr, nullptr, SW_SHOW);
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
