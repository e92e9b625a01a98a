#include "file_system.h"

#include <windows.h>

#include "../xbuffer.h"
#include "path_text.h"

namespace {

// The first try; longer paths get a larger buffer.
constexpr DWORD kModulePathSize = 999;

// 1 when the path names an entry; its attributes in *attributes.
int FindEntry(const char* path, DWORD* attributes)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    *attributes = found.dwFileAttributes;
    return 1;
}

}  // namespace

XString UnderProgramDir(const char* relative)
{
    XString path = GetProgramDir();
    path.Append(relative);
    return path;
}

XString GetModulePath()
{
    XBuffer buffer;
    for (DWORD size = kModulePathSize + 1; size <= 32768; size *= 2) {
        if (!buffer.Resize(static_cast<int>(size)))
            return XString();
        const DWORD n = GetModuleFileNameA(nullptr, buffer.Text(), size);
        if (n == 0)
            return XString();
        if (n < size - 1)
            return XString(buffer.Text(), static_cast<int>(n));
    }
    return XString();
}

XString GetProgramDir()
{
    const XString path = GetModulePath();
    return path.IsEmpty() ? XString() : ProgramDirectoryOf(path.Data());
}

XString GetBinDir()
{
    return UnderProgramDir("\\bin");
}

XString GetTempDir()
{
    return UnderProgramDir("\\temp");
}

int IsDirectory(const char* path)
{
    DWORD attributes = 0;
    return FindEntry(path, &attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int FileExists(const char* path)
{
    DWORD attributes = 0;
    return FindEntry(path, &attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

XString NearestExistingDirectory(const char* path, int startWithPath)
{
    XString candidate = startWithPath ? XString(path) : PathDirectory(path);
    while (!candidate.IsEmpty()) {
        if (IsDirectory(candidate.Data()))
            return candidate;
        candidate = PathDirectory(candidate.Data());
    }
    return XString();
}
