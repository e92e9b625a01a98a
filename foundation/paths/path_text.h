#pragma once

#include "../xstring.h"

// Path texts: single-byte, backslash-separated. Pure text work, no file system.

// The text before the last backslash; empty when there is none.
XString PathDirectory(const char* path);
// The folder a file lies in: PathDirectory, except that a drive root keeps
// its backslash ("C:\x.class" gives "C:\", since "C:" alone names the
// drive's current folder).
XString FileFolder(const char* path);
// Between the last backslash and the last dot; without a dot, all after the
// last backslash; empty when the last dot lies in a folder name.
XString PathFileTitle(const char* path);
// From the end: the text after the first dot met; empty when a backslash
// comes first or there is no dot.
XString PathExtension(const char* path);
// The same, as a pointer into path (no copy).
const char* PathExtensionText(const char* path);

// Removes every occurrence of c, in place.
void RemoveChar(XString& text, char c);

// The program directory for a module path: the text before its last
// backslash (the whole text when it holds none).
XString ProgramDirectoryOf(const char* modulePath);

// A folder chosen in the folder picker, as the suite stores it: one trailing
// backslash dropped, except from a drive root ("C:\" stays "C:\", since "C:"
// alone names the drive's current directory).
XString PickedFolderText(const char* shellPath);

// Appends the path in double quotes for a command line or a payload. A path
// that ends in a backslash (a drive root, "D:\") gets a "." behind it, so the
// closing quote never follows a backslash: `\"` would read as a quote that
// belongs to the text.
void AppendQuotedPath(XString& out, const char* path);
