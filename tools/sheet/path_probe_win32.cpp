#include "inside_info.h"

#include <windows.h>

#include <cstring>

namespace {

// A plain path to a named entry: no wildcard, no share, not ending in a
// separator or a drive. For such a path the attributes alone answer as a
// search for it would, at a fraction of the cost (a search lists the folder).
bool IsPlainEntryPath(const char* path)
{
    const size_t length = std::strlen(path);
    if (length == 0 || std::strpbrk(path, "*?") || (path[0] == '\\' && path[1] == '\\'))
        return false;
    const char last = path[length - 1];
    return last != '\\' && last != '/' && last != ':';
}

}  // namespace

PathKind ProbePath(const char* path)
{
    if (IsPlainEntryPath(path)) {
        const DWORD attributes = GetFileAttributesA(path);
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return PathKind::Missing;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return PathKind::Missing;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}
