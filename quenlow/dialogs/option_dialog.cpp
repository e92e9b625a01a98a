#include "option_dialog.h"

#include "controls.h"
#include "help.h"

OptionDialog::OptionDialog(int templateId, HWND parent, const char* topic, const char* path)
    : Dialog(templateId, parent), helpTopic(topic), settingsPath(path)
{
}

XString MainSettingsPath()
{
    return SettingsFile::GetPath();
}

bool OptionDialog::OpenForLoad(SettingsFile& settings) const
{
    return settings.OpenExisting(settingsPath.Data()) != 0;
}

bool OptionDialog::OpenForStore(SettingsFile& settings) const
{
    if (!settings.OpenExisting(settingsPath.Data()))
        return false;
    if (!settings.IsReadOnly())
        return true;
    settings.Close();
    return false;
}

void OptionDialog::SetCheck(int id, int on) const
{
    Button(Handle(), id).SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
}

int OptionDialog::IsChecked(int id) const
{
    return Button(Handle(), id).GetCheck() == BST_CHECKED ? 1 : 0;
}

INT_PTR OptionDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCLBUTTONDOWN:
        // The caption's "?" opens this dialog's page instead of the pointer mode.
        if (wParam != HTHELP)
            break;
        ShowHelpTopic(Handle(), helpTopic);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (!transparentStatics)
            break;
        if (INT_PTR themed = Dialog::HandleMessage(message, wParam, lParam))
            return themed;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        // The brush the dialog itself is painted with (a system brush, never
        // deleted, so valid as long as the dialog), so a static shows no box
        // of another colour where a theme paints the dialog differently.
        return static_cast<INT_PTR>(DefDlgProcA(Handle(), WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(Handle())));
    default:
        break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}
