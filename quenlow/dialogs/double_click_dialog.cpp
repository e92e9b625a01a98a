// The double-click options: the .class association and what a double-click
// on a class file may do.
#include "option_dialogs.h"

#include <cstdlib>

#include "controls.h"
#include "help_topics.h"
#include "install_registry.h"
#include "option_dialogs_ids.h"
#include "registry.h"
#include "seams.h"

namespace {

constexpr int kSmallestApplet = 100;

// The association is ours when ".class" names our document type.
bool AssociationIsOurs()
{
    XString type;
    return ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, type) && lstrcmpiA(type.Data(), kDocumentType) == 0;
}

}  // namespace

DlgDoubleClick::DlgDoubleClick(HWND parent, const char* settingsPath, const char* program)
    : OptionDialog(IDD_DOUBLE_CLICK, parent, kHelpDoubleClick, settingsPath), programPath(program)
{
}

Dialog::RouteTable DlgDoubleClick::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_DOUBLE_CLICK_APPLY, &DlgDoubleClick::OnApply),
        OnCommand(BN_CLICKED, IDC_DOUBLE_CLICK_DISABLE, &DlgDoubleClick::OnDisable),
        OnCommand(BN_CLICKED, IDC_DOUBLE_CLICK_CLOSE, &DlgDoubleClick::OnCloseButton),
    };
    return Table(routes);
}

BOOL DlgDoubleClick::OnInitDialog()
{
    ShowStatus();
    // Run applications, run applets, show errors, monitor streams.
    int flags[SettingsFile::kFlagCount] = {1, 1, 1, 0};
    int width = 500;
    int height = 400;
    SettingsFile settings;
    if (OpenForLoad(settings)) {
        settings.GetExplorerOptions(flags, &width, &height);
        settings.Close();
    }
    SetCheck(IDC_ALLOW_APPLICATIONS, flags[0]);
    SetCheck(IDC_ALLOW_APPLETS, flags[1]);
    SetCheck(IDC_ALLOW_ERRORS, flags[2]);
    SetCheck(IDC_MONITOR_STREAMS, flags[3]);
    SetDlgItemInt(Handle(), IDC_APPLET_WIDTH, static_cast<UINT>(width), TRUE);
    SetDlgItemInt(Handle(), IDC_APPLET_HEIGHT, static_cast<UINT>(height), TRUE);
    return TRUE;
}

void DlgDoubleClick::ShowStatus()
{
    // Read back from the registry, not taken from what was asked: a user
    // without the right to write the key is not told that it worked.
    const bool enabled = AssociationIsOurs();
    SetWindowTextA(Handle(), enabled ? "Double click to run - enabled" : "Double click to run - disabled");
    Control(Handle(), IDC_DOUBLE_CLICK_DISABLE).Enable(enabled);
}

INT_PTR DlgDoubleClick::OnApply(WPARAM, LPARAM)
{
    const int showErrors = IsChecked(IDC_ALLOW_ERRORS);
    const int runApplications = IsChecked(IDC_ALLOW_APPLICATIONS);
    const int runApplets = IsChecked(IDC_ALLOW_APPLETS);
    if (!showErrors && !runApplications && !runApplets) {
        seams::ShowMessage(Handle(), kNoAllowMessage, "Message", MB_OK);
        return TRUE;
    }
    // Not a number reads as 0, which is refused with the rest.
    const int width = std::atoi(Control(Handle(), IDC_APPLET_WIDTH).GetText().Data());
    const int height = std::atoi(Control(Handle(), IDC_APPLET_HEIGHT).GetText().Data());
    if (width < kSmallestApplet || height < kSmallestApplet) {
        seams::ShowMessage(Handle(), kSizeMessage, "Message", MB_OK);
        return TRUE;
    }
    SettingsFile settings;
    if (OpenForStore(settings)) {
        if (!SetClassAssociation(settings, programPath.Data(), runApplications, runApplets, showErrors,
                                 IsChecked(IDC_MONITOR_STREAMS), width, height))
            seams::ShowMessage(Handle(), kAssociationKeptMessage, "Message", MB_OK);
        settings.Close();
    }
    ShowStatus();
    return TRUE;
}

INT_PTR DlgDoubleClick::OnDisable(WPARAM, LPARAM)
{
    SettingsFile settings;
    if (!OpenForStore(settings))
        return TRUE;
    RemoveClassAssociation(settings);
    settings.Close();
    ShowStatus();
    return TRUE;
}

INT_PTR DlgDoubleClick::OnCloseButton(WPARAM, LPARAM)
{
    OnCancel();
    return TRUE;
}
