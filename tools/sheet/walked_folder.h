#pragma once

#include <windows.h>

#include <cstring>

// A folder entry that the Find pages' walks go down into: a real sub-folder.
// Junctions and symbolic links are left alone: today's user profiles hold
// junction loops, and under Wine a drive link leads back into the tree, so a
// walk that followed them would never end.
inline bool IsSubFolderToWalk(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 && std::strcmp(entry.cFileName, ".") != 0 &&
           std::strcmp(entry.cFileName, "..") != 0;
}
