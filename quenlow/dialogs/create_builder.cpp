// The jar tool, then the executable or the executable jar.
#include "create_builder.h"

#include <cstdio>
#include <cstring>
#include <functional>

#include "exe_container.h"
#include "help.h"
#include "jar_command.h"
#include "main_dialog_flags.h"
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

// A new file beside the output that takes the pieces in order and only then
// takes the output's place, so a failed write leaves no half-written
// executable and keeps the one built before.
class FileBesideOutput {
public:
    explicit FileBesideOutput(const char* outputPath) : output(outputPath) { temporary[0] = 0; }
    // Makes the file, which then takes the pieces.
    void Open()
    {
        XString folder = PathDirectory(output.Data());
        if (folder.IsEmpty())
            folder.Assign(".");
        if (folder.Length() <= MAX_PATH - 14 && GetTempFileNameA(folder.Data(), "qln", 0, temporary))
            written = file.Open(temporary, XFile::CreateAlways, 1) != 0;
    }
    ~FileBesideOutput()
    {
        file.Close();
        if (temporary[0] && !placed)
            DeleteFileA(temporary);
    }
    FileBesideOutput(const FileBesideOutput&) = delete;
    FileBesideOutput& operator=(const FileBesideOutput&) = delete;

    // Each piece after the ones before; a failed write (or a file that
    // could not be made) marks the file failed and every later piece is
    // skipped.
    void Write(const Bytes& piece)
    {
        if (written && !piece.empty())
            written = file.Write(piece.data(), static_cast<int>(piece.size())) != 0;
    }
    // 1 when every piece was written and the file now stands in the output's place.
    int ReplaceOutput()
    {
        file.Close();
        placed = written && MoveFileExA(temporary, output.Data(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
        return placed ? 1 : 0;
    }

private:
    XString output;
    char temporary[MAX_PATH + 16];
    XFile file;
    bool written = false;
    bool placed = false;
};

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

CreateBuilder::CreateBuilder(HWND ownerWindow, SettingsFile& settingsFile, RunnerCreate& createRunner,
                             RunnerOwner& paneOwner, CreateMemory& createMemory)
    : window(ownerWindow), settings(settingsFile), runner(createRunner), runnerOwner(paneOwner), memory(createMemory)
{
}

CreateBuilder::~CreateBuilder()
{
    runner.DropHeld();
}

int CreateBuilder::PrepareJarTool(const CreateRequest& request, const CreateSources& sources, const char* target,
                                  const char* manifest, JarCommand& jar)
{
    JarFileFilter filter;
    ReadJarFileFilter(settings, filter);
    JarFilesSearch search(sources.collectFolder.Data(), filter);
    if (!memory.argumentFileFolder.IsEmpty() &&
        std::strcmp(memory.argumentFileFolder.Data(), sources.collectFolder.Data()) == 0) {
        const XString expected =
            JarArgumentFileCommand(sources.jarTool.Data(), manifest, request.compression != 0, target);
        runner.StartHeld(sources.baseFolder.Data(), expected.Data());
    }
    const StringPtrList& files = search.Files();
    if (files.Count() == 0)
        runner.DropHeld();  // before the question about the file options
    if (!JarCommandForFiles(window, request, sources.baseFolder.Data(), sources.jarTool.Data(), target, manifest,
                            filter, files, jar))
        return 0;
    memory.argumentFileFolder = jar.argumentFile.IsEmpty() ? XString() : sources.collectFolder;
    return 1;
}

int CreateBuilder::RunJarTool(const char* baseFolder, const JarCommand& jar, int exe,
                              const std::function<void()>& whileRunning)
{
    const int seconds = settings.GetFileInts();
    const int started = runner.Run(&runnerOwner, baseFolder, jar.command.Data(), exe, jar.fileCount, seconds);
    if (started && whileRunning)
        whileRunning();
    const DWORD ended = started ? runner.WaitTimeout() : WAIT_FAILED;
    if (!jar.argumentFile.IsEmpty())
        DeleteFileA(jar.argumentFile.Data());
    if (!started)
        return 0;  // the pane names the program that could not start
    if (ended != WAIT_OBJECT_0) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "The jar tool did not end within %d seconds and was stopped.\nNothing was created.", seconds);
        seams::ShowMessage(window, text, "Message", MB_OK);
        return 0;
    }
    // Success is the tool's exit code, not silence on standard error: jar
    // tools differ in where they write their progress and warnings.
    if (runner.ExitCode() != 0)
        return AskShowHelp(window, kJarToolFailed);
    return 1;
}

ExeTrailerFields CreateBuilder::TrailerFields(const CreateRequest& request, const CreateSources& sources)
{
    ExeTrailerFields fields;
    fields.useJavaw = request.useJavaw != 0;
    ClassPathTarget target;
    target.exeFiles = true;
    CollectClassPath(settings, fields.record, target);
    fields.otherOptions = OtherJavaOptionsFor(settings, kOtherJavaForExe);
    fields.mainClass = sources.className;
    int argsFlags[SettingsFile::kFlagCount] = {};
    settings.GetMainArgsFlags(argsFlags);
    fields.addMainArgs = argsFlags[kArgsForExe] != 0;
    fields.mainArgs = sources.mainArgs;
    return fields;
}

