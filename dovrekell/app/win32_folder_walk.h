#pragma once

#include "docs_scan.h"

// The directory walk over the Windows file system. Junctions and symbolic
// links are reported as links, so no walk follows them into a loop.
class Win32FolderWalk : public FolderWalk {
public:
    bool List(const char* folder, std::vector<FolderEntry>& entries) override;
    Kind KindOf(const char* path) override;
};
