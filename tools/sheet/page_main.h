#pragma once

#include "inside_info.h"
#include "later_text.h"
#include "main_report.h"
#include "sheet_page.h"

// The Main page of both tools: the report of what the main program handed
// over, and the buttons that start work on that selection.
class ZSheetPgMain : public ZSheetPage {
public:
    ZSheetPgMain(ZSheet& owner, ToolKind kind);

    void SetInsideInfo(const ZInsideInfo& info);
    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Layout() override;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    void Exchange(DataExchange& dx) override;

private:
    INT_PTR OnFirst(WPARAM, LPARAM);
    INT_PTR OnSecond(WPARAM, LPARAM);
    INT_PTR OnError(WPARAM, LPARAM);
    void ShowButtons(const MainButtons& shown);

    ToolKind kind;
    int filesOnly = 1;
    MainButtons shown = {1, 1, 0};
    // Laid out when first shown or read, so that opening, and a button
    // pressed at once, need not wait for it.
    ZLaterText report;
    RichEditPane reportPane;
};
