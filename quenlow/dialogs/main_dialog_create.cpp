// The Create button: the checks, then the builder; and the confirm-icon
// button.
#include "main_dialog.h"

#include "combo_helpers.h"
#include "controls.h"
#include "create_builder.h"
#include "create_checks.h"
#include "java_home.h"
#include "main_class_check.h"
#include "main_dialog_ids.h"
#include "paths/path_text.h"
#include "settings/main_args.h"
#include "stub_loading.h"

INT_PTR MainDlg::OnCreate(WPARAM, LPARAM)
{
    if (createRunner.IsRunning() || !settings.IsOpen())
        return TRUE;
    static const char kJarTool[] = "\\bin\\jar.exe";
    CreateSources sources;
    FindJavaHome(kJdkOnly, kJarTool, sources.jarTool);
    sources.jarTool.Append(kJarTool);
    const CreateRequest request = GatherState();
    if (!CheckMainClass(request.mainClass.Data(), sources.baseFolder, sources.className, Handle()))
        return TRUE;
    if (request.exe)
        sources.mainArgs = MainArgsWhenAsked(settings, kArgsForExe);
    if (!CheckOutputFile(request, Handle()) || !CheckManifestFile(request, Handle()))
        return TRUE;
    const bool exe = Button(Handle(), IDC_CREATE_EXE).GetCheck() == BST_CHECKED;
    Control(Handle(), IDC_CREATE).Enable(false);
    sources.collectFolder = request.mainClassDirOnly ? FileFolder(request.mainClass.Data()) : sources.baseFolder;
    CreateBuilder builder(Handle(), settings, createRunner, *owner, createMemory);
    CreateResult result;
    const int created = exe ? builder.BuildExe(request, sources, result) : builder.BuildJar(request, sources, result);
    if (created) {
        ShowCreateResult(exe ? 1 : 0, result.title, result.report);
        createRunner.WaitTimeout();
    }
    Control(Handle(), IDC_CREATE).Enable(true);
    return TRUE;
}

INT_PTR MainDlg::OnConfirmIcon(WPARAM, LPARAM)
{
    ConfirmIconFormat(Handle(), GatherState(), true);
    return TRUE;
}

void MainDlg::ShowCreateResult(int exe, const XString& title, const XString& report)
{
    CreateInfo().ShowResult(exe ? DlgCreateInfo::kExe : DlgCreateInfo::kJar, title.Data(), report.Data());
    // After the report: the user waits for that, not for the histories.
    ComboAddText(Item(IDC_MAIN_CLASS));
    ComboAddText(Item(IDC_OUTPUT_FILE));
}
