#include "property_page.h"

#include "app.h"

PROPSHEETPAGEA PropertyPage::Describe(DWORD flags) const
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = flags;
    page.hInstance = App::Instance();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pfnDlgProc = PageProcedure;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The page arrives inside the sheet's copy of its PROPSHEETPAGE.
    if (message == WM_INITDIALOG)
        lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    return Procedure(hwnd, message, wParam, lParam);
}

void PropertyPage::UpdateData(bool saving)
{
    DataExchange dx(Handle(), saving);
    Exchange(dx);
}

bool PropertyPage::OnKillActive()
{
    UpdateData(true);
    return true;
}

void PropertyPage::SetModified(bool changed) const
{
    SendMessageA(SheetHandle(), changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(Handle()), 0);
}

BOOL PropertyPage::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

bool PropertyPage::AnswerSheet(const NMHDR& header)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        SetMessageResult(OnSetActive() ? 0 : -1);
        return true;
    case PSN_KILLACTIVE:
        SetMessageResult(OnKillActive() ? FALSE : TRUE);
        return true;
    case PSN_APPLY:
        SetMessageResult(OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        return true;
    case PSN_RESET:
        OnReset();
        return true;
    case PSN_QUERYCANCEL:
        SetMessageResult(OnQueryCancel() ? FALSE : TRUE);
        return true;
    default:
        return false;
    }
}

INT_PTR PropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == SheetHandle() && AnswerSheet(*header))
            return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}
