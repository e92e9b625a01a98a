#include "starter_command.h"

#include <cstring>

namespace {

void CutAtLastBackslash(XString& path)
{
    const char* slash = std::strrchr(path.Data(), '\\');
    if (slash)
        path.Assign(path.Data(), static_cast<int>(slash - path.Data()));
}

}  // namespace

XString BuildStarterCommand(const char* modulePath)
{
    XString folder(modulePath);
    CutAtLastBackslash(folder);
    CutAtLastBackslash(folder);
    // Quoted: unquoted, a folder with a blank would split the program name.
    XString command("\"");
    command.AppendString(folder);
    command.Append("\\Quenlow.exe\" /jdkdochelp");
    return command;
}
