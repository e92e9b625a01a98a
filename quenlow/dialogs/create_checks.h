#pragma once

#include <windows.h>

#include "create_request.h"
#include "jar_files.h"
#include "settings/settings_file.h"
#include "xstring.h"

// The checks a build runs before the jar tool, each telling the user what is
// wrong (caption "Message") and returning 0, or returning 1.

// The output path has the extension of the chosen build and its folders exist.
int CheckOutputFile(const CreateRequest& request, HWND owner);
// With "Add manifest file": a named, existing text file.
int CheckManifestFile(const CreateRequest& request, HWND owner);

// The user's manifest names mainClass in its "Main-Class:" entry; otherwise
// the error text, with entryFound 1 when the entry is there but wrong.
int CheckUserManifest(const char* manifestPath, const char* mainClass, XString& error, int* entryFound);

// Writes "Main-Class: <name>" and an empty line to path; 0 (the file
// removed again) when that fails.
int WriteDefaultManifest(const char* path, const char* mainClass);

// What the jar tool is asked to pack.
struct JarCommand {
    XString command;
    // Where the file names went when the command line could not hold them;
    // the caller removes it once the tool has run. Empty otherwise.
    XString argumentFile;
    int includeAll = 1;
    int exclusionDisabled = 0;
    int fileCount = 0;
};

// The file options of the settings: which files a build packs.
void ReadJarFileFilter(SettingsFile& settings, JarFileFilter& filter);

// The jar tool's command line when the names go into its argument file.
XString JarArgumentFileCommand(const char* jarTool, const char* manifest, bool compression, const char* target);

// The jar tool's command for the files that the filter took, named relative
// to baseFolder; so many names that the command line cannot hold them go
// into the argument file, written here. 0 after telling the user when no
// file is left to pack.
int JarCommandForFiles(HWND owner, const CreateRequest& request, const char* baseFolder, const char* jarTool,
                       const char* target, const char* manifest, const JarFileFilter& filter,
                       const StringPtrList& files, JarCommand& out);

// Command id of the file options, which a question about them opens.
constexpr UINT kFileOptionsCommand = 32779;
