#include "settings_file.h"

#include "../paths/file_system.h"

XString SettingsFile::GetPath()
{
    XString path = GetProgramDir();
    path.Append("\\Setting\\Quenlow.set");
    return path;
}
