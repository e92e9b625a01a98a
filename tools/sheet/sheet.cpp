#include "sheet.h"

#include <htmlhelp.h>

#include "paths/file_system.h"
#include "paths/path_text.h"
#include "app.h"
#include "controls.h"
#include "seams.h"
#include "single_instance.h"
#include "tool_page_ids.h"
#include "window_place.h"

namespace {

// red 160, green 216, blue 223
constexpr COLORREF kBackground = 0xDFD8A0;
constexpr int kHelpId = 9;
constexpr int kMargin = 8;
constexpr int kTabInset = 7;
constexpr int kButtonGap = 10;

}  // namespace

const char* const ZSheet::kToolProperty = "QuenlowToolSheet";

XString ToolRootFolder()
{
    const XString module = GetModulePath();
    return module.IsEmpty() ? XString() : PathDirectory(PathDirectory(module.Data()).Data());
}

const char* ZSheet::SlotName(ToolKind kind)
{
    // One slot per tool, so a compile request never reaches the
    // execute-and-debug tool's window and the reverse.
    return kind == ToolKind::Compile ? "farrowick_mapfile" : "skelbrand_mapfile";
}

ZSheet::ZSheet(ToolKind toolKind, const char* payload)
    : PropertySheet(payload), kind(toolKind), info(toolKind == ToolKind::Compile ? "java" : "class", ProbePath),
      mainPage(*this, toolKind), brush(CreateSolidBrush(kBackground))
{
    Header().dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP | PSH_USEHICON;
    Header().hIcon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TOOL), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    AddToolPage(mainPage);
}

ZSheet::~ZSheet()
{
    DeleteObject(brush);
    if (Header().hIcon)
        DestroyIcon(Header().hIcon);
}

void ZSheet::AddToolPage(ZSheetPage& page)
{
    toolPages.push_back(&page);
    AddPage(page);
}

void ZSheet::OnInitSheet()
{
    HWND sheet = Handle();
    SetWindowLongPtrA(sheet, GWL_STYLE, GetWindowLongPtrA(sheet, GWL_STYLE) | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    // The sheet gives its icon to the small slot only; the taskbar and
    // Alt+Tab take the big one.
    SendMessageA(sheet, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Header().hIcon));
    SendMessageA(sheet, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Header().hIcon));
    ShowWindow(GetDlgItem(sheet, IDOK), SW_HIDE);
    SetWindowTextA(GetDlgItem(sheet, IDCANCEL), "Close");
    SetPropA(sheet, kToolProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(kind == ToolKind::Compile ? 2 : 1)));
    single_instance::Publish(SlotName(kind), sheet);
    if (App* app = App::Current())
        app->SetMainWindow(sheet);

    // The pages that must have their windows for the layout and the loads
    // are made now; the others when they are first shown.
    MakeNeededPages();
    Layout();
    InvalidateRect(sheet, nullptr, TRUE);
    LoadPages();
    MakeNeededPages();

    const int length = GetWindowTextLengthA(sheet);
    std::vector<char> caption(static_cast<size_t>(length) + 1, 0);
    GetWindowTextA(sheet, caption.data(), length + 1);
    ApplyInsideInfo(caption.data());
}

void ZSheet::MakeNeededPages()
{
    bool made = false;
    int index = 0;
    for (ZSheetPage* page : toolPages) {
        // Showing a page makes its window.
        if (!page->Handle() && page->NeedsWindowAtStart()) {
            SetActivePage(index);
            made = true;
        }
        ++index;
    }
    if (made)
        SetActivePage(0);
}

void ZSheet::LoadPages()
{
    ZSettings settings(kind);
    if (!settings.Open())
        return;
    for (ZSheetPage* page : toolPages)
        page->LoadSettings(settings);
}

void ZSheet::SavePages()
{
    ZSettings settings(kind);
    if (!settings.OpenExisting())
        return;
    for (ZSheetPage* page : toolPages)
        page->SaveSettings(settings);
    // Once for every page: the sheet may be going, so the box has no owner.
    if (settings.LeftOut().Count() > 0)
        seams::ShowMessage(nullptr, LeftOutMessage(settings.LeftOut()).Data(), "Message", MB_OK | MB_ICONERROR);
}

void ZSheet::ApplyInsideInfo(const char* payload)
{
    // The payload may be the caption that is replaced next.
    const XString text(payload);
    SetWindowTextA(Handle(), Caption());
    SetActivePage(0);
    if (ResetBeforeParse())
        ResetPages();
    info.Parse(text.Data());
    if (!ResetBeforeParse())
        ResetPages();
    mainPage.SetInsideInfo(info);
}

int ZSheet::PageArea(RECT& area)
{
    HWND tabs = TabControl();
    if (!tabs || !IsWindow(tabs))
        return 0;
    area = PlaceInParent(tabs);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return 1;
}

