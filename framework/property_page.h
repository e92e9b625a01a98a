#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "data_exchange.h"
#include "dialog.h"

// A page of a PropertySheet, from a dialog template whose caption is the tab
// text. The sheet creates the window; the object arrives through
// PROPSHEETPAGE.lParam, and the sheet's PSN_* notifications become members.
class PropertyPage : public Dialog {
public:
    explicit PropertyPage(int templateId) : Dialog(templateId) {}

    // What the sheet hands to PropertySheetA for this page.
    PROPSHEETPAGEA Describe(DWORD flags) const;

    // Runs Exchange in one direction: saving reads the controls.
    void UpdateData(bool saving);
    // Enables (or, with false, clears this page's claim on) the Apply button.
    void SetModified(bool changed = true) const;
    HWND SheetHandle() const { return GetParent(Handle()); }

protected:
    // The pairs of controls and members; dx says the direction.
    virtual void Exchange(DataExchange& dx) { (void)dx; }
    BOOL OnInitDialog() override;  // loads the members into the controls
    virtual bool OnSetActive() { return true; }                  // false refuses the page
    virtual bool OnKillActive();                                 // false keeps the page
    virtual bool OnApply() { return true; }                      // false keeps the sheet on this page
    virtual void OnReset() {}                                    // Cancel: the edits are dropped
    virtual bool OnQueryCancel() { return true; }                // false keeps the sheet open
    // The sheet's buttons, not the page's, end the sheet.
    void OnOK() override {}
    void OnCancel() override {}
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool AnswerSheet(const NMHDR& header);
};
