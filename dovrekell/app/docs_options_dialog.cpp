#include "docs_options_dialog.h"

#include <commctrl.h>

#include <cstdio>

#include "browse_folder.h"
#include "controls.h"
#include "docs_options.h"
#include "dovrekell_ids.h"
#include "frame.h"
#include "help_settings.h"
#include "help_settings_controls.h"
#include "seams.h"
#include "text_rules.h"
#include "view_form.h"
#include "win32_folder_walk.h"

namespace {

constexpr int kProgressTop = 500;
constexpr char kFind[] = "Find";
constexpr char kUpdate[] = "Update";

void SetFoundText(HWND dialog, int count)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d  JDK docs are found", count);
    SetDlgItemTextA(dialog, IDC_OPT_RESULT, text);
}

// The folder at the top of the list, selected: an entry equal to it (any
// case) moves up, a new one is inserted.
void FolderOnTop(const ComboBox& folders, const char* folder)
{
    for (int i = 0; i < folders.GetCount(); ++i) {
        if (EqualsIgnoringCase(folders.GetItemText(i).Data(), folder)) {
            if (i == 0) {
                folders.SetCurSel(0);
                return;
            }
            folders.DeleteString(i);
            break;
        }
    }
    folders.InsertString(0, folder);
    folders.SetCurSel(0);
}

}  // namespace

std::vector<XString> FixedDriveRoots()
{
    char buffer[2040] = {};
    std::vector<XString> roots;
    const DWORD length = GetLogicalDriveStringsA(sizeof buffer, buffer);
    if (length == 0 || length > sizeof buffer)
        return roots;
    for (const char* root = buffer; *root; root += lstrlenA(root) + 1) {
        if (GetDriveTypeA(root) == DRIVE_FIXED)
            roots.emplace_back(root);
    }
    return roots;
}

DocsOptionsDialog::DocsOptionsDialog(HWND parent, ZViewForm& panel)
    : Dialog(IDD_DOCS_OPTIONS, parent), driveRoots(FixedDriveRoots()), panel(panel)
{
}

DocsOptionsDialog::RouteTable DocsOptionsDialog::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_OPT_OPEN, &DocsOptionsDialog::OnOpen),
        OnCommand(BN_CLICKED, IDC_OPT_FIND, &DocsOptionsDialog::OnFind),
        OnCommand(BN_CLICKED, IDC_OPT_ADD, &DocsOptionsDialog::OnAdd),
        OnCommand(BN_CLICKED, IDC_OPT_REMOVE, &DocsOptionsDialog::OnRemove),
        OnCommand(BN_CLICKED, IDC_OPT_APPLY, &DocsOptionsDialog::OnApply),
        OnCommand(BN_CLICKED, IDC_OPT_CANCEL, &DocsOptionsDialog::OnCancelButton),
        OnMessage(WM_NCLBUTTONDOWN, &DocsOptionsDialog::OnHelpButton),
    };
    return Table(routes);
}

