#pragma once

#include <vector>

#include "xstring.h"

// An item of the Contents tree, as the tree control names it.
using ContentsItem = const void*;

// What the groups read of the Contents tree; the panel answers it with the
// tree control, tests with a small tree of their own.
class ContentsTree {
public:
    static constexpr int kFileImage = 6;

    virtual ContentsItem Child(ContentsItem item) const = 0;  // first child; null when none
    virtual ContentsItem Next(ContentsItem item) const = 0;   // next sibling; null when none
    virtual ContentsItem Parent(ContentsItem item) const = 0;
    virtual XString Text(ContentsItem item) const = 0;
    virtual int Image(ContentsItem item) const = 0;

protected:
    ~ContentsTree() = default;
};

struct ExtensionGroup {
    XString label;
    ContentsItem root = nullptr;  // null until the tree has the group's root
    std::vector<XString> extensions;

    int Contains(const char* extension) const;  // ignoring case
};

// The extension groups of the Contents tree: four fixed ones, the user's, and
// a catch-all root for every other file; also the documentation folder text
// and the "Online" root, which the tree's questions need beside them.
class ExtensionGroups {
public:
    void Reset();
    void AddFixedGroups();
    // One group from an extension list text such as "txt;XML" (label "Txt & Xml").
    void AddUserGroup(const char* text);
    void AddUserGroups(const std::vector<XString>& texts);

    int IsInGroups(const char* extension) const;
    int IsCatchAllExtension(const char* extension) const;
    int FindGroupedExtension(const char* listText, XString& extension) const;
    int FindExcludedExtension(const char* listText, XString& extension) const;
    static int IsExcluded(const char* extension);

    int IsRoot(ContentsItem item) const;
    int IsDocumentRoot(ContentsItem item) const;
    // The item's path below its root, which is reported in root.
    XString RelativePath(const ContentsTree& tree, ContentsItem item, ContentsItem* root) const;
    // Full paths of the tree's files with the extension, below the root of
    // the group that holds it (else the catch-all root).
    void CollectFiles(const ContentsTree& tree, const char* extension, std::vector<XString>& paths) const;

    std::vector<ExtensionGroup>& FixedGroups() { return fixedGroups; }
    std::vector<ExtensionGroup>& UserGroups() { return userGroups; }
    const std::vector<ExtensionGroup>& FixedGroups() const { return fixedGroups; }
    const std::vector<ExtensionGroup>& UserGroups() const { return userGroups; }
    const XString& CatchAllLabel() const { return catchAllLabel; }
    ContentsItem CatchAllRoot() const { return catchAllRoot; }
    void SetCatchAllRoot(ContentsItem item) { catchAllRoot = item; }
    ContentsItem OnlineRoot() const { return onlineRoot; }
    void SetOnlineRoot(ContentsItem item) { onlineRoot = item; }
    const XString& DocsFolder() const { return docsFolder; }
    void SetDocsFolder(const char* folder) { docsFolder.Assign(folder); }

private:
    ContentsItem RootFor(const char* extension) const;
    void CollectBelow(const ContentsTree& tree, ContentsItem parent, const char* extension,
                      std::vector<XString>& paths) const;

    std::vector<ExtensionGroup> fixedGroups;
    std::vector<ExtensionGroup> userGroups;
    XString catchAllLabel;
    ContentsItem catchAllRoot = nullptr;
    XString docsFolder;
    ContentsItem onlineRoot = nullptr;
};
