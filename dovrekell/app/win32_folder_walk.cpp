#include "win32_folder_walk.h"

#include <windows.h>

#include <cstring>

bool Win32FolderWalk::List(const char* folder, std::vector<FolderEntry>& entries)
{
    XString pattern(folder);
    pattern.Append("\\*.*");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.Data(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0)
            continue;
        FolderEntry entry;
        entry.name.Assign(found.cFileName);
        entry.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(entry);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

FolderWalk::Kind Win32FolderWalk::KindOf(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return kMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? kDirectory : kFile;
}
