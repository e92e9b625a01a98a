#include "create_checks.h"

#include "jar_command.h"
#include "jar_files.h"
#include "paths/file_system.h"
#include "paths/path_text.h"
#include "paths/text_file.h"
#include "process/argument_file.h"
#include "seams.h"
#include "xbuffer.h"
#include "xfile.h"
#include "xfind.h"

namespace {

int Refuse(HWND owner, const XString& text)
{
    seams::ShowMessage(owner, text.Data(), "Message", MB_OK);
    return 0;
}

// Past a share's own folder ("\\server\share") or the root ("\") there is
// nothing a search can list: the walk up the folders stops there.
bool IsAboveListableFolders(const XString& folder)
{
    if (folder.Length() <= 1)
        return true;
    if (folder[0] == '\\' && folder[1] == '\\') {
        for (int i = 2; i < folder.Length(); ++i) {
            if (folder[i] == '\\')
                return false;
        }
        return true;
    }
    return false;
}

bool CanList(const XString& folder)
{
    XString pattern(folder);
    pattern.Append("\\*.*");
    XFind find;
    return find.FindFirst(pattern.Data());
}

XString ArgumentFilePath()
{
    XString path = GetTempDir();
    path.Append("\\jarfiles.txt");
    return path;
}

// Names relative to the base folder, one a line of the jar tool's argument file.
int UseArgumentFile(const char* jarTool, const char* manifest, bool compression, const char* target,
                    const StringPtrList& files, const char* baseFolder, JarCommand& out)
{
    XString list;
    const int skip = RelativeNameStart(baseFolder);
    for (int i = 0; i < files.Count(); ++i) {
        const XString* file = files.StringAt(i);
        AppendArgumentFileLine(list, file->Length() > skip ? file->Data() + skip : "");
    }
    out.argumentFile = ArgumentFilePath();
    CreateDirectoryA(GetTempDir().Data(), nullptr);
    if (!WriteArgumentFile(out.argumentFile.Data(), list)) {
        out.argumentFile.Assign("");
        return 0;
    }
    out.command = JarArgumentFileCommand(jarTool, manifest, compression, target);
    return 1;
}

}  // namespace

int CheckOutputFile(const CreateRequest& request, HWND owner)
{
    XString message("Error in field   \"Output file\"\n");
    if (request.outputFile.IsEmpty()) {
        message.Append("Please input an output file");
        return Refuse(owner, message);
    }
    const XString extension = PathExtension(request.outputFile.Data());
    if (lstrcmpiA(extension.Data(), request.exe ? "exe" : "jar") != 0) {
        message.Append(request.exe ? "Please input an exe file for \"Windows exe file\""
                                   : "Please input a jar file for \"Executable jar file\"");
        return Refuse(owner, message);
    }
    message.Assign("Error in field   \"Output file\"\n\n");
    for (XString folder = PathDirectory(request.outputFile.Data()); !folder.IsEmpty();
         folder = PathDirectory(folder.Data())) {
        if (IsAboveListableFolders(folder))
            break;
        if (!CanList(folder)) {
            message.Append("Directory\n");
            message.AppendString(folder);
            message.Append("\ndoes not exist\n");
            return Refuse(owner, message);
        }
    }
    return 1;
}

int CheckManifestFile(const CreateRequest& request, HWND owner)
{
    if (!request.addManifest)
        return 1;
    const char* problem = nullptr;
    if (request.manifestFile.IsEmpty())
        problem = "You add manifest file but the file has not been specified";
    else if (!FileExists(request.manifestFile.Data()) || IsDirectory(request.manifestFile.Data()))
        problem = "You add manifest file but the file is unavailable";
    else if (!IsTextFile(request.manifestFile.Data()))
        problem = "You add manifest file but the file is not an ASCII file";
    if (!problem)
        return 1;
    XString message(problem);
    message.Append("\n\nPlease input an available manifest file or do not add manifest file (by default)\n");
    return Refuse(owner, message);
}

int CheckUserManifest(const char* manifestPath, const char* mainClass, XString& error, int* entryFound)
{
    *entryFound = 0;
    XFile file;
    if (!file.Open(manifestPath, XFile::OpenExisting, 0)) {
        error.Assign("Error: the manifest file is not available");
        return 0;
    }
    if (file.GetSize() == 0) {
        error.Assign("Error: the manifest file doesn't contain any entries");
        return 0;
    }
    XBuffer text;
    int length = 0;
    if (!file.ReadWhole(text, &length) || length <= 0) {
        error.Assign("Error: can not access to the manifest file, please try again");
        return 0;
    }
    return CheckManifestText(reinterpret_cast<const char*>(text.Data()), static_cast<size_t>(length), mainClass,
                             error, entryFound);
}

int WriteDefaultManifest(const char* path, const char* mainClass)
{
    const XString text = DefaultManifestText(mainClass);
    XFile file;
    const bool written = file.Open(path, XFile::CreateAlways, 1) && file.Write(text.Data(), text.Length());
    file.Close();
    if (written)
        return 1;
    DeleteFileA(path);
    return 0;
}

void ReadJarFileFilter(SettingsFile& settings, JarFileFilter& filter)
{
    settings.GetFileOptions(&filter.includeAll, &filter.exclusionDisabled);
    settings.GetExtensionLists(filter.includeAll, filter.include, filter.exclusionDisabled, filter.exclude);
}

XString JarArgumentFileCommand(const char* jarTool, const char* manifest, bool compression, const char* target)
{
    StringPtrList none;
    XString command = JarToolCommand(jarTool, manifest, compression, target, none, "");
    command.Append(" @\"");
    command.AppendString(ArgumentFilePath());
    command.AppendChar('"');
    return command;
}

int JarCommandForFiles(HWND owner, const CreateRequest& request, const char* baseFolder, const char* jarTool,
                       const char* target, const char* manifest, const JarFileFilter& filter,
                       const StringPtrList& files, JarCommand& out)
{
    if (files.Count() == 0) {
        // Posted: the file options open once this build has given up.
        if (seams::ShowMessage(owner,
                               "There is no file to be compressed,\nYou my need to change file options.\n\nDo you "
                               "want to change it now?\n",
                               "Message", MB_YESNO) == IDYES)
            PostMessageA(owner, WM_COMMAND, kFileOptionsCommand, 0);
        return 0;
    }
    out.command = JarToolCommand(jarTool, manifest, request.compression != 0, target, files, baseFolder);
    // Windows starts no program with a longer command line: the names go
    // into an argument file, which the jar tool reads itself.
    if (out.command.Length() > kLongestCommandLine &&
        !UseArgumentFile(jarTool, manifest, request.compression != 0, target, files, baseFolder, out)) {
        seams::ShowMessage(owner,
                           "There are too many files to be compressed at once:\nthe list of their names could not be "
                           "written.",
                           "Message", MB_OK);
        return 0;
    }
    out.includeAll = filter.includeAll;
    out.exclusionDisabled = filter.exclusionDisabled;
    out.fileCount = files.Count();
    return 1;
}
