#pragma once

#include "docs_scan.h"

// The directory walk over the Windows file system. A junction or symbolic
// link to a folder is listed as a folder and a link; the folder's identity
// (volume and file index) is the same through every link, which lets a walk
// know a folder it is already in.
class Win32FolderWalk : public FolderWalk {
public:
    bool List(const char* folder, std::vector<FolderEntry>& entries) override;
    Kind KindOf(const char* path) override;
    bool Identify(const char* folder, FolderIdentity& identity) override;
};