BOOL DocsOptionsDialog::OnInitDialog()
{
    addButton.Attach(Handle(), IDC_OPT_ADD, IDB_ADD, IDB_ADD_PRESSED, 0, 0);
    removeButton.Attach(Handle(), IDC_OPT_REMOVE, IDB_REMOVE, IDB_REMOVE_PRESSED, 0, 0);
    const HGDIOBJ fixed = GetStockObject(ANSI_FIXED_FONT);
    SendDlgItemMessageA(Handle(), IDC_OPT_EXTENSION_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
    SendDlgItemMessageA(Handle(), IDC_OPT_EXTENSIONS, WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
    SendDlgItemMessageA(Handle(), IDC_OPT_PROGRESS, PBM_SETRANGE32, 0, kProgressTop);
    HelpSettings settings;
    if (settings.OpenAndInit()) {
        LoadCombo(settings, HelpSettings::kDocsFolders, ComboBox(Handle(), IDC_OPT_FOLDERS));
        LoadCombo(settings, HelpSettings::kDocsExtensions, ComboBox(Handle(), IDC_OPT_EXTENSIONS));
    }
    shownFolder = Control(Handle(), IDC_OPT_FOLDERS).GetText();
    shownExtensions = Entries(IDC_OPT_EXTENSIONS);
    SetDlgItemTextA(Handle(), IDC_OPT_RESULT, "Result");
    return TRUE;
}

std::vector<XString> DocsOptionsDialog::Entries(int id) const
{
    const ComboBox combo(Handle(), id);
    std::vector<XString> entries;
    for (int i = 0; i < combo.GetCount(); ++i)
        entries.push_back(combo.GetItemText(i));
    return entries;
}

INT_PTR DocsOptionsDialog::OnOpen(WPARAM, LPARAM)
{
    HelpSettings settings;
    const bool open = settings.OpenAndInit() != 0;
    const XString lastDir = open ? settings.GetLastDir() : XString();
    BrowseHelper helper;
    helper.initialFolder = lastDir.Data();
    XString folder;
    if (!BrowseForFolder(Handle(), helper, folder))
        return TRUE;
    if (!folder.IsEmpty() && folder.LastChar() == '\\')
        folder.RemoveLast();
    if (open)
        settings.SetLastDir(folder.Data());
    Win32FolderWalk walk;
    if (IsDocsFolder(walk, folder.Data()))
        FolderOnTop(ComboBox(Handle(), IDC_OPT_FOLDERS), folder.Data());
    else
        seams::ShowMessage(Handle(), "Error: JDK doc directory is named \"docs\"", "Message", MB_OK);
    return TRUE;
}

INT_PTR DocsOptionsDialog::OnFind(WPARAM, LPARAM)
{
    const Control button(Handle(), IDC_OPT_FIND);
    button.Enable(false);
    if (std::string(button.GetText().Data()) == kFind) {
        button.SetText(kUpdate);
        ScanDrives();
        button.Enable(!foundFolders.empty());
        return TRUE;
    }
    // The button stays disabled: one search per opening of the dialog.
    const ComboBox folders(Handle(), IDC_OPT_FOLDERS);
    folders.ResetContent();
    for (const XString& folder : foundFolders)
        folders.AddString(folder.Data());
    folders.SetCurSel(0);
    return TRUE;
}

void DocsOptionsDialog::ScanDrives()
{
    const HWND progress = Item(IDC_OPT_PROGRESS);
    const HWND dialog = Handle();
    Win32FolderWalk walk;
    foundFolders.clear();
    FindDocsFolders(
        walk, driveRoots, foundFolders, [progress] { SendMessageA(progress, PBM_STEPIT, 0, 0); },
        [dialog](int count) { SetFoundText(dialog, count); });
    SendMessageA(progress, PBM_SETPOS, kProgressTop, 0);
    SetFoundText(dialog, static_cast<int>(foundFolders.size()));
}

INT_PTR DocsOptionsDialog::OnAdd(WPARAM, LPARAM)
{
    const XString typed = Control(Handle(), IDC_OPT_EXTENSION_TEXT).GetText();
    XString text;
    for (const char* c = typed.Data(); *c; ++c) {
        if (*c != ' ')
            text.AppendChar(*c);
    }
    const XString refusal = ExtensionInputRefusal(text.Data(), Entries(IDC_OPT_EXTENSIONS));
    if (!refusal.IsEmpty()) {
        seams::ShowMessage(Handle(), refusal.Data(), "Message", MB_OK);
        return TRUE;
    }
    const ComboBox extensions(Handle(), IDC_OPT_EXTENSIONS);
    extensions.SetCurSel(extensions.AddString(text.Data()));
    return TRUE;
}

INT_PTR DocsOptionsDialog::OnRemove(WPARAM, LPARAM)
{
    const ComboBox extensions(Handle(), IDC_OPT_EXTENSIONS);
    const int selected = extensions.GetCurSel();
    if (selected >= 0) {
        extensions.DeleteString(selected);
        extensions.SetCurSel(0);
    }
    return TRUE;
}

INT_PTR DocsOptionsDialog::OnApply(WPARAM, LPARAM)
{
    const ComboBox folders(Handle(), IDC_OPT_FOLDERS);
    const XString chosen = folders.GetText();
    // The chosen folder goes first, where the documentation load reads it.
    if (folders.GetCurSel() > 0)
        FolderOnTop(folders, chosen.Data());
    HelpSettings settings;
    if (settings.OpenAndInit()) {
        SaveCombo(settings, HelpSettings::kDocsFolders, folders);
        SaveCombo(settings, HelpSettings::kDocsExtensions, ComboBox(Handle(), IDC_OPT_EXTENSIONS));
        settings.Close();
        ReportLeftOut(settings, Handle());
    }
    const std::vector<XString> extensions = Entries(IDC_OPT_EXTENSIONS);
    bool changed = !EqualsIgnoringCase(chosen.Data(), shownFolder.Data()) ||
                   extensions.size() != shownExtensions.size();
    for (size_t i = 0; !changed && i < extensions.size(); ++i)
        changed = !EqualsIgnoringCase(extensions[i].Data(), shownExtensions[i].Data());
    if (changed)
        panel.LoadDocumentation();
    EndDialog(IDOK);
    return TRUE;
}

INT_PTR DocsOptionsDialog::OnCancelButton(WPARAM, LPARAM)
{
    EndDialog(IDCANCEL);
    return TRUE;
}

INT_PTR DocsOptionsDialog::OnHelpButton(WPARAM wParam, LPARAM)
{
    if (wParam != HTHELP)
        return FALSE;
    OpenHelpPage(Handle(), "feature\\options.htm");
    return TRUE;
}
