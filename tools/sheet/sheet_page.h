#pragma once

#include "property_page.h"
#include "tool_settings.h"

class ZSheet;

// A page of a tool's sheet: the operations the sheet calls on every page.
// A page whose behaviour comes later is this with its template.
class ZSheetPage : public PropertyPage {
public:
    ZSheetPage(int templateId, ZSheet& owner) : PropertyPage(templateId), sheet(owner) {}

    // Settings load into the page's members, and into its controls once it
    // has them; a page without a window saves what it loaded.
    virtual void LoadSettings(ZSettings& settings) { (void)settings; }
    virtual void SaveSettings(ZSettings& settings) { (void)settings; }
    // After the sheet has laid itself out.
    virtual void Layout() {}
    // A new payload has arrived.
    virtual void Reset() {}
    // 1: the page's window is made when the sheet opens, before the settings
    // load and again after it (settings that only the controls can put
    // right). 0: the page is made when it is first shown, as the sheet does
    // by itself, so that opening costs only the pages in view.
    virtual int NeedsWindowAtStart() const { return 1; }

protected:
    // The first showing after the sheet's layout places the page and lays it out.
    bool OnSetActive() override;

    ZSheet& sheet;

private:
    friend class ZSheet;
    // Laid out by the sheet since its window was made.
    bool placed = false;
};
