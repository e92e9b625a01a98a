#pragma once

#include <windows.h>

#include <string>

#include "help_settings.h"
#include "support/test_files.h"

// The settings file beside the test program, as the browser's windows open
// it: its folder made, the file removed (a fresh one has the empty records).
inline void RemoveHelpSettingsFile()
{
    const std::string path = HelpSettings::GetPath().Data();
    CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
    RemoveFile(path);
}
