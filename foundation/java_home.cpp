#include "java_home.h"

#include <windows.h>

namespace {

// A string value read whole, terminated inside the buffer even when the value
// fills it or was stored without its NUL.
bool ReadString(HKEY key, const char* name, XString& value)
{
    char buffer[1024];
    DWORD type = 0;
    DWORD size = sizeof buffer - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    buffer[size < sizeof buffer ? size : sizeof buffer - 1] = 0;
    value.Assign(buffer);
    return true;
}

// The suite is a 32-bit program: its reads of HKLM\SOFTWARE land in the
// 32-bit view, and a 64-bit build asks for that view so both agree.
bool OpenKey(const char* path, HKEY& key)
{
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | KEY_WOW64_32KEY, &key) == ERROR_SUCCESS;
}

}  // namespace

int GetJavaHome(const char* baseKey, XString& home)
{
    HKEY base;
    if (!OpenKey(baseKey, base))
        return 0;
    XString version;
    const bool haveVersion = ReadString(base, "CurrentVersion", version);
    RegCloseKey(base);
    if (!haveVersion || version.IsEmpty())
        return 0;
    XString versionKey(baseKey);
    versionKey.AppendChar('\\');
    versionKey.AppendString(version);
    HKEY key;
    if (!OpenKey(versionKey.Data(), key))
        return 0;
    XString found;
    const bool haveHome = ReadString(key, "JavaHome", found);
    RegCloseKey(key);
    if (!haveHome)
        return 0;
    home.Copy(found);
    return 1;
}
