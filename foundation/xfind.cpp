#include "xfind.h"

#include <cstring>

XFind::~XFind()
{
    Close();
}

bool XFind::FindFirst(const char* pattern)
{
    Close();
    HANDLE h = FindFirstFileA(pattern, &found);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    search = h;
    const char* slash = std::strrchr(pattern, '\\');
    directory.Assign(pattern, slash ? static_cast<int>(slash - pattern) : 0);
    return true;
}

bool XFind::FindNext()
{
    return search && FindNextFileA(search, &found);
}

bool XFind::IsDirectory() const
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool XFind::IsDots() const
{
    return IsDirectory() && (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0);
}

void XFind::Close()
{
    if (search)
        FindClose(search);
    search = nullptr;
    directory.Assign("", 0);
}
