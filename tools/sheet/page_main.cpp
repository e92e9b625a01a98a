#include "page_main.h"

#include "controls.h"
#include "rich_edit.h"
#include "seams.h"
#include "sheet.h"
#include "tool_page_ids.h"
#include "window_place.h"

namespace {

constexpr int kInset = 8;
constexpr int kGap = 10;

}  // namespace

ZSheetPgMain::ZSheetPgMain(ZSheet& owner, ToolKind toolKind) : ZSheetPage(IDD_PAGE_MAIN, owner), kind(toolKind) {}

RouteTable ZSheetPgMain::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_MAIN_FIRST, &ZSheetPgMain::OnFirst),
        OnCommand(BN_CLICKED, IDC_MAIN_SECOND, &ZSheetPgMain::OnSecond),
        OnCommand(BN_CLICKED, IDC_MAIN_ERROR, &ZSheetPgMain::OnError),
    };
    return Table(routes);
}

BOOL ZSheetPgMain::OnInitDialog()
{
    reportPane.Attach(Item(IDC_MAIN_REPORT));
    SendMessageA(Item(IDC_MAIN_REPORT), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    if (kind == ToolKind::ExecuteDebug) {
        const RECT first = PlaceInParent(Item(IDC_MAIN_FIRST));
        MoveWindow(Item(IDC_MAIN_ERROR), first.left, first.top, first.right - first.left, first.bottom - first.top, TRUE);
    } else {
        ShowWindow(Item(IDC_MAIN_ERROR), SW_HIDE);
    }
    return ZSheetPage::OnInitDialog();
}

void ZSheetPgMain::Exchange(DataExchange& dx)
{
    dx.Check(IDC_MAIN_FILES_ONLY, filesOnly);
}

void ZSheetPgMain::LoadSettings(ZSettings& settings)
{
    filesOnly = settings.GetMainBools();
    UpdateData(false);
}

void ZSheetPgMain::SaveSettings(ZSettings& settings)
{
    UpdateData(true);
    settings.SetMainBools(filesOnly == BST_CHECKED);
}

void ZSheetPgMain::SetInsideInfo(const ZInsideInfo& info)
{
    // The check box as it stands now: a change shows with the next selection.
    const int only = Button(Item(IDC_MAIN_FILES_ONLY)).GetCheck() == BST_CHECKED;
    report.Start(reportPane, BuildReport(info, only, kind).Data());
    ShowButtons(VisibleMainButtons(info, kind, shown));
    if (kind == ToolKind::Compile)
        Layout();
}

void ZSheetPgMain::ShowButtons(const MainButtons& visible)
{
    shown = visible;
    ShowWindow(Item(IDC_MAIN_FIRST), shown.first ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_MAIN_SECOND), shown.second ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_MAIN_ERROR), shown.error ? SW_SHOW : SW_HIDE);
}

void ZSheetPgMain::Layout()
{
    HWND page = Handle();
    RECT area;
    GetClientRect(page, &area);
    InflateRect(&area, -kInset, -kInset);
    const RECT size = PlaceInParent(Item(kind == ToolKind::Compile ? IDC_MAIN_SECOND : IDC_MAIN_FIRST));
    const int w = size.right - size.left;
    const int h = size.bottom - size.top;
    const int top = area.bottom - h;
    auto place = [&](int id, int x, int y, int width, int height) { MoveWindow(Item(id), x, y, width, height, TRUE); };
    if (kind == ToolKind::ExecuteDebug) {
        place(IDC_MAIN_FIRST, area.left, top, w, h);
        place(IDC_MAIN_ERROR, area.left, top, w, h);
        place(IDC_MAIN_SECOND, area.left + w + kGap, top, w, h);
        const int checkTop = top - kGap - h;
        place(IDC_MAIN_FILES_ONLY, area.left, checkTop, area.right - area.left, h);
        place(IDC_MAIN_REPORT, area.left, area.top, area.right - area.left, checkTop - 2 - area.top);
    } else {
        place(IDC_MAIN_SECOND, area.left, top, w, h);
        place(IDC_MAIN_ERROR, area.left, top, w, h);
        place(IDC_MAIN_FIRST, area.left + w + kGap, top, w, h);
        const int checkLeft = area.left + 2 * w + 60;
        place(IDC_MAIN_FILES_ONLY, checkLeft, top, area.right - checkLeft, h);
        place(IDC_MAIN_REPORT, area.left, area.top, area.right - area.left, top - kGap - area.top);
    }
}

INT_PTR ZSheetPgMain::OnFirst(WPARAM, LPARAM)
{
    sheet.OnMainWork(1);
    return TRUE;
}

INT_PTR ZSheetPgMain::OnSecond(WPARAM, LPARAM)
{
    sheet.OnMainWork(0);
    return TRUE;
}

INT_PTR ZSheetPgMain::OnError(WPARAM, LPARAM)
{
    seams::ShowMessage(Handle(),
                       kind == ToolKind::Compile ? "Selections must contain Java files for compiling"
                                                 : "Please select class files and/or folders for compiling",
                       "Message", MB_OK);
    return TRUE;
}
