#pragma once

#include <windows.h>

#include "property_sheet.h"
#include "settings/settings_file.h"
#include "sheet_cp_pages.h"
#include "xstring.h"

// The class paths the main program hands to every Java run and to the
// other programs: System, User, Sibling and One-for-all pages, each with the
// uses its list counts for. Pages read the settings file when the sheet
// opens and write it on Apply; what was not applied is dropped on closing.
class SheetCp : public PropertySheet {
public:
    static constexpr int kPageCount = 4;

    SheetCp(const char* caption, HWND parent, int firstPage, const char* settingsPath);
    ~SheetCp() override;

    // The five For boxes of System, User and Sibling at once.
    void EnableForBoxes(bool enabled) const;
    void NoteActivePage(int index) { activePage = index; }
    HBRUSH WhiteBrush() const { return white; }
    HBRUSH FaceBrush() const { return face; }

    SheetCpPgSystem& SystemPage() { return system; }
    SheetCpPgUser& UserPage() { return user; }
    SheetCpPgSiblings& SiblingsPage() { return siblings; }
    SheetCpPgOneForAll& OneForAllPage() { return oneForAll; }
    const XString& SettingsPath() const { return settingsPath; }

protected:
    void OnInitSheet() override;
    LRESULT SheetMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CpPage& PageAt(int index);
    void Apply();

    XString settingsPath;
    HBRUSH white;
    HBRUSH face;
    SheetCpPgSystem system;
    SheetCpPgUser user;
    SheetCpPgSiblings siblings;
    SheetCpPgOneForAll oneForAll;
    int activePage = 0;
};
