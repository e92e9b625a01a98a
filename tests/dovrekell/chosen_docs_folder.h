#pragma once

#include <windows.h>

#include <string>

#include "help_settings.h"

// Makes docs the one documentation folder the settings name, so the panel
// loads it next; the settings folder is made when it is missing.
inline bool ChooseDocsFolder(const char* docs)
{
    const std::string path = HelpSettings::GetPath().Data();
    CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
    HelpSettings settings;
    if (!settings.OpenAndInit())
        return false;
    StringList folders;
    folders.Add(docs);
    const bool saved = settings.SetList(HelpSettings::kDocsFolders, folders) != 0;
    settings.Close();
    return saved;
}
