#include "run_page.h"

#include <commctrl.h>

#include <initializer_list>

#include "rich_edit.h"
#include "tool_page_ids.h"

namespace {

// A long run must not be cut at the rich edit's default 32767 characters.
constexpr int kPaneLimit = 16 * 1024 * 1024;

}  // namespace

ZRunPage::ZRunPage(int templateId, ZSheet& owner, Ids pageIds) : ZSheetPage(templateId, owner), ids(pageIds), runner(this)
{
}

ZRunPage::~ZRunPage()
{
    EndRun();
}

void ZRunPage::EndRun()
{
    if (!runner.IsBusy())
        return;
    runner.Stop();
    runner.Wait(INFINITE);
}

BOOL ZRunPage::OnInitDialog()
{
    for (int id : {IDC_RUN_OUT_PANE, IDC_RUN_ERR_PANE, IDC_RUN_COMMAND_PANE}) {
        RichEdit(Item(id)).LimitText(kPaneLimit);
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    }
    outPane.Attach(Item(IDC_RUN_OUT_PANE));
    errPane.Attach(Item(IDC_RUN_ERR_PANE));
    commandPane.Attach(Item(IDC_RUN_COMMAND_PANE));
    outPane.MeasureLineHeight();
    errPane.MeasureLineHeight();
    if (ids.stop)
        EnableWindow(Item(ids.stop), FALSE);
    return ZSheetPage::OnInitDialog();
}

void ZRunPage::ClearPanes()
{
    AppendPaneText(outPane, "", 0);
    AppendPaneText(errPane, "", 0);
    commandPane.ReplaceAll("");
}

void ZRunPage::EnableRunControls(int on)
{
    if (ids.stop)
        EnableWindow(Item(ids.stop), on ? TRUE : FALSE);
}

void ZRunPage::SetStatus(const char* text)
{
    if (ids.status)
        SetWindowTextA(Item(ids.status), text);
}

void ZRunPage::InsertPaneTabs(const int (&panes)[3], const char* const (&names)[3])
{
    tabPanes = panes;
    HWND tabs = Item(IDC_RUN_TABS);
    for (int i = 0; i < 3; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(names[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void ZRunPage::ShowSelectedPane()
{
    if (!tabPanes)
        return;
    const int tab = static_cast<int>(SendMessageA(Item(IDC_RUN_TABS), TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < 3; ++i)
        ShowWindow(Item(tabPanes[i]), i == tab ? SW_SHOW : SW_HIDE);
}
