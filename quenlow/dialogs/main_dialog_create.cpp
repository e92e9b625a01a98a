// The Create button: checks, then the jar tool, then the executable or the
// executable jar; and the confirm-icon button.
#include "main_dialog.h"

#include <cstdio>

#include "command_line.h"
#include "controls.h"
#include "create_checks.h"
#include "exe_container.h"
#include "help.h"
#include "java_home.h"
#include "jar_command.h"
#include "main_class_check.h"
#include "main_dialog_flags.h"
#include "main_dialog_ids.h"
#include "paths/file_system.h"
#include "paths/path_text.h"
#include "quenlow/launch/class_path.h"
#include "seams.h"
#include "settings/main_args.h"
#include "stub_file.h"
#include "stub_loading.h"
#include "xfile.h"

namespace {

constexpr const char kJarToolFailed[] = "Error\njar.exe throws exceptions in process of compressing files\n";

XString TempJarPath()
{
    XString path = GetTempDir();
    path.Append("\\tempfile.jar");
    return path;
}

XString DefaultManifestPath()
{
    XString path = GetTempDir();
    path.Append("\\temp.mf");
    return path;
}

int TellCannotCreate(HWND owner, const char* output)
{
    XString message("Can not create\n");
    message.Append(output);
    seams::ShowMessage(owner, message.Data(), "Message", MB_OK);
    return 0;
}

// Writes the pieces into a new file beside output and only then puts it in
// output's place, so a failed write leaves no half-written executable and
// keeps the one built before.
int WriteBesideThenReplace(const char* output, const Bytes* const* pieces, int count)
{
    XString folder = PathDirectory(output);
    if (folder.IsEmpty())
        folder.Assign(".");
    char temporary[MAX_PATH + 16];
    if (folder.Length() > MAX_PATH - 14 || !GetTempFileNameA(folder.Data(), "qln", 0, temporary))
        return 0;
    XFile file;
    bool written = file.Open(temporary, XFile::CreateAlways, 1) != 0;
    for (int i = 0; written && i < count; ++i) {
        const Bytes& piece = *pieces[i];
        written = piece.empty() || file.Write(piece.data(), static_cast<int>(piece.size()));
    }
    file.Close();
    if (written && MoveFileExA(temporary, output, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return 1;
    DeleteFileA(temporary);
    return 0;
}

// What every report says of the packing, whichever file was built.
template <class Facts>
void FillPackingFacts(Facts& facts, const CreateRequest& request, const JarCommand& jar)
{
    facts.compression = request.compression != 0;
    facts.mainClassDirectoryOnly = request.mainClassDirOnly != 0;
    facts.includeAll = jar.includeAll != 0;
    facts.exclusionDisabled = jar.exclusionDisabled != 0;
}

}  // namespace

XString MainArgsWhenAsked(SettingsFile& settings, ArgsFlag use)
{
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetMainArgsFlags(flags);
    if (!flags[use])
        return XString();
    XString text;
    ReadMainArgs(text);
    return FlattenText(text.Data());
}

INT_PTR MainDlg::OnCreate(WPARAM, LPARAM)
{
    if (createRunner.IsRunning() || !settings.IsOpen())
        return TRUE;
    static const char kJarTool[] = "\\bin\\jar.exe";
    XString jarTool;
    FindJavaHome(kJdkOnly, kJarTool, jarTool);
    jarTool.Append(kJarTool);
    const CreateRequest request = GatherState();
    XString baseFolder;
    XString className;
    if (!CheckMainClass(request.mainClass.Data(), baseFolder, className, Handle()))
        return TRUE;
    const XString mainArgs = request.exe ? MainArgsWhenAsked(settings, kArgsForExe) : XString();
    if (!CheckOutputFile(request, Handle()) || !CheckManifestFile(request, Handle()))
        return TRUE;
    const bool exe = Button(Handle(), IDC_CREATE_EXE).GetCheck() == BST_CHECKED;
    Control(Handle(), IDC_CREATE).Enable(false);
    const XString collectFolder =
        request.mainClassDirOnly ? PathDirectory(request.mainClass.Data()) : XString(baseFolder);
    const int created = exe ? CreateExe(request, jarTool.Data(), baseFolder.Data(), className.Data(), mainArgs.Data(),
                                        collectFolder.Data())
                            : CreateJar(request, jarTool.Data(), baseFolder.Data(), className.Data(),
                                        collectFolder.Data());
    if (created)
        createRunner.WaitTimeout();
    Control(Handle(), IDC_CREATE).Enable(true);
    return TRUE;
}

INT_PTR MainDlg::OnConfirmIcon(WPARAM, LPARAM)
{
    ConfirmIconFormat(Handle(), GatherState(), true);
    return TRUE;
}

int MainDlg::RunJarTool(const char* baseFolder, const JarCommand& jar, int exe)
{
    const int seconds = settings.GetFileInts();
    const int started = createRunner.Run(owner.get(), baseFolder, jar.command.Data(), exe, jar.fileCount, seconds);
    const DWORD ended = started ? createRunner.WaitTimeout() : WAIT_FAILED;
    if (!jar.argumentFile.IsEmpty())
        DeleteFileA(jar.argumentFile.Data());
    if (!started)
        return 0;  // the pane names the program that could not start
    if (ended != WAIT_OBJECT_0) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "The jar tool did not end within %d seconds and was stopped.\nNothing was created.", seconds);
        seams::ShowMessage(Handle(), text, "Message", MB_OK);
        return 0;
    }
    // Success is the tool's exit code, not silence on standard error: jar
    // tools differ in where they write their progress and warnings.
    if (createRunner.ExitCode() != 0)
        return AskShowHelp(Handle(), kJarToolFailed);
    return 1;
}

