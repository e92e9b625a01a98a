#pragma once

#include <windows.h>

#include "xstring.h"

// Texts of the registry, read and written in the program's own view unless
// a caller asks for another.

// The longest value text the suite reads through ReadRegistryString.
constexpr int kRegistryTextSize = 1020;

// Reads a value as a text of at most maxBytes characters, stored with or
// without its terminating NUL; the text always ends inside the reader's own
// buffer. 1 and out on success; 0 with out untouched otherwise (also for a
// longer text). view: 0, KEY_WOW64_64KEY or KEY_WOW64_32KEY.
int ReadRegistryText(HKEY root, const char* subKey, const char* valueName, int maxBytes, XString& out,
                     REGSAM view = 0);

int ReadRegistryString(HKEY root, const char* subKey, const char* valueName, XString& out);
// Sets the sub-key's default value (REG_SZ), creating the key when needed.
int WriteRegistryString(HKEY root, const char* subKey, const char* text);
