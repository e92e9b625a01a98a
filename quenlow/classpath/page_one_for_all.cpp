// The One-for-all page: its five For boxes, when chosen, stand for those of
// every other page.
#include "classpath_sheet_ids.h"
#include "help_topics.h"
#include "sheet_cp.h"

SheetCpPgOneForAll::SheetCpPgOneForAll(SheetCp& sheet) : CpPage(sheet, IDD_CP_ONE_FOR_ALL, 3, kHelpCpOneForAll) {}

PropertyPage::RouteTable SheetCpPgOneForAll::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_CP_ONE_FOR_ALL, &SheetCpPgOneForAll::OnOverrideClicked),
    };
    return Table(routes);
}

INT_PTR SheetCpPgOneForAll::OnOverrideClicked(WPARAM, LPARAM)
{
    ApplyOverride();
    return TRUE;
}

void SheetCpPgOneForAll::ApplyOverride() const
{
    const bool on = IsDlgButtonChecked(Handle(), IDC_CP_ONE_FOR_ALL) == BST_CHECKED;
    EnableForBoxes(on);
    sheet.EnableForBoxes(!on);
}

void SheetCpPgOneForAll::Load(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount] = {};
    settings.GetOneForAllFlags(flags);
    SetCheckBoxes(Handle(), flags);
    ApplyOverride();
}

int SheetCpPgOneForAll::Save(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount];
    ReadRecord(flags);
    return settings.SetOneForAllFlags(flags);
}