int MainDlg::CreateExe(const CreateRequest& request, const char* jarTool, const char* baseFolder,
                       const char* className, const char* mainArgs, const char* collectFolder)
{
    if (!ConfirmIconFormat(Handle(), request, false))
        return 0;
    const XString programDir = GetProgramDir();
    const XString tempJar = TempJarPath();
    CreateDirectoryA(GetTempDir().Data(), nullptr);
    DeleteFileA(tempJar.Data());
    JarCommand jar;
    if (!BuildJarCommand(Handle(), request, settings, baseFolder, collectFolder, jarTool, tempJar.Data(), nullptr,
                         jar)) {
        seams::ShowMessage(Handle(), "Can not compress the package specified", "Message", MB_OK);
        return 0;
    }
    Bytes stub;
    if (request.userIcon) {
        int iconFlags[SettingsFile::kFlagCount] = {};
        settings.GetIconOptions(iconFlags);
        if (!LoadIconStub(Handle(), Control(Handle(), IDC_ICON_FILE).GetText().Data(), iconFlags[kIconRichColors],
                          iconFlags[kIconPreferSameSize], programDir.Data(), stub))
            return 0;
    } else if (!LoadPlainStub(Handle(), programDir.Data(), stub)) {
        return 0;
    }
    const int ran = RunJarTool(baseFolder, jar, 1);
    Bytes archive;
    const int read = ran && ReadFileBytes(tempJar.Data(), archive) && !archive.empty();
    DeleteFileA(tempJar.Data());
    if (!ran)
        return 0;
    if (!read)
        return AskShowHelp(Handle(), "Can not compress the exe file specified");

    ExeTrailerFields fields;
    fields.useJavaw = request.useJavaw != 0;
    ClassPathTarget target;
    target.exeFiles = true;
    CollectClassPath(settings, fields.record, target);
    fields.otherOptions = OtherJavaOptionsFor(settings, kOtherJavaForExe);
    fields.mainClass.Assign(className);
    int argsFlags[SettingsFile::kFlagCount] = {};
    settings.GetMainArgsFlags(argsFlags);
    fields.addMainArgs = argsFlags[kArgsForExe] != 0;
    fields.mainArgs.Assign(mainArgs);
    const Bytes trailer = BuildExeTrailer(fields);
    const Bytes* pieces[] = {&stub, &trailer, &archive};
    if (!WriteBesideThenReplace(request.outputFile.Data(), pieces, 3))
        return TellCannotCreate(Handle(), request.outputFile.Data());

    ExeReportFacts facts;
    facts.useJavaw = fields.useJavaw;
    facts.userIcon = request.userIcon != 0;
    FillPackingFacts(facts, request, jar);
    ShowCreateResult(1, request.outputFile, BuildExeReport(facts, fields));
    return 1;
}

