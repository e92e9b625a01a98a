#pragma once

#include "garray.h"
#include "java_lookup.h"
#include "xstring.h"

// The installed JDK and JRE, found through the keys their installers write
// under HKEY_LOCAL_MACHINE, and the paths of their tools and archives.

// Sub-folders searched for wanted archives, in order.
extern const char* const kJreLibFolders[];
constexpr int kJreLibFolderCount = 4;
extern const char* const kJdkLibFolders[];
constexpr int kJdkLibFolderCount = 6;

// 1 and the home of the kit under baseKey ("CurrentVersion", then
// "JavaHome" under its version key), read in the program's own registry view
// and then in the 64-bit view; 0 with home untouched otherwise.
int GetJavaHome(const char* baseKey, XString& home);

// The home of the first kit, in the caller's order, whose folder holds the
// tool (home + toolSuffix, such as "\bin\jar.exe"); see FindJavaHomeIn for
// the keys and views tried. 1 and home; 0 with home untouched otherwise.
int FindJavaHome(JavaKitOrder order, const char* toolSuffix, XString& home);
int FindJavaHome(JavaKitOrder order, const char* const* toolSuffixes, int toolCount, XString& home);

// home + toolSuffix (such as "\bin\javaw.exe") from the first home of the
// two kits that holds the tool; in double quotes when quoted is set; empty
// when no kit has it.
XString FindJavaToolExe(const char* toolSuffix, int jdkFirst, int quoted);
// javaw from the JRE home, else from the JDK home.
XString FindJavawExe(int quoted);

// Adds to the sorted list, at their sorted places and without duplicates,
// the names of the files (not folders) matching directory\*.extension.
void FindFilesByExtension(StringPtrList& list, const char* directory, const char* extension);

// For each folder home\folders[i], in order: each archive (*.jar) found there
// whose name starts a wanted entry (XString*, letter case counts) leaves the
// wanted list and is appended to classPath as "<folder>\<name>";.
void FindWantedJars(const char* home, const char* const* folders, int folderCount, PtrArray& wanted,
                    XString& classPath);

// The home of the kit (kJreOnly or kJdkOnly) whose library folders the
// system class path's archives are taken from: the first of its homes that
// holds javaw, as the runs take their javaw from one. 1 and home; 0 with
// home untouched when the kit has none.
int FindLibraryHome(JavaKitOrder kit, XString& home);

// The archives of a system class path ("a.jar;b.jar;") found in the library
// folders of the JRE's home, then of the JDK's (FindLibraryHome), each quoted
// and followed by ";". A name found in neither is left out; the text after
// the last ';' is no name.
XString SystemClassPathPart(const char* systemClassPath);
