#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "message_route.h"
#include "property_page.h"

// prsht.h names the A/W switch of PropertySheetA after our class; this code
// calls PropertySheetA by its own name.
#undef PropertySheet

// A property sheet run modally by our own loop: PropertySheetA creates it
// modeless, and the loop asks PropSheet_IsDialogMessage and then the App's
// filters, so modeless dialogs and accelerators keep working beside it. The
// sheet window is subclassed, so a sheet answers its own messages through
// its routes or SheetMessage (WM_COPYDATA, caption buttons, WM_SIZE).
class PropertySheet : public MessageTarget {
public:
    using RouteTable = ::RouteTable;

    explicit PropertySheet(const char* caption, HWND parent = nullptr, int firstPage = 0);
    virtual ~PropertySheet();
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;

    // Pages are members of the program's sheet; they show in the order added.
    void AddPage(PropertyPage& page);
    // Runs until the sheet has no current page (OK, Cancel, the close box):
    // IDOK when OK ended it, IDCANCEL otherwise, -1 when it did not open.
    INT_PTR DoModal();

    HWND Handle() const { return hwnd; }
    // Flags (PSH_NOAPPLYNOW, PSH_HASHELP, PSH_USEHICON with hIcon, ...) set
    // before DoModal; the framework adds the ones its loop needs.
    PROPSHEETHEADERA& Header() { return header; }
    int PageCount() const { return static_cast<int>(pages.size()); }
    PropertyPage& Page(int index) const { return *pages[static_cast<size_t>(index)]; }
    int ActiveIndex() const;
    bool SetActivePage(int index) const;
    HWND TabControl() const { return PropSheet_GetTabControl(hwnd); }

protected:
    // Once the sheet window and its first page exist, before the loop starts.
    virtual void OnInitSheet() {}
    virtual RouteTable Routes() const { return {nullptr, 0}; }
    // Routes first, then the sheet's own handling.
    virtual LRESULT SheetMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The sheet's own handling of a message, for handlers that add to it.
    LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static int CALLBACK HeaderCallback(HWND hwnd, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data);
    void Attach(HWND sheet);
    void Detach();

    std::string caption;
    HWND parent;
    PROPSHEETHEADERA header = {};
    std::vector<PropertyPage*> pages;
    HWND hwnd = nullptr;
};