int MainDlg::CreateJar(const CreateRequest& request, const char* jarTool, const char* baseFolder,
                       const char* className, const char* collectFolder)
{
    const bool defaultManifest = !request.addManifest;
    XString manifest = request.manifestFile;
    if (!defaultManifest) {
        XString error;
        int entryFound = 0;
        if (!CheckUserManifest(manifest.Data(), className, error, &entryFound)) {
            if (!entryFound) {
                seams::ShowMessage(Handle(), error.Data(), "Message", MB_OK);
                return 0;
            }
            error.Append("\nDo you want to try anyway?\n");
            if (seams::ShowMessage(Handle(), error.Data(), "Message", MB_YESNO) == IDNO)
                return 0;
        }
    } else {
        CreateDirectoryA(GetTempDir().Data(), nullptr);
        manifest = DefaultManifestPath();
        if (!WriteDefaultManifest(manifest.Data(), className)) {
            seams::ShowMessage(Handle(), "Can not create default manifest file", "Message", MB_OK);
            return 0;
        }
    }
    // The jar tool writes into the temporary jar; the output is replaced
    // only by a whole archive, so a failed build keeps the one made before.
    const XString tempJar = TempJarPath();
    CreateDirectoryA(GetTempDir().Data(), nullptr);
    DeleteFileA(tempJar.Data());
    JarCommand jar;
    int ran = BuildJarCommand(Handle(), request, settings, baseFolder, collectFolder, jarTool, tempJar.Data(),
                              manifest.Data(), jar);
    if (ran)
        ran = RunJarTool(baseFolder, jar, 0);
    if (defaultManifest)
        DeleteFileA(manifest.Data());
    if (!ran) {
        DeleteFileA(tempJar.Data());
        return 0;
    }
    WIN32_FILE_ATTRIBUTE_DATA made = {};
    const bool whole = GetFileAttributesExA(tempJar.Data(), GetFileExInfoStandard, &made) &&
                       (made.nFileSizeLow != 0 || made.nFileSizeHigh != 0);
    if (!whole || !MoveFileExA(tempJar.Data(), request.outputFile.Data(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
        DeleteFileA(tempJar.Data());
        return TellCannotCreate(Handle(), request.outputFile.Data());
    }
    JarReportFacts facts;
    facts.defaultManifest = defaultManifest;
    FillPackingFacts(facts, request, jar);
    XString title(request.outputFile);
    title.Append("\nhas been created successfully\n\nInformation:\n\n");
    ShowCreateResult(0, title, BuildJarReport(facts));
    return 1;
}

void MainDlg::ComboAddText(int comboId)
{
    const XString text = Control(Handle(), comboId).GetText();
    for (int i = 0; i < text.Length(); ++i) {
        if (text[i] != ' ' && text[i] != '\t') {
            ComboToTop(comboId, text.Data());
            return;
        }
    }
}

void MainDlg::ShowCreateResult(int exe, const XString& title, const XString& report)
{
    ComboAddText(IDC_MAIN_CLASS);
    ComboAddText(IDC_OUTPUT_FILE);
    CreateInfo().ShowResult(exe ? DlgCreateInfo::kExe : DlgCreateInfo::kJar, title.Data(), report.Data());
}
