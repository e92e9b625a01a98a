#include "property_sheet.h"

#include "app.h"

namespace {

// The sheet being created: PropertySheetA's callback names only the window.
PropertySheet* creating = nullptr;

constexpr UINT_PTR kSubclassId = 1;

// The head of an extended dialog template, up to its style.
struct DLGTEMPLATEEX_STYLE {
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
};

}  // namespace

PropertySheet::PropertySheet(const char* text, HWND owner, int firstPage) : caption(text ? text : ""), parent(owner)
{
    header.dwSize = sizeof header;
    header.nStartPage = static_cast<UINT>(firstPage);
}

PropertySheet::~PropertySheet()
{
    if (hwnd && IsWindow(hwnd))
        DestroyWindow(hwnd);
}

void PropertySheet::AddPage(PropertyPage& page)
{
    pages.push_back(&page);
}

int PropertySheet::ActiveIndex() const
{
    HWND page = PropSheet_GetCurrentPageHwnd(hwnd);
    return page ? static_cast<int>(PropSheet_HwndToIndex(hwnd, page)) : -1;
}

bool PropertySheet::SetActivePage(int index) const
{
    return PropSheet_SetCurSel(hwnd, nullptr, index) != FALSE;
}

int CALLBACK PropertySheet::HeaderCallback(HWND sheet, UINT message, LPARAM lParam)
{
    // Made hidden: the first page and OnInitSheet lay out a window that is
    // not drawn yet, and DoModal shows it once, set up.
    if (message == PSCB_PRECREATE && lParam) {
        WORD* words = reinterpret_cast<WORD*>(lParam);
        DWORD* style = words[1] == 0xFFFF ? &reinterpret_cast<DLGTEMPLATEEX_STYLE*>(lParam)->style
                                          : &reinterpret_cast<DLGTEMPLATE*>(lParam)->style;
        *style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    // Subclassed as soon as the window exists, so the sheet sees the
    // messages of its first page's creation too.
    if (message == PSCB_INITIALIZED && creating)
        creating->Attach(sheet);
    return 0;
}

void PropertySheet::Attach(HWND sheet)
{
    hwnd = sheet;
    SetWindowSubclass(sheet, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void PropertySheet::Detach()
{
    RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
    hwnd = nullptr;
}

LRESULT CALLBACK PropertySheet::SubclassProcedure(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR data)
{
    PropertySheet* self = reinterpret_cast<PropertySheet*>(data);
    if (message == WM_NCDESTROY) {
        self->Detach();
        return DefSubclassProc(sheet, message, wParam, lParam);
    }
    return self->SheetMessage(message, wParam, lParam);
}

LRESULT PropertySheet::SheetMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    INT_PTR routed = 0;
    if (Dispatch(*this, Routes(), message, wParam, lParam, routed))
        return routed;
    return DefaultMessage(message, wParam, lParam);
}

LRESULT PropertySheet::DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

INT_PTR PropertySheet::DoModal()
{
    const DWORD pageFlags = (header.dwFlags & PSH_HASHELP) ? PSP_HASHELP : PSP_DEFAULT;
    std::vector<PROPSHEETPAGEA> descriptions;
    for (PropertyPage* page : pages)
        descriptions.push_back(page->Describe(pageFlags));
    header.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    header.hwndParent = parent;
    header.hInstance = App::Instance();
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.ppsp = descriptions.data();
    header.pfnCallback = HeaderCallback;

    creating = this;
    const INT_PTR created = PropertySheetA(&header);
    creating = nullptr;
    HWND sheet = reinterpret_cast<HWND>(created);
    if (!created || !IsWindow(sheet)) {  // -1 when it failed
        hwnd = nullptr;
        return -1;
    }
    if (!hwnd)
        Attach(sheet);

    OnInitSheet();
    if (hwnd && !IsWindowVisible(hwnd))
        ShowWindow(hwnd, SW_SHOWNORMAL);
    // OK and Cancel leave a modeless sheet without a current page.
    App::RunModalLoop(
        parent, [this] { return hwnd && PropSheet_GetCurrentPageHwnd(hwnd); },
        [this](MSG& msg) { return PropSheet_IsDialogMessage(hwnd, &msg) != FALSE; });
    const INT_PTR result = hwnd && PropSheet_GetResult(hwnd) > 0 ? IDOK : IDCANCEL;
    if (hwnd)
        DestroyWindow(hwnd);
    return result;
}
