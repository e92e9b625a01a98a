#pragma once

#include <vector>

#include "extension_groups.h"
#include "xstring.h"

// The documentation folder check and the Contents scan, over two small
// seams: the directory walk (the file system) and the tree insertion (the
// tree control and index list, or a test's own tree).

struct FolderEntry {
    XString name;
    bool directory = false;
    bool link = false;  // a junction or symbolic link: never walked into
};

class FolderWalk {
public:
    enum Kind { kMissing = 0, kFile = 1, kDirectory = 2 };

    // The entries of folder ("." and ".." left out) in the order the system
    // enumerates them; false when the folder cannot be listed.
    virtual bool List(const char* folder, std::vector<FolderEntry>& entries) = 0;
    virtual Kind KindOf(const char* path) = 0;

protected:
    ~FolderWalk() = default;
};

class ContentsBuilder : public ContentsTree {
public:
    static constexpr int kRootImage = 0;
    static constexpr int kOnlineImage = 2;
    static constexpr int kFolderImage = 4;

    // Appends an item at the end of parent's children (null parent: a root).
    virtual ContentsItem Insert(ContentsItem parent, const char* text, int image) = 0;
    virtual void Delete(ContentsItem item) = 0;
    virtual void AddIndexEntry(const char* title, const char* location) = 0;

protected:
    ~ContentsBuilder() = default;
};

// A folder named "docs" (any case) holding the folders "api" and "guide" or
// "specs" and the file "index.html" or else "index.htm".
int IsDocsFolder(FolderWalk& walk, const char* path);

// Fills every group root, then the catch-all root, from the documentation
// folder; only the first group's files go into the index. Stops soon after
// keepRunning is cleared.
void BuildContents(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder,
                   const volatile long& keepRunning);
void ScanFolder(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder, ContentsItem parent,
                const char* folder, const std::vector<XString>* extensions, bool index,
                const volatile long& keepRunning);
// Deletes the folders below root that hold no file anywhere below them.
void PruneEmptyFolders(ContentsBuilder& builder, ContentsItem root, ContentsItem item);
