#pragma once

#include <cstdint>
#include <vector>

#include "extension_groups.h"
#include "xstring.h"

// The documentation folder check and the Contents scan, over two small
// seams: the directory walk (the file system) and the tree insertion (the
// tree control and index list, or a test's own tree).

struct FolderEntry {
    XString name;
    bool directory = false;  // also a link to a folder
    bool link = false;       // a junction or symbolic link
};

// What tells one folder from every other, whichever path or link leads to it.
struct FolderIdentity {
    uint64_t volume = 0;
    uint64_t file = 0;

    bool operator==(const FolderIdentity& other) const { return volume == other.volume && file == other.file; }
};

class FolderWalk {
public:
    enum Kind { kMissing = 0, kFile = 1, kDirectory = 2 };

    // The entries of folder ("." and ".." left out) in the order the system
    // enumerates them; false when the folder cannot be listed.
    virtual bool List(const char* folder, std::vector<FolderEntry>& entries) = 0;
    virtual Kind KindOf(const char* path) = 0;
    // false when the folder's identity cannot be read.
    virtual bool Identify(const char* folder, FolderIdentity& identity) = 0;

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
    virtual void AddIndexEntry(const char* title, const char* location) = 0;

protected:
    ~ContentsBuilder() = default;
};

// A folder named "docs" (any case) holding the folders "api" and "guide" or
// "specs" and the file "index.html" or else "index.htm".
int IsDocsFolder(FolderWalk& walk, const char* path);

// The folders a walk has entered and not yet left. A link that leads back
// to one of them is refused, so no walk runs in circles; a link to anywhere
// else is walked like any folder. Only a link can lead back, so identities
// are read only when a link is entered: a walk without links costs nothing.
class OpenFolders {
public:
    explicit OpenFolders(FolderWalk& walk) : walk(walk) {}

    // false, and nothing entered, when the folder is a link to a folder
    // open already.
    bool Enter(const char* folder, bool link);
    void Leave() { open.pop_back(); }

private:
    enum Known { kUnread, kRead, kUnreadable };
    struct Open {
        XString path;
        FolderIdentity identity;
        Known known = kUnread;
    };

    bool Identify(Open& folder);

    FolderWalk& walk;
    std::vector<Open> open;
};

// Fills every group root and the catch-all root from the documentation
// folder in one walk; only the first group's files go into the index. Under
// each root come the sub-folders and matching files in the order the folder
// lists them, with no folder that holds nothing for that root; a link back
// up into a folder being walked is shown beside what its folder shows, not
// walked again. Stops soon after keepRunning is cleared.
void BuildContents(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder,
                   const volatile long& keepRunning);
