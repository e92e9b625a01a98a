// The file options: the inclusive and exclusive extension lists of the
// builders, whether all files are packed or the exclusion is off, and the
// jar tool's time-out.
#include "option_dialogs.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "controls.h"
#include "controls_ids.h"
#include "help_topics.h"
#include "option_dialogs_ids.h"
#include "seams.h"

namespace {

struct ExtensionList {
    int list;
    int edit;
    int add;
    int remove;
    bool exclusive;
};
const ExtensionList kInclusive = {IDC_INCLUDE_LIST, IDC_INCLUDE_EDIT, IDC_INCLUDE_ADD, IDC_INCLUDE_REMOVE, false};
const ExtensionList kExclusive = {IDC_EXCLUDE_LIST, IDC_EXCLUDE_EDIT, IDC_EXCLUDE_ADD, IDC_EXCLUDE_REMOVE, true};

const ExtensionList& ListOfButton(int id)
{
    return id == kExclusive.add || id == kExclusive.remove ? kExclusive : kInclusive;
}

bool IsExtensionChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Class files are what every build is for: never left out.
constexpr char kClassExtension[] = "class";

}  // namespace

DlgFileOptions::DlgFileOptions(HWND parent, const char* settingsPath)
    : OptionDialog(IDD_FILE_OPTIONS, parent, kHelpFileOptionsPage, settingsPath)
{
}

Dialog::RouteTable DlgFileOptions::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_INCLUDE_ADD, &DlgFileOptions::OnAdd),
        OnCommand(BN_CLICKED, IDC_EXCLUDE_ADD, &DlgFileOptions::OnAdd),
        OnCommand(BN_CLICKED, IDC_INCLUDE_REMOVE, &DlgFileOptions::OnRemove),
        OnCommand(BN_CLICKED, IDC_EXCLUDE_REMOVE, &DlgFileOptions::OnRemove),
        OnCommand(BN_CLICKED, IDC_INCLUDE_ALL, &DlgFileOptions::OnBoxClicked),
        OnCommand(BN_CLICKED, IDC_EXCLUSION_DISABLED, &DlgFileOptions::OnBoxClicked),
        OnMessage(WM_CLOSE, &DlgFileOptions::OnClose),
    };
    return Table(routes);
}

BOOL DlgFileOptions::OnInitDialog()
{
    for (int id : {IDC_INCLUDE_LIST, IDC_INCLUDE_EDIT, IDC_EXCLUDE_LIST, IDC_EXCLUDE_EDIT})
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    int includeAll = 1;
    int exclusionDisabled = 0;
    int timeout = 15;
    SettingsFile settings;
    if (OpenForLoad(settings)) {
        settings.LoadIncludeExtensions(Item(IDC_INCLUDE_LIST));
        settings.LoadExcludeExtensions(Item(IDC_EXCLUDE_LIST));
        settings.GetFileOptions(&includeAll, &exclusionDisabled);
        timeout = settings.GetFileInts();
        settings.Close();
    }
    SetCheck(IDC_INCLUDE_ALL, includeAll);
    SetCheck(IDC_EXCLUSION_DISABLED, exclusionDisabled);
    SetDlgItemInt(Handle(), IDC_COMPRESS_TIMEOUT, static_cast<UINT>(timeout), TRUE);
    ListBox(Handle(), IDC_INCLUDE_LIST).SetCurSel(-1);
    ListBox(Handle(), IDC_EXCLUDE_LIST).SetCurSel(-1);
    AttachListButtons();
    UpdateControls();
    return TRUE;
}

void DlgFileOptions::AttachListButtons()
{
    BmpButton* button = listButtons;
    for (const ExtensionList* list : {&kInclusive, &kExclusive}) {
        (button++)->Attach(Handle(), list->add, IDB_UP, IDB_UP_PRESSED, IDB_UP_FOCUSED);
        (button++)->Attach(Handle(), list->remove, IDB_DOWN, IDB_DOWN_PRESSED, IDB_DOWN_FOCUSED);
    }
}

