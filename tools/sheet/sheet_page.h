#pragma once

#include "property_page.h"
#include "tool_settings.h"

class ZSheet;

// A page of a tool's sheet: the operations the sheet calls on every page.
// A page whose behaviour comes later is this with its template.
class ZSheetPage : public PropertyPage {
public:
    ZSheetPage(int templateId, ZSheet& owner) : PropertyPage(templateId), sheet(owner) {}

    virtual void LoadSettings(ZSettings& settings) { (void)settings; }
    virtual void SaveSettings(ZSettings& settings) { (void)settings; }
    // After the sheet has laid itself out.
    virtual void Layout() {}
    // A new payload has arrived.
    virtual void Reset() {}

protected:
    ZSheet& sheet;
};
