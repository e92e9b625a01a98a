#pragma once

#include <windows.h>

#include "xstring.h"

// Texts of the registry. Keys under HKEY_LOCAL_MACHINE\SOFTWARE are opened in
// the 32-bit view, where the suite (a 32-bit program) and the installers it
// relies on keep them, so a 64-bit build sees the same entries.

// The longest value text the suite reads through ReadRegistryString.
constexpr int kRegistryTextSize = 1020;

// Reads a value as a text of at most maxBytes characters, stored with or
// without its terminating NUL; the text always ends inside the reader's own
// buffer. 1 and out on success; 0 with out untouched otherwise (also for a
// longer text).
int ReadRegistryText(HKEY root, const char* subKey, const char* valueName, int maxBytes, XString& out);

int ReadRegistryString(HKEY root, const char* subKey, const char* valueName, XString& out);
// Sets the sub-key's default value (REG_SZ), creating the key when needed.
int WriteRegistryString(HKEY root, const char* subKey, const char* text);

// KEY_WOW64_32KEY for HKEY_LOCAL_MACHINE\SOFTWARE\..., else 0.
REGSAM RegistryViewFor(HKEY root, const char* subKey);
