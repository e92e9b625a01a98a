#include "create_info_dialog.h"

#include "controls.h"
#include "create_info_text.h"
#include "help.h"
#include "info_dialogs_ids.h"
#include "rich_edit.h"

namespace {

// Room around the report and below the button, in pixels.
constexpr int kReportSlack = 8;
constexpr int kButtonGap = 8;
constexpr int kBottomMargin = 20;

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
    RichEdit(Item(IDC_CREATE_INFO_REPORT)).SetText(laidOut.Data());
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
    RECT reportRect = RectInParent(Handle(), report);
    reportRect.bottom = reportRect.top + lineHeight * reportLines + kReportSlack;
    SetWindowPos(report, nullptr, 0, 0, reportRect.right - reportRect.left, reportRect.bottom - reportRect.top,
                 SWP_NOMOVE | SWP_NOZORDER);

    RECT window;
    RECT client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const RECT closeRect = RectInParent(Handle(), close);
    const int closeWidth = closeRect.right - closeRect.left;
    const int closeHeight = closeRect.bottom - closeRect.top;
    SetWindowPos(close, nullptr, (client.right - closeWidth) / 2, reportRect.bottom + kButtonGap, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);

    const int frameHeight = (window.bottom - window.top) - client.bottom;
    const int width = window.right - window.left;
    const int height = reportRect.bottom + kButtonGap + closeHeight + kBottomMargin + frameHeight;
    RECT over;
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (!owner || !GetWindowRect(owner, &over))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
    SetWindowPos(Handle(), nullptr, over.left + (over.right - over.left - width) / 2,
                 over.top + (over.bottom - over.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
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
    ShowHelpTopic(Handle(), kind == kExe ? kExeHelpTopic : kJarHelpTopic);
    return TRUE;
}
