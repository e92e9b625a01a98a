// The main dialog's class information and its help on what Create builds.
#include "main_dialog.h"

#include "help.h"
#include "help_topics.h"
#include "jdk_check.h"
#include "main_dialog_ids.h"
#include "process/runner_banners.h"
#include "seams.h"
#include "sibling_starts.h"

INT_PTR MainDlg::OnClassInfo(WPARAM, LPARAM)
{
    const CreateRequest state = GatherState();
    if (state.mainClass.IsEmpty()) {
        seams::ShowMessage(Handle(), "Please input an application class", "Message", MB_OK);
        return TRUE;
    }
    if (!StartClassInfo(state.mainClass.Data()))
        return TRUE;
    XString status(kLaunchRule);
    status.Append("start  launching class info\nExceptions are displayed on page of class Hierarchy if any\n");
    status.Append(kLaunchRule);
    status.Append("end of launching class info\n\n");
    ShowStatus(status.Data());
    return TRUE;
}

int MainDlg::StartClassInfo(const char* classFile)
{
    // The class paths and options come from the settings; without them the
    // viewer would show the class wrongly, so it is not started.
    if (!settings.IsOpen()) {
        seams::ShowMessage(Handle(), kSettingsMissingMessage, "Quenlow", MB_ICONERROR | MB_YESNO);
        return 0;
    }
    return StartClassInfoViewer(settings, classFile);
}

INT_PTR MainDlg::OnCreatingHelp(WPARAM wParam, LPARAM)
{
    ShowHelpTopic(Handle(), LOWORD(wParam) == IDC_HELP_EXE ? kHelpCreatingExe : kHelpCreatingJar);
    return TRUE;
}
