#include "settings_file.h"

#include "../paths/file_system.h"

XString SettingsFile::GetPath()
{
    return UnderProgramDir("\\Setting\\Quenlow.set");
}
