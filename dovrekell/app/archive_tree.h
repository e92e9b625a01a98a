#pragma once

#include <windows.h>

#include <memory>

#include "archive_listing.h"
#include "tree_view.h"

// The other-file view's tree of a jar or zip archive: the archive as root,
// its top level below, and each folder filled when it is first selected.
class ArchiveTree : public TreeView {
public:
    // Pictures of bitmap IDB_ARCHIVE_IMAGES; each item shows image i, and
    // i + 1 while selected.
    enum Picture { kJarRoot = 0, kZipRoot = 2, kFolder = 4, kEntry = 6, kError = 8 };

    ArchiveTree();
    ~ArchiveTree();
    ArchiveTree(const ArchiveTree&) = delete;
    ArchiveTree& operator=(const ArchiveTree&) = delete;

    bool Create(HWND parent, const RECT& place, int id);
    void ShowArchive(const char* path, const char* extension);
    // TVN_SELCHANGED of this tree, as its parent receives it.
    void OnSelectionChanged(const NMTREEVIEWA& change);

private:
    HTREEITEM Add(HTREEITEM parent, const std::string& text, int image) const;

    std::unique_ptr<ArchiveListing> listing;
};
