#include "create_info_dialog.h"

#include "controls.h"
#include "create_info_text.h"
#include "help.h"
#include "help_topics.h"
#include "info_dialogs_ids.h"
#include "rich_edit.h"
#include "window_place.h"

#include <algorithm>
#include <cstring>

namespace {

// Room around the report and below the button, in pixels.
constexpr int kReportSlack = 8;
constexpr int kButtonGap = 8;
constexpr int kBottomMargin = 20;

// The rectangle moved, and cut where it is larger, to lie wholly in the area.
RECT KeepInside(RECT rect, const RECT& area)
{
    const LONG width = std::min(rect.right - rect.left, area.right - area.left);
    const LONG height = std::min(rect.bottom - rect.top, area.bottom - area.top);
    rect.left = std::max(area.left, std::min(rect.left, area.right - width));
    rect.top = std::max(area.top, std::min(rect.top, area.bottom - height));
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return rect;
}

// A move to where a window stands already still costs a round to the
// display under Wine (and, on a shown window, a repaint): a report laid out
// as the last one moves nothing. What a move uncovers is erased with the
// next paint, not while the build's handler is still running.
void MoveUnlessThere(HWND window, const RECT& now, const RECT& wanted, UINT flags = 0)
{
    if (EqualRect(&now, &wanted))
        return;
    SetWindowPos(window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 flags | SWP_NOZORDER | SWP_DEFERERASE);
}

}  // namespace

DlgCreateInfo::DlgCreateInfo(HWND owner) : Dialog(IDD_CREATE_INFO, owner) {}

Dialog::RouteTable DlgCreateInfo::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_INFO_CLOSE, &DlgCreateInfo::OnClose),
        OnMessage(WM_NCLBUTTONDOWN, &DlgCreateInfo::OnCaptionClick),
    };
    return Table(routes);
}

BOOL DlgCreateInfo::OnInitDialog()
{
    HWND report = Item(IDC_CREATE_INFO_REPORT);
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    SendMessageA(report, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HDC dc = GetDC(report);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, "ABCDEFG", 5, &extent);
    SelectObject(dc, oldFont);
    ReleaseDC(report, dc);
    lineHeight = extent.cy;
    fiveCharWidth = extent.cx;
    return TRUE;
}

void DlgCreateInfo::ShowResult(int resultKind, const char* title, const char* report)
{
    kind = resultKind;
    const XString laidOut = LayOutCreateReport(report);
    // The same report as the one shown (a build made again) is left as it
    // is: setting a rich edit's text lays it out anew, a cost the user waits for.
    if (std::strcmp(laidOut.Data(), shownReport.Data()) != 0) {
        RichEdit(Item(IDC_CREATE_INFO_REPORT)).SetText(laidOut.Data());
        shownReport = laidOut;
    }
    FitToReport(CountTextLines(laidOut.Data()));

    RECT titleRect;
    GetClientRect(Item(IDC_CREATE_INFO_TITLE), &titleRect);
    const int lineChars = fiveCharWidth > 0 ? titleRect.right / fiveCharWidth * 5 : 0;
    Control(Handle(), IDC_CREATE_INFO_TITLE).SetText(BreakCreateTitle(title, lineChars).Data());
    ShowWindow(Handle(), SW_SHOW);
}

void DlgCreateInfo::FitToReport(int reportLines)
{
    HWND report = Item(IDC_CREATE_INFO_REPORT);
    HWND close = Item(IDC_INFO_CLOSE);
    const RECT reportNow = PlaceInParent(report);
    RECT reportRect = reportNow;
    reportRect.bottom = reportRect.top + lineHeight * reportLines + kReportSlack;
    MoveUnlessThere(report, reportNow, reportRect);

    RECT window;
    RECT client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const RECT closeNow = PlaceInParent(close);
    const int closeWidth = closeNow.right - closeNow.left;
    const int closeHeight = closeNow.bottom - closeNow.top;
    RECT closeRect = {(client.right - closeWidth) / 2, reportRect.bottom + kButtonGap, 0, 0};
    closeRect.right = closeRect.left + closeWidth;
    closeRect.bottom = closeRect.top + closeHeight;
    MoveUnlessThere(close, closeNow, closeRect);

    const int frameHeight = (window.bottom - window.top) - client.bottom;
    const int width = window.right - window.left;
    const int height = reportRect.bottom + kButtonGap + closeHeight + kBottomMargin + frameHeight;
    RECT over;
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (!owner || !GetWindowRect(owner, &over))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
    RECT place = {over.left + (over.right - over.left - width) / 2, over.top + (over.bottom - over.top - height) / 2,
                  0, 0};
    place.right = place.left + width;
    place.bottom = place.top + height;
    // Centred over a small or high owner the report could leave the screen.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor))
        place = KeepInside(place, monitor.rcWork);
    MoveUnlessThere(Handle(), window, place, SWP_NOACTIVATE);
}

INT_PTR DlgCreateInfo::OnClose(WPARAM, LPARAM)
{
    ShowWindow(Handle(), SW_HIDE);
    return TRUE;
}

INT_PTR DlgCreateInfo::OnCaptionClick(WPARAM wParam, LPARAM)
{
    // The caption's "?" opens this result's page instead of the pointer mode.
    if (wParam != HTHELP)
        return FALSE;
    ShowHelpTopic(Handle(), kind == kExe ? kHelpCreatingExe : kHelpCreatingJar);
    return TRUE;
}