int CreateBuilder::BuildExe(const CreateRequest& request, const CreateSources& sources, CreateResult& result)
{
    // The trailer's texts are known before anything is built: one that it
    // can not carry stops the Create before the jar tool runs.
    const ExeTrailerFields fields = TrailerFields(request, sources);
    XString refused;
    if (!CheckExeTrailerFields(fields, refused)) {
        seams::ShowMessage(window, refused.Data(), "Message", MB_OK | MB_ICONERROR);
        return 0;
    }
    if (!ConfirmIconFormat(window, request, false))
        return 0;
    const XString programDir = GetProgramDir();
    const XString tempJar = TempJarPath();
    CreateDirectoryA(GetTempDir().Data(), nullptr);
    DeleteFileA(tempJar.Data());
    JarCommand jar;
    if (!PrepareJarTool(request, sources, tempJar.Data(), nullptr, jar)) {
        seams::ShowMessage(window, "Can not compress the package specified", "Message", MB_OK);
        return 0;
    }
    Bytes stub;
    if (request.userIcon) {
        int iconFlags[SettingsFile::kFlagCount] = {};
        settings.GetIconOptions(iconFlags);
        if (!LoadIconStub(window, request.iconFile.Data(), iconFlags[kIconRichColors],
                          iconFlags[kIconPreferSameSize], programDir.Data(), stub))
            return 0;
    } else if (!LoadPlainStub(window, programDir.Data(), stub)) {
        return 0;
    }
    // javaw's executable is windowed and opens no console; java's is a
    // console program, as a user who chose java expects.
    if (!SetStubSubsystem(stub, fields.useJavaw)) {
        seams::ShowMessage(window, "Can not open compressed file", "Message", MB_OK);
        return 0;
    }
    // The stub and the trailer are written while the jar tool runs: once it
    // has ended, only its jar is left to append.
    const Bytes trailer = BuildExeTrailer(fields);
    FileBesideOutput exeFile(request.outputFile.Data());
    const int ran = RunJarTool(sources.baseFolder.Data(), jar, 1, [&] {
        exeFile.Open();
        exeFile.Write(stub);
        exeFile.Write(trailer);
    });
    Bytes archive;
    const int read = ran && ReadFileBytes(tempJar.Data(), archive) && !archive.empty();
    DeleteFileA(tempJar.Data());
    if (!ran)
        return 0;
    if (!read)
        return AskShowHelp(window, "Can not compress the exe file specified");
    exeFile.Write(archive);
    if (!exeFile.ReplaceOutput())
        return TellCannotCreate(window, request.outputFile.Data());

    ExeReportFacts facts;
    facts.useJavaw = fields.useJavaw;
    facts.userIcon = request.userIcon != 0;
    FillPackingFacts(facts, request, jar);
    result.title = request.outputFile;
    result.report = BuildExeReport(facts, fields);
    return 1;
}

int CreateBuilder::BuildJar(const CreateRequest& request, const CreateSources& sources, CreateResult& result)
{
    const bool defaultManifest = !request.addManifest;
    XString manifest = request.manifestFile;
    if (!defaultManifest) {
        XString error;
        int entryFound = 0;
        if (!CheckUserManifest(manifest.Data(), sources.className.Data(), error, &entryFound)) {
            if (!entryFound) {
                seams::ShowMessage(window, error.Data(), "Message", MB_OK);
                return 0;
            }
            error.Append("\nDo you want to try anyway?\n");
            if (seams::ShowMessage(window, error.Data(), "Message", MB_YESNO) == IDNO)
                return 0;
        }
    } else {
        CreateDirectoryA(GetTempDir().Data(), nullptr);
        manifest = DefaultManifestPath();
        if (!WriteDefaultManifest(manifest.Data(), sources.className.Data())) {
            seams::ShowMessage(window, "Can not create default manifest file", "Message", MB_OK);
            return 0;
        }
    }
    // The jar tool writes into the temporary jar; the output is replaced
    // only by a whole archive, so a failed build keeps the one made before.
    const XString tempJar = TempJarPath();
    CreateDirectoryA(GetTempDir().Data(), nullptr);
    DeleteFileA(tempJar.Data());
    JarCommand jar;
    int ran = PrepareJarTool(request, sources, tempJar.Data(), manifest.Data(), jar);
    if (ran)
        ran = RunJarTool(sources.baseFolder.Data(), jar, 0);
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
        return TellCannotCreate(window, request.outputFile.Data());
    }
    JarReportFacts facts;
    facts.defaultManifest = defaultManifest;
    FillPackingFacts(facts, request, jar);
    result.title = request.outputFile;
    result.title.Append("\nhas been created successfully\n\nInformation:\n\n");
    result.report = BuildJarReport(facts);
    return 1;
}

