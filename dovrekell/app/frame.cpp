#include "frame.h"

#include <commctrl.h>

#include <cstring>

#include "about_dialog.h"
#include "app.h"
#include "docs_options_dialog.h"
#include "dovrekell_ids.h"
#include "location_text.h"
#include "paths/path_text.h"
#include "seams.h"

namespace {

constexpr int kImageWidth = 22;
constexpr COLORREF kImageMask = RGB(255, 0, 255);
constexpr int kPanelWidth = 250;
constexpr int kIndicatorWidth = 40;

struct ToolbarButton {
    int command;
    BYTE style;
    int image;
    const char* text;
};

const ToolbarButton kButtons[] = {
    {ID_PAGE_BACK, BTNS_BUTTON, 0, "Back"},
    {ID_PAGE_FORWARD, BTNS_BUTTON, 1, "Forward"},
    {ID_PAGE_STOP, BTNS_BUTTON, 2, "Stop"},
    {ID_PAGE_REFRESH, BTNS_BUTTON, 3, "Refresh"},
    {ID_FONT_BUTTON, BTNS_DROPDOWN, 6, "Font"},
};

// The status bar's indicators after its message part: the key and its text.
struct Indicator {
    int key;
    const char* text;
};
const Indicator kIndicators[] = {{VK_CAPITAL, "CAP"}, {VK_NUMLOCK, "NUM"}, {VK_SCROLL, "SCRL"}};

bool IsPageCommand(UINT id)
{
    return id == ID_PAGE_STOP || id == ID_PAGE_REFRESH || id == ID_FONT_BUTTON ||
           (id >= ID_FONT_LARGEST && id <= ID_FONT_SMALLEST);
}

// The frame title: the first part of the document string.
XString AppTitle()
{
    char text[128] = {};
    LoadStringA(App::Instance(), IDR_MAINFRAME, text, sizeof text);
    if (char* end = std::strchr(text, '\n'))
        *end = 0;
    return XString(text);
}

int WindowHeight(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

ZFrm::ZFrm(ZDoc& shownDocument, HtmlBrowser& shownBrowser) : document(shownDocument), browser(shownBrowser) {}

ZFrm::~ZFrm()
{
    // The views go with the window; their objects must outlive it.
    if (Handle())
        DestroyWindow(Handle());
}

bool ZFrm::Create()
{
    const RECT place = {40, 40, 840, 640};
    if (!CreateFrame(IDR_MAINFRAME, AppTitle().Data(), place))
        return false;
    UpdateCaption();
    return true;
}

RouteTable ZFrm::Routes() const
{
    static const MessageRoute routes[] = {
        OnMenu(ID_FILE_EXIT, &ZFrm::OnExit),
        OnMenu(ID_VIEW_TOOLBAR, &ZFrm::OnViewToolbar),
        OnMenu(ID_VIEW_STATUS_BAR, &ZFrm::OnViewStatusBar),
        OnMenu(ID_PAGE_BACK, &ZFrm::OnBack),
        OnMenu(ID_PAGE_FORWARD, &ZFrm::OnForward),
        OnMenu(ID_PAGE_STOP, &ZFrm::OnStop),
        OnMenu(ID_PAGE_REFRESH, &ZFrm::OnRefresh),
        OnMenu(ID_FONT_LARGEST, &ZFrm::OnFont),
        OnMenu(ID_FONT_LARGE, &ZFrm::OnFont),
        OnMenu(ID_FONT_MEDIUM, &ZFrm::OnFont),
        OnMenu(ID_FONT_SMALL, &ZFrm::OnFont),
        OnMenu(ID_FONT_SMALLEST, &ZFrm::OnFont),
        OnMenu(ID_FONT_BUTTON, &ZFrm::OnFontButton),
        OnMenu(ID_HELP_CONTENTS, &ZFrm::OnHelpContents),
        OnMenu(ID_HELP_DOCS_LOCATION, &ZFrm::OnDocsLocation),
        OnMenu(ID_HELP_ABOUT, &ZFrm::OnAbout),
        OnMenu(ID_PAGE_FIND, &ZFrm::OnFind),
        OnMenu(ID_OPTIONS_SETTING, &ZFrm::OnOptions),
        OnNotify(TBN_DROPDOWN, IDW_TOOLBAR, &ZFrm::OnDropDown),
        OnMessage(WM_CLOSE, &ZFrm::OnClose),
        OnMessage(WM_TIMER, &ZFrm::OnTimer),
        OnMessage(WM_DESTROY, &ZFrm::OnDestroy),
    };
    return Table(routes);
}

LRESULT ZFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (!OnCreate() || !OnCreateClient())
            return -1;
        return 0;
    case WM_SIZE: {
        const LRESULT result = FrameWindow::HandleMessage(message, wParam, lParam);
        if (innerSplitter.Handle())
            ShowRightView(htmlShown, true);
        return result;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_ACTIVATE:
        UpdateIndicators();
        break;
    default:
        break;
    }
    return FrameWindow::HandleMessage(message, wParam, lParam);
}

bool ZFrm::OnCreate()
{
    if (!reBar.Create(Handle(), IDW_REBAR, RBS_BANDBORDERS))
        return false;
    // Made with the frame as parent, so its notifications come to the frame.
    if (!toolBar.Create(Handle(), IDW_TOOLBAR,
                        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS |
                            CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN))
        return false;
    toolBar.SetButtonWidth(50, 150);
    toolBar.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    toolBar.SetHotImageList(LoadImageStrip(IDB_TOOLBAR_HOT, kImageWidth, kImageMask));
    toolBar.SetImageList(LoadImageStrip(IDB_TOOLBAR, kImageWidth, kImageMask));
    for (const ToolbarButton& button : kButtons) {
        if (!toolBar.AddButton(button.command, button.image, button.style, button.text))
            return false;
    }
    const RECT first = toolBar.ItemRect(0);
    const int buttonWidth = first.right - first.left;
    const int buttonHeight = first.bottom - first.top;
    toolBar.SetButtonSize(buttonWidth, buttonHeight);
    toolBar.SetBitmapSize(30, 20);
    if (!reBar.AddBand(toolBar.Handle(), RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP, buttonWidth, buttonHeight,
                       7 * buttonWidth))
        return false;

    if (!statusBar.Create(Handle(), IDW_STATUS_BAR))
        return false;
    const int widths[] = {0, kIndicatorWidth, kIndicatorWidth, kIndicatorWidth};
    statusBar.SetPartWidths(widths, 4);
    statusBar.SetPartText(0, "Ready");
    UpdateIndicators();
    return true;
}

bool ZFrm::OnCreateClient()
{
    RECT client;
    GetClientRect(Handle(), &client);
    if (!outerSplitter.CreateStatic(Handle(), IDW_PANE_FIRST, client))
        return false;
    formView.reset(new ZViewForm(outerSplitter.Handle(), *this));
    if (!formView->CreateView(outerSplitter.PaneId(0, 0)))
        return false;
    outerSplitter.SetPane(0, 0, formView->Handle());
    outerSplitter.SetColumnInfo(0, kPanelWidth, 0);

    const RECT none = {0, 0, 0, 0};
    if (!innerSplitter.CreateStatic(outerSplitter.Handle(), outerSplitter.PaneId(0, 1), none))
        return false;
    outerSplitter.SetPane(0, 1, innerSplitter.Handle());
    htmlView.reset(new ZViewHtml(*this, browser));
    const RECT tall = {0, 0, 0, 1000};
    if (!htmlView->Create(innerSplitter.Handle(), innerSplitter.PaneId(0, 0), tall))
        return false;
    innerSplitter.SetPane(0, 0, htmlView->Window());
    innerSplitter.SetRowInfo(0, 1000, 0);
    otherView.reset(new ZViewOther);
    if (!otherView->Create(innerSplitter.Handle(), none, innerSplitter.PaneId(1, 0)))
        return false;
    innerSplitter.SetPane(1, 0, otherView->Handle());

    SetView(outerSplitter.Handle());
    return true;
}

void ZFrm::ShowRightView(bool showHtml, bool force)
{
    if (!force && showHtml == htmlShown)
        return;
    htmlShown = showHtml;
    RECT inner;
    GetClientRect(innerSplitter.Handle(), &inner);
    const int height = showHtml ? inner.bottom : 0;
    innerSplitter.SetRowInfo(0, height, height);
    innerSplitter.RecalcLayout();
    UpdateToolbarStates();
}

bool ZFrm::HtmlIsTaller() const
{
    return WindowHeight(otherView->Handle()) < WindowHeight(htmlView->Window());
}

XString ZFrm::GetCurrentLocation() const
{
    return HtmlIsTaller() ? htmlView->GetLocation() : otherView->Path();
}

void ZFrm::OpenLocation(const char* location, bool addToHistory)
{
    document.SetPathName(location);
    UpdateCaption();
    if (addToHistory)
        history.Add(location);
    const bool html = IsHtmlLocation(location) != 0;
    ShowRightView(html, false);
    if (html) {
        htmlView->NavigateTo(location);
        SetFocus(htmlView->Window());
    } else {
        otherView->ShowFile(location, PathExtension(location).Data());
        SetFocus(otherView->Handle());
    }
}

void ZFrm::RecordNavigation(const char* location)
{
    document.SetPathName(location);
    UpdateCaption();
    history.Add(location);
}

void ZFrm::UpdateCaption()
{
    SetWindowTextA(Handle(), document.Caption(AppTitle().Data()).Data());
}

void ZFrm::UpdateIndicators()
{
    if (!statusBar.IsValid())
        return;
    for (int i = 0; i < 3; ++i) {
        const bool on = (GetKeyState(kIndicators[i].key) & 1) != 0;
        statusBar.SetPartText(i + 1, on ? kIndicators[i].text : "");
    }
}

bool ZFrm::IsCommandEnabled(UINT id)
{
    if (IsPageCommand(id))
        return htmlView && HtmlIsTaller();
    if (id == ID_PAGE_FIND)
        return htmlView && HtmlIsTaller();
    // No reload while the documentation worker runs.
    if (id == ID_OPTIONS_SETTING)
        return formView && !formView->busy;
    return true;
}

bool ZFrm::IsCommandChecked(UINT id)
{
    if (id == ID_VIEW_TOOLBAR)
        return IsBarShown(reBar.Handle());
    if (id == ID_VIEW_STATUS_BAR)
        return IsBarShown(statusBar.Handle());
    return false;
}

INT_PTR ZFrm::OnFind(WPARAM, LPARAM)
{
    if (FindTextDialog* dialog = htmlView ? htmlView->FindDialog() : nullptr)
        dialog->Show();
    return 0;
}

INT_PTR ZFrm::OnOptions(WPARAM, LPARAM)
{
    DocsOptionsDialog dialog(Handle(), *formView);
    dialog.DoModal();
    return 0;
}

INT_PTR ZFrm::OnExit(WPARAM, LPARAM)
{
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

INT_PTR ZFrm::OnViewToolbar(WPARAM, LPARAM)
{
    ShowBar(reBar.Handle(), !IsBarShown(reBar.Handle()));
    return 0;
}

INT_PTR ZFrm::OnViewStatusBar(WPARAM, LPARAM)
{
    ShowBar(statusBar.Handle(), !IsBarShown(statusBar.Handle()));
    return 0;
}

INT_PTR ZFrm::OnBack(WPARAM, LPARAM)
{
    XString location;
    if (history.Back(location))
        OpenLocation(location.Data(), false);
    return 0;
}

INT_PTR ZFrm::OnForward(WPARAM, LPARAM)
{
    XString location;
    if (history.Forward(location))
        OpenLocation(location.Data(), false);
    return 0;
}

INT_PTR ZFrm::OnStop(WPARAM, LPARAM)
{
    htmlView->Stop();
    return 0;
}

INT_PTR ZFrm::OnRefresh(WPARAM, LPARAM)
{
    htmlView->Refresh();
    return 0;
}

INT_PTR ZFrm::OnFont(WPARAM wParam, LPARAM)
{
    // Largest (the first command) is level 4, smallest level 0.
    htmlView->SetZoom(ID_FONT_SMALLEST - LOWORD(wParam));
    return 0;
}

INT_PTR ZFrm::OnFontButton(WPARAM, LPARAM)
{
    return 0;  // the button's arrow opens the menu
}

INT_PTR ZFrm::OnHelpContents(WPARAM, LPARAM)
{
    OpenHelpPage(Handle(), "about\\about.htm");
    return 0;
}

INT_PTR ZFrm::OnDocsLocation(WPARAM, LPARAM)
{
    seams::ShowMessage(Handle(), DocsLocationMessage(formView->groups.DocsFolder().Data()).Data(), "Message", MB_OK);
    return 0;
}

INT_PTR ZFrm::OnAbout(WPARAM, LPARAM)
{
    AboutDialog about(Handle());
    about.DoModal();
    return 0;
}

INT_PTR ZFrm::OnDropDown(WPARAM, LPARAM lParam)
{
    const NMTOOLBARA* pressed = reinterpret_cast<const NMTOOLBARA*>(lParam);
    RECT button = toolBar.CommandRect(pressed->iItem);
    POINT corner = {button.left, button.bottom};
    ClientToScreen(toolBar.Handle(), &corner);
    if (pressed->iItem == ID_FONT_BUTTON) {
        HMENU menu = LoadMenuA(App::Instance(), MAKEINTRESOURCEA(IDR_FONT_MENU));
        if (menu) {
            seams::TrackPopup(GetSubMenu(menu, 0), 0, corner.x, corner.y + 1, Handle());
            DestroyMenu(menu);
        }
    }
    return 0;
}

INT_PTR ZFrm::OnClose(WPARAM, LPARAM)
{
    if (formView && formView->busy) {
        // The worker stops at its next check; the timer comes back until it has.
        formView->keepRunning = 0;
        SetTimer(Handle(), kCloseTimer, kClosePeriodMs, nullptr);
        return 0;
    }
    KillTimer(Handle(), kCloseTimer);
    if (formView)
        formView->online.Stop();
    DestroyWindow(Handle());
    return 0;
}

INT_PTR ZFrm::OnTimer(WPARAM wParam, LPARAM lParam)
{
    if (wParam == kCloseTimer && formView && !formView->busy)
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return DefWindowProcA(Handle(), WM_TIMER, wParam, lParam);
}

INT_PTR ZFrm::OnDestroy(WPARAM, LPARAM)
{
    PostQuitMessage(0);
    return 0;
}
