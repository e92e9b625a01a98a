#pragma once

#include <windows.h>

#include <vector>

#include "../xfind.h"

// The entries of one folder, read many at a time: the system fills a large
// block with as many entries as it holds, where a find handle hands them
// over one call each (a folder of thousands of files lists in about two
// thirds of the time under Wine). Names come in the file functions' code
// page, as the find functions give them. One listing object serves folder
// after folder and keeps its block.
class FolderListing {
public:
    FolderListing() = default;
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;
    ~FolderListing() { Close(); }

    // false when the folder can not be listed.
    bool Open(const char* folder);
    // The next entry but "." and ".."; false at the end.
    bool Next();
    void Close();

    const char* Name() const { return name; }
    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
    bool ReadBlock();
    bool NextFromFind();

    HANDLE folderHandle = INVALID_HANDLE_VALUE;
    std::vector<unsigned char> block;
    size_t entryAt = 0;   // offset of the next entry in block
    bool blockLeft = false;
    // Where the block reading is not offered (older systems, some network
    // file systems), the find functions list the folder.
    XFind find;
    bool usingFind = false;
    bool findFirstPending = false;
    DWORD attributes = 0;
    char name[MAX_PATH * 2];
};
