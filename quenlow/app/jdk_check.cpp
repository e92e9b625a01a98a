#include "jdk_check.h"

#include <windows.h>

#include "java_home.h"
#include "xstring.h"

const char kJdkMissingMessage[] =
    "You did not install Java development kit (JDK),\nor it may become corrupted,\nplease install or re-install "
    "JDK.\n\nDo you want to view your Java installation now?\n";
const char kSettingsMissingMessage[] =
    "Error:\ncan not read setting file,\nplease try again or restart your computer.\n";
const char kSettingsNotWritableMessage[] =
    "Error:\ncan not write setting file,\nit may be read-only or damaged: changes of settings are not kept.\n";

bool JdkToolsPresent(const char* home)
{
    static const char* const kTools[] = {"\\bin\\java.exe", "\\bin\\javaw.exe", "\\bin\\jar.exe"};
    for (const char* tool : kTools) {
        XString path(home);
        path.Append(tool);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(path.Data(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return false;
        FindClose(search);
    }
    return true;
}

bool CheckJdkInstalled()
{
    XString home;
    return GetJavaHome(kJdkRegistryKey, home) && JdkToolsPresent(home.Data());
}
