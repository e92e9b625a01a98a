// The Sibling page: paths relative to the folder of the program that runs,
// and whether that folder's own jar and zip files count.
#include "classpath_entries.h"
#include "classpath_sheet_ids.h"
#include "controls.h"
#include "controls_ids.h"
#include "help.h"
#include "help_topics.h"
#include "seams.h"
#include "settings/settings_file.h"
#include "sheet_cp.h"

SheetCpPgSiblings::SheetCpPgSiblings(SheetCp& sheet) : CpPage(sheet, IDD_CP_SIBLINGS, 2, kHelpCpSibling) {}

BOOL SheetCpPgSiblings::OnInitDialog()
{
    // The same arrow pictures as the File options lists; each button takes
    // its bitmap's size.
    addButton.Attach(Handle(), IDC_CP_SIBLING_ADD, IDB_UP, IDB_UP_PRESSED, IDB_UP_FOCUSED);
    removeButton.Attach(Handle(), IDC_CP_SIBLING_REMOVE, IDB_DOWN, IDB_DOWN_PRESSED, IDB_DOWN_FOCUSED);
    return CpPage::OnInitDialog();
}

PropertyPage::RouteTable SheetCpPgSiblings::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_CP_SIBLING_ADD, &SheetCpPgSiblings::OnAdd),
        OnCommand(BN_CLICKED, IDC_CP_SIBLING_REMOVE, &SheetCpPgSiblings::OnRemove),
    };
    return Table(routes);
}

INT_PTR SheetCpPgSiblings::OnAdd(WPARAM, LPARAM)
{
    Control edit(Handle(), IDC_CP_SIBLING_TEXT);
    const XString text = TrimWhiteSpace(edit.GetText());
    if (text.IsEmpty()) {
        seams::ShowMessage(Handle(), "Please input a sibling classpath", "Message", MB_OK);
        return TRUE;
    }
    if (!IsValidSiblingEntry(text.Data())) {
        if (seams::ShowMessage(Handle(), "Please input a sibling classpath\ndo you want to reference Help now?",
                               "Message", MB_YESNO) == IDYES)
            ShowHelpTopic(Handle(), kHelpCpSibling);
        return TRUE;
    }
    if (AcceptEntry(Handle(), text) && AddUnlessPresent(Item(IDC_CP_SIBLING_LIST), text.Data()))
        edit.SetText("");
    return TRUE;
}

INT_PTR SheetCpPgSiblings::OnRemove(WPARAM, LPARAM)
{
    ListBox list(Handle(), IDC_CP_SIBLING_LIST);
    if (list.GetCount() <= 0)
        return TRUE;
    const LRESULT selected = list.Send(LB_GETSELCOUNT);
    if (selected <= 0) {
        seams::ShowMessage(Handle(), "Please select a sibling classpath for removing", "Message", MB_OK);
        return TRUE;
    }
    // One entry taken out goes back into the field, to be mended and added again.
    XString single;
    if (selected == 1) {
        int index = -1;
        list.Send(LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&index));
        single = list.GetItemText(index);
    }
    DeleteSelectedEntries(list.Handle());
    if (selected == 1)
        Control(Handle(), IDC_CP_SIBLING_TEXT).SetText(single.Data());
    return TRUE;
}

void SheetCpPgSiblings::Load(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount] = {};
    settings.GetSiblingFlags(flags);
    SetCheckBoxes(Handle(), flags);
    settings.LoadSiblingList(Item(IDC_CP_SIBLING_LIST));
}

int SheetCpPgSiblings::Save(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount];
    ReadRecord(flags);
    int saved = settings.SetSiblingFlags(flags);
    saved &= settings.SaveSiblingList(Item(IDC_CP_SIBLING_LIST));
    return saved;
}
