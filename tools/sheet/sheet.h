#pragma once

#include <vector>

#include "inside_info.h"
#include "page_main.h"
#include "property_sheet.h"
#include "sheet_page.h"
#include "tool_settings.h"

// The one window of each tool: a property sheet with minimise and maximise
// boxes, no OK or Apply button, Cancel captioned "Close", Help opening the
// tool's help page, its own layout, a painted double frame around the tabs,
// and a close guard that every way of closing goes through. Each tool
// derives its sheet, adds its pages and says what closing needs.
class ZSheet : public PropertySheet {
public:
    ZSheet(ToolKind kind, const char* payload);
    ~ZSheet() override;

    ToolKind Kind() const { return kind; }
    ZInsideInfo& Info() { return info; }
    ZSheetPgMain& MainPage() { return mainPage; }

    // A payload from the command line or from a second start.
    void ApplyInsideInfo(const char* payload);
    // 1 when the sheet may close; the tool's saving happens here or at
    // WM_DESTROY.
    virtual int CanClose() = 0;
    void Layout();
    // A page made after the sheet's layout: moved into the tab's area and laid
    // out. 0 while the sheet has not laid itself out.
    int PlacePage(ZSheetPage& page);

    // The slot a second start of this tool looks its window up in.
    static const char* SlotName(ToolKind kind);
    // The property that marks a sheet window as this tool's.
    static const char* const kToolProperty;

protected:
    // In the order the tabs show them, Main first.
    void AddToolPage(ZSheetPage& page);
    const std::vector<ZSheetPage*>& ToolPages() const { return toolPages; }

    // The pages a new payload resets, in order, and whether it resets them
    // before or after the payload is parsed.
    virtual void ResetPages() = 0;
    virtual int ResetBeforeParse() const = 0;
    // Stops every run and waits for its threads: the pages they write to are
    // about to go.
    virtual void EndRuns() = 0;
    // The caption every payload sets, and the help page below the root.
    virtual const char* Caption() const = 0;
    virtual const char* HelpPage() const = 0;

public:
    // The Main page's first (1) or second (0) work button.
    virtual void OnMainWork(int first) = 0;

protected:

    void LoadPages();
    void SavePages();
    // The pages whose windows must exist by now (NeedsWindowAtStart).
    void MakeNeededPages();

    void OnInitSheet() override;
    LRESULT SheetMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Close requests of every kind pass here once: 1 when closing goes on.
    bool GuardClose();
    // The tab control's display area in the sheet's client coordinates; 0
    // without a tab control.
    int PageArea(RECT& area);
    void PaintFrame();

    ToolKind kind;
    ZInsideInfo info;
    ZSheetPgMain mainPage;
    std::vector<ZSheetPage*> toolPages;
    HBRUSH brush;
    bool closeApproved = false;
    bool laidOut = false;
};

// The installation folder: the program's own path cut twice (the tools live
// in "<root>\bin"); empty when the path cannot be read.
XString ToolRootFolder();
