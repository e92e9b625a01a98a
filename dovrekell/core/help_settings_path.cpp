#include "help_settings.h"

#include "paths/file_system.h"

XString HelpSettings::GetPath()
{
    XString path = GetProgramDir();
    path.Append("\\Setting\\Dovrekell.set");
    return path;
}
