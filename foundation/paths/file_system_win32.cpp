#include "file_system.h"

#include <windows.h>

#include "path_text.h"

namespace {

// Large enough for every path the suite gives its programs.
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

XString UnderProgramDir(const char* folder)
{
    XString dir = GetProgramDir();
    dir.Append(folder);
    return dir;
}

}  // namespace

XString GetProgramDir()
{
    char path[kModulePathSize + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, kModulePathSize);
    if (n == 0 || n >= kModulePathSize)
        return XString();
    return ProgramDirectoryOf(path);
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
