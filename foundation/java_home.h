#pragma once

#include "xstring.h"

// Registry keys under HKEY_LOCAL_MACHINE that name the installed Java homes.
constexpr const char kJdkRegistryKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
constexpr const char kJreRegistryKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

// 1 and the home of the version in use ("CurrentVersion", then "JavaHome"
// under that version's key); 0 with home untouched when anything is missing.
int GetJavaHome(const char* baseKey, XString& home);
