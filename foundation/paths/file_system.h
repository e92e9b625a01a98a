#pragma once

#include "../xstring.h"

// The suite's own folders and existence tests over the Windows file system.

// The full path of the running program, of any length; empty when it cannot be read.
XString GetModulePath();
// The folder of the running program; empty when its path cannot be read.
XString GetProgramDir();
// The program's folder followed by relative, which starts with a backslash.
XString UnderProgramDir(const char* relative);
// "<program directory>\bin": helper programs, the stub container, the
// context-menu library. "\bin" when the program path cannot be read.
XString GetBinDir();
// "<program directory>\temp": the builders' temporary files.
XString GetTempDir();

int IsDirectory(const char* path);
int FileExists(const char* path);
// The first existing folder among the path (only when startWithPath is set),
// its parent, its parent's parent...; empty when none exists.
XString NearestExistingDirectory(const char* path, int startWithPath);