void DlgFileOptions::UpdateControls()
{
    const bool include = !IsChecked(IDC_INCLUDE_ALL);
    const bool exclude = !IsChecked(IDC_EXCLUSION_DISABLED);
    for (const ExtensionList* list : {&kInclusive, &kExclusive}) {
        const bool enabled = list->exclusive ? exclude : include;
        for (int id : {list->list, list->edit, list->add, list->remove})
            Control(Handle(), id).Enable(enabled);
    }
}

INT_PTR DlgFileOptions::OnBoxClicked(WPARAM, LPARAM)
{
    UpdateControls();
    return TRUE;
}

INT_PTR DlgFileOptions::OnAdd(WPARAM wParam, LPARAM)
{
    const ExtensionList& target = ListOfButton(LOWORD(wParam));
    const XString extension = TrimWhiteSpace(Control(Handle(), target.edit).GetText());
    const char* refusal = nullptr;
    if (extension.IsEmpty()) {
        refusal = "Please input file extension";
    } else {
        for (int i = 0; i < extension.Length() && !refusal; ++i) {
            if (!IsExtensionChar(extension[i]))
                refusal = "Only english characters, numbers and _ can be file extension";
        }
    }
    ListBox list(Handle(), target.list);
    if (!refusal && target.exclusive && lstrcmpiA(extension.Data(), kClassExtension) == 0)
        refusal = "Error: class file can not be excluded";
    // The list's exact search ignores case: "CLASS" is "class" already.
    if (!refusal &&
        list.Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(extension.Data())) != LB_ERR)
        refusal = "The file extension is in list box already";
    if (refusal) {
        seams::ShowMessage(Handle(), refusal, "Message", MB_OK);
        return TRUE;
    }
    list.AddString(extension.Data());
    Control(Handle(), target.edit).SetText("");
    return TRUE;
}

INT_PTR DlgFileOptions::OnRemove(WPARAM wParam, LPARAM)
{
    const ExtensionList& target = ListOfButton(LOWORD(wParam));
    ListBox list(Handle(), target.list);
    if (list.GetCount() <= 0)
        return TRUE;
    const int selected = list.GetCurSel();
    if (selected == LB_ERR) {
        seams::ShowMessage(Handle(), "Please select a file extension for removing", "Message", MB_OK);
        return TRUE;
    }
    if (!target.exclusive && std::strcmp(list.GetItemText(selected).Data(), kClassExtension) == 0) {
        seams::ShowMessage(Handle(), "Error: class file can not be removed", "Message", MB_OK);
        return TRUE;
    }
    list.DeleteString(selected);
    return TRUE;
}

bool DlgFileOptions::Store()
{
    const int timeout = std::atoi(Control(Handle(), IDC_COMPRESS_TIMEOUT).GetText().Data());
    const char* refusal = nullptr;
    if (!IsChecked(IDC_INCLUDE_ALL) && ListBox(Handle(), IDC_INCLUDE_LIST).GetCount() <= 0)
        refusal = "Error\nYou must select \"Include All files\"\nor add some file extensions\nas \"Inclusive "
                  "extesions\"\n";
    else if (timeout < kLowestTimeout || timeout > kHighestTimeout)
        refusal = "Error\n\"Compressing timeout\" must be from 20 to 120 seconds\n";
    if (refusal) {
        seams::ShowMessage(Handle(), refusal, "Message", MB_OK);
        return false;
    }
    // Without a settings file there is nowhere to store: the dialog closes
    // storing nothing rather than never closing.
    SettingsFile settings;
    if (!OpenForStore(settings))
        return true;
    settings.SaveIncludeExtensions(Item(IDC_INCLUDE_LIST));
    settings.SaveExcludeExtensions(Item(IDC_EXCLUDE_LIST));
    settings.SetFileOptions(IsChecked(IDC_INCLUDE_ALL), IsChecked(IDC_EXCLUSION_DISABLED));
    settings.SetFileInts(timeout);
    settings.Close();
    if (settings.LeftOut().Count() > 0)
        seams::ShowMessage(Handle(), LeftOutMessage(settings.LeftOut()).Data(), "Message", MB_OK | MB_ICONERROR);
    return true;
}

// Closing the window is storing: the dialog stays while what it shows can not
// be kept. Escape is a cancel and leaves the settings as they were.
INT_PTR DlgFileOptions::OnClose(WPARAM, LPARAM)
{
    if (Store())
        EndDialog(IDOK);
    return TRUE;
}
