#pragma once

#include <cstddef>

#include "garray.h"
#include "xstring.h"

// The class-path root of a main class: the path without the package folders
// and the file name, where path ends in "\<package as folders>\<Name>.class"
// and qualifiedName is "package.Name". 0 when the file lies in another folder.
int ClassRootFromPath(const char* path, const char* qualifiedName, XString& baseFolder);

// Checks a user's manifest text for the "Main-Class:" entry naming mainClass.
// 1 when it is there; 0 with the message text, and entryFound 1 when the entry
// exists but names something else or is badly formed.
int CheckManifestText(const char* text, size_t size, const char* mainClass, XString& error, int* entryFound);

// "Main-Class: <name>" and an empty line: the manifest used when the user
// gives none.
XString DefaultManifestText(const char* mainClass);

// Where a file's name relative to the base folder begins in its full path:
// behind the folder and its backslash (a drive root, "C:\", has it already).
int RelativeNameStart(const char* baseFolder);

// The jar tool's command line: the tool, its options, the manifest (when
// given) and the target, then each file relative to the base folder, quoted.
XString JarToolCommand(const char* jarTool, const char* manifest, bool compression, const char* target,
                       const StringPtrList& files, const char* baseFolder);

// The lines shown in the creating-information dialog after a jar was built.
struct JarReportFacts {
    bool defaultManifest = true;
    bool compression = false;
    bool mainClassDirectoryOnly = false;
    bool includeAll = false;
    bool exclusionDisabled = false;
};
XString BuildJarReport(const JarReportFacts& facts);
