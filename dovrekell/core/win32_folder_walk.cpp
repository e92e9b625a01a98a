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
        // A junction or a link to a folder carries the directory attribute
        // too; Wine lists a Unix symbolic link so as well.
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

bool Win32FolderWalk::Identify(const char* folder, FolderIdentity& identity)
{
    // Opened through any link to the folder it leads to; backup semantics
    // let a folder be opened at all.
    HANDLE opened = CreateFileA(folder, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information;
    const bool read = GetFileInformationByHandle(opened, &information) != 0;
    CloseHandle(opened);
    if (!read)
        return false;
    identity.volume = information.dwVolumeSerialNumber;
    identity.file = (static_cast<uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return true;
}
