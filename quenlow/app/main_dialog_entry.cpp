#include "main_dialog_entry.h"

#include "main_dialog.h"

int RunMainDialog(SettingsFile& settings)
{
    MainDlg dialog(settings);
    return static_cast<int>(dialog.DoModal());
}