int ZSheet::PlacePage(ZSheetPage& page)
{
    RECT area;
    if (!laidOut || !page.Handle() || !PageArea(area))
        return 0;
    MoveWindow(page.Handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    page.placed = true;
    page.Layout();
    return 1;
}

bool ZSheetPage::OnSetActive()
{
    if (!placed)
        sheet.PlacePage(*this);
    return true;
}

void ZSheet::Layout()
{
    HWND sheet = Handle();
    HWND tabs = TabControl();
    if (!tabs || !IsWindow(tabs))
        return;
    // Before the pages that the sheet makes at its start exist, there is
    // nothing to lay out yet; a page made later is placed when first shown.
    for (ZSheetPage* page : toolPages) {
        if (!page->Handle() && page->NeedsWindowAtStart())
            return;
    }
    laidOut = true;
    RECT area;
    GetClientRect(sheet, &area);
    InflateRect(&area, -kMargin, -kMargin);
    HWND help = GetDlgItem(sheet, kHelpId);
    HWND close = GetDlgItem(sheet, IDCANCEL);
    RECT button = {};
    GetWindowRect(help ? help : close, &button);
    const int width = button.right - button.left;
    const int height = button.bottom - button.top;

    RECT tab = {area.left, area.top, area.right, area.bottom - height - 6};
    InflateRect(&tab, -kTabInset, -kTabInset);
    MoveWindow(tabs, tab.left, tab.top, tab.right - tab.left, tab.bottom - tab.top, TRUE);
    RECT page = tab;
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    for (ZSheetPage* p : toolPages) {
        if (p->Handle())
            MoveWindow(p->Handle(), page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
    }
    const int helpLeft = page.right + 4 - width;
    if (help)
        MoveWindow(help, helpLeft, area.bottom - height, width, height, TRUE);
    MoveWindow(close, helpLeft - kButtonGap - width, area.bottom - height, width, height, TRUE);
    for (ZSheetPage* p : toolPages) {
        if (p->Handle()) {
            p->placed = true;
            p->Layout();
        }
    }
}

bool ZSheet::GuardClose()
{
    if (closeApproved)
        return true;
    if (!CanClose())
        return false;
    closeApproved = true;
    return true;
}

void ZSheet::PaintFrame()
{
    HWND tabs = TabControl();
    if (!tabs)
        return;
    const RECT frame = PlaceInParent(tabs);
    HDC dc = GetDC(Handle());
    HPEN dark = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN light = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    for (int grow = 2; grow <= 3; ++grow) {
        RECT r = frame;
        InflateRect(&r, grow, grow);
        // Top and left dark, bottom and right light: a sunken 3-D frame.
        HGDIOBJ old = SelectObject(dc, dark);
        MoveToEx(dc, r.left, r.bottom - 1, nullptr);
        LineTo(dc, r.left, r.top);
        LineTo(dc, r.right - 1, r.top);
        SelectObject(dc, light);
        LineTo(dc, r.right - 1, r.bottom - 1);
        LineTo(dc, r.left, r.bottom - 1);
        SelectObject(dc, old);
    }
    DeleteObject(dark);
    DeleteObject(light);
    ReleaseDC(Handle(), dc);
}

LRESULT ZSheet::SheetMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COPYDATA: {
        const COPYDATASTRUCT* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (record) {
            const XString payload = HandOverText(record->lpData, record->cbData);
            ApplyInsideInfo(payload.Data());
        }
        return TRUE;
    }
    case WM_SIZE: {
        // Maximised by the caption, a double click or the keyboard alike.
        const LRESULT result = DefaultMessage(message, wParam, lParam);
        if (wParam != SIZE_MINIMIZED) {
            Layout();
            InvalidateRect(Handle(), nullptr, TRUE);
        }
        return result;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kHelpId) {
            XString path = ToolRootFolder();
            path.Append(HelpPage());
            seams::OpenHelp(Handle(), path.Data(), HH_DISPLAY_TOPIC, 0);
            return 0;
        }
        // Enter: nothing in the execute-and-debug tool; in the compile tool
        // it ends the sheet, so it passes the close guard too.
        if (LOWORD(wParam) == IDOK && (kind == ToolKind::ExecuteDebug || !GuardClose()))
            return 0;
        if (LOWORD(wParam) == IDCANCEL && !GuardClose())
            return 0;
        break;
    case WM_SYSCOMMAND:
        // The caption's X, Alt+F4 and the system menu's Close.
        if ((wParam & 0xFFF0) == SC_CLOSE && !GuardClose())
            return 0;
        break;
    case WM_CLOSE:
        if (!GuardClose())
            return 0;
        break;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<LRESULT>(brush);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const LRESULT result = DefaultMessage(message, wParam, lParam);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return result;
    }
    case WM_PAINT: {
        const LRESULT result = DefaultMessage(message, wParam, lParam);
        PaintFrame();
        return result;
    }
    case WM_DESTROY:
        EndRuns();
        // The compile tool keeps its page settings when its window goes.
        if (kind == ToolKind::Compile)
            SavePages();
        RemovePropA(Handle(), kToolProperty);
        break;
    default:
        break;
    }
    return PropertySheet::SheetMessage(message, wParam, lParam);
}
