#include "zip_platform.h"

#include <windows.h>

#include <vector>

namespace {

void OemToAnsi(char* text, int length)
{
    if (length > 0)
        OemToCharBuffA(text, text, static_cast<DWORD>(length));
}

// Through UTF-16: the ANSI code page of the suite's windows (1252 on a
// Western system); characters it lacks become its default character.
int Utf8ToAnsi(const char* text, int length, char* out)
{
    if (length <= 0)
        return 0;
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    const int units = MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), length);
    if (units <= 0)
        return 0;
    const int written = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, out, length, nullptr, nullptr);
    return written > 0 ? written : 0;
}

bool IsRemovableDrive(const char* path)
{
    if (!path || (path[0] == '\\' && path[1] == '\\'))
        return false;  // network paths, and \\?\ paths, which this test does not take apart
    // A relative path lies on the current drive: GetDriveTypeA takes no root then.
    char root[4] = {path[0], ':', '\\', 0};
    const bool hasLetter = path[0] && path[1] == ':';
    return GetDriveTypeA(hasLetter ? root : nullptr) == DRIVE_REMOVABLE;
}

}  // namespace

const ZipPlatform& ZipSystemPlatform()
{
    static const ZipPlatform platform = {OemToAnsi, Utf8ToAnsi, IsRemovableDrive};
    return platform;
}
