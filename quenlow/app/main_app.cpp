#include "main_app.h"

#include "class_path.h"
#include "command_line.h"
#include "install_registry.h"
#include "jdk_check.h"
#include "main_dialog_entry.h"
#include "paths/file_system.h"
#include "rich_edit.h"
#include "seams.h"
#include "settings/main_args.h"
#include "sibling_starts.h"
#include "single_instance.h"
#include "windows_sockets.h"

namespace {

constexpr char kSlotName[] = "quenlow_mapfile";

ClassPathRecord CollectFor(SettingsFile& settings, bool ClassPathTarget::*use)
{
    ClassPathTarget target;
    target.*use = true;
    ClassPathRecord record;
    CollectClassPath(settings, record, target);
    return record;
}

void StartDoubleClick(SettingsFile& settings, const char* programDir, const XString& argument)
{
    const ClassPathRecord record = CollectFor(settings, &ClassPathTarget::doubleClick);
    int flags[SettingsFile::kFlagCount] = {};
    DoubleClickOptions options;
    settings.GetExplorerOptions(flags, &options.appletWidth, &options.appletHeight);
    options.runApplications = flags[0] != 0;
    options.runApplets = flags[1] != 0;
    options.showErrors = flags[2] != 0;
    options.monitorStreams = flags[3] != 0;

    const XString mainArgs = MainArgsWhenAsked(settings, kArgsForDoubleClick);
    XString classFile(argument);
    classFile.Replace("\"", "");
    StartDoubleClickRunner(nullptr, programDir, false, options, classFile.Data(), record, mainArgs.Data(),
                           OtherJavaOptionsFor(settings, kOtherJavaForDoubleClick).Data());
}

void Dispatch(SettingsFile& settings, const char* programDir, Switch which, const XString& argument)
{
    switch (which) {
    case Switch::DoubleClick:
        StartDoubleClick(settings, programDir, argument);
        break;
    case Switch::JdkDocHelp:
        StartHelpBrowser(programDir);
        break;
    case Switch::CompileFiles:
        MainApp::StartCompileTool(CollectFor(settings, &ClassPathTarget::compile), argument.Data());
        break;
    case Switch::ExecuteFiles:
        MainApp::StartExecuteDebugTool(CollectFor(settings, &ClassPathTarget::executeDebug), argument.Data());
        break;
    case Switch::ClassInfo:
        StartClassInfoViewer(settings, argument.Data());
        break;
    case Switch::CompressFile:
        StartCompressedFileViewer(argument.Data());
        break;
    default:
        break;
    }
}

}  // namespace

int MainApp::StartCompileTool(const ClassPathRecord& record, const char* selection)
{
    XString message;
    if (!PayloadFits(nullptr, CheckInsideInfo(record, selection, message), message))
        return 0;
    XString rest(" /inside-info ");
    rest.AppendString(InsideInfo(record, selection));
    return StartSibling(nullptr, "Farrowick", ProgramCommand(GetBinDir().Data(), "Farrowick.exe", rest.Data()));
}

int MainApp::StartExecuteDebugTool(const ClassPathRecord& record, const char* selection)
{
    XString message;
    if (!PayloadFits(nullptr, CheckInsideInfo(record, selection, message), message))
        return 0;
    XString rest(" /inside-info ");
    rest.AppendString(InsideInfo(record, selection));
    return StartSibling(nullptr, "Skelbrand", ProgramCommand(GetBinDir().Data(), "Skelbrand.exe", rest.Data()));
}

BOOL MainApp::InitInstance(const char* commandLine)
{
    XString argument;
    const Switch which = ParseSwitch(commandLine, argument);
    switch (which) {
    case Switch::Uninstall:
        Uninstall();
        return FALSE;
    case Switch::Install:
        Install();
        return FALSE;
    case Switch::Reboot:
        CompleteInstall();
        return FALSE;
    default:
        break;
    }

    const XString programDir = GetProgramDir();
    if (!CheckJdkInstalled()) {
        if (seams::ShowMessage(nullptr, kJdkMissingMessage, "Quenlow", MB_YESNO | MB_ICONERROR) == IDYES)
            StartLibraryChecker(programDir.Data(), false);
        return FALSE;
    }

    // This start never creates the settings file. A file that can only be
    // read still serves every switch that only reads it.
    SettingsFile settings;
    if (!settings.OpenExisting(SettingsFile::GetPath().Data())) {
        seams::ShowMessage(nullptr, kSettingsMissingMessage, "Quenlow", MB_YESNO | MB_ICONERROR);
        return FALSE;
    }
    // An empty or damaged file gets the sections a first start writes, behind
    // every byte it had, so that no later change of settings is lost unseen.
    if (!settings.IsReadOnly())
        settings.AddMissingSections();

    RegisterShellMenu(true);

    if (settings.GetProgramInit() == 0) {
        const int associated = SetClassAssociation(settings, GetModulePath().Data(), 1, 1, 1, 0, 500, 400);
        if (!settings.SetProgramInit(1) || settings.GetProgramInit() != 1)
            seams::ShowMessage(nullptr, kSettingsNotWritableMessage, "Quenlow", MB_OK | MB_ICONERROR);
        else if (!associated)
            seams::ShowMessage(nullptr, kAssociationKeptMessage, "Quenlow", MB_OK | MB_ICONINFORMATION);
    }

    if (which != Switch::None) {
        Dispatch(settings, programDir.Data(), which, argument);
        settings.Close();
        return FALSE;
    }

    if (single_instance::RaiseExisting(kSlotName)) {
        settings.Close();
        return FALSE;
    }

    if (!StartWindowsSockets())
        return FALSE;
    // After RegisterShellMenu, whose own OleInitialize has to see S_OK.
    InitOle();
    LoadRichEditLibrary();
    SetDialogColors(RGB(224, 240, 255), RGB(0, 0, 0));
    RunMainDialog(settings);
    settings.Close();
    return FALSE;
}
