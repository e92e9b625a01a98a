#include "docs_scan.h"

#include <cstring>

#include "text_rules.h"

namespace {

XString Join(const char* folder, const char* name)
{
    XString path(folder);
    path.AppendChar('\\');
    path.Append(name);
    return path;
}

bool IsDirectory(FolderWalk& walk, const char* folder, const char* name)
{
    return walk.KindOf(Join(folder, name).Data()) == FolderWalk::kDirectory;
}

// One root of the tree as the walk fills it: the extensions it lists (none:
// the catch-all root) and whether its files go into the index.
struct RootFill {
    ContentsItem root;
    const std::vector<XString>* extensions;
    bool index;
};

bool Matches(const ExtensionGroups& groups, const char* extension, const std::vector<XString>* extensions)
{
    if (!extensions)
        return !extension || groups.IsCatchAllExtension(extension);
    if (!extension)
        return false;
    for (const XString& own : *extensions) {
        if (EqualsIgnoringCase(own.Data(), extension))
            return true;
    }
    return false;
}

// A folder on the walk's way down: its item below each root, made when the
// first thing to show under that root turns up below it, so a folder that
// holds nothing for a root never appears there and every item still comes
// in the order the folders list their entries.
struct WalkedFolder {
    WalkedFolder* up;  // null for the documentation folder
    const char* name;
    std::vector<ContentsItem> items;  // one per root
    std::vector<XString> loops;       // links back up met so far in this folder
};

class SingleWalk {
public:
    SingleWalk(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder,
               const volatile long& keepRunning)
        : groups(groups), walk(walk), builder(builder), keepRunning(keepRunning), open(walk)
    {
        bool first = true;
        for (const ExtensionGroup& group : groups.FixedGroups()) {
            roots.push_back({group.root, &group.extensions, first});
            first = false;
        }
        for (const ExtensionGroup& group : groups.UserGroups())
            roots.push_back({group.root, &group.extensions, false});
        roots.push_back({groups.CatchAllRoot(), nullptr, false});
    }

    void Run()
    {
        const XString& docs = groups.DocsFolder();
        WalkedFolder top{nullptr, docs.Data(), {}, {}};
        for (const RootFill& fill : roots)
            top.items.push_back(fill.root);
        if (!open.Enter(docs.Data(), false))
            return;
        Scan(top, docs);
        open.Leave();
    }

private:
    ContentsItem ItemOf(WalkedFolder& folder, size_t root)
    {
        if (folder.items[root] || !folder.up)
            return folder.items[root];
        const ContentsItem parent = ItemOf(*folder.up, root);
        const ContentsItem item = builder.Insert(parent, folder.name, ContentsBuilder::kFolderImage);
        folder.items[root] = item;
        for (const XString& loop : folder.loops)
            builder.Insert(item, loop.Data(), ContentsBuilder::kFolderImage);
        return item;
    }

    void Scan(WalkedFolder& folder, const XString& path)
    {
        if (!keepRunning)
            return;
        std::vector<FolderEntry> entries;
        if (!walk.List(path.Data(), entries))
            return;
        for (const FolderEntry& entry : entries) {
            if (!keepRunning)
                return;
            const XString entryPath = Join(path.Data(), entry.name.Data());
            if (entry.directory)
                ScanBelow(folder, entry, entryPath);
            else
                AddFile(folder, entry.name, entryPath);
        }
    }

    void ScanBelow(WalkedFolder& folder, const FolderEntry& entry, const XString& path)
    {
        const XString& name = entry.name;
        if (!open.Enter(path.Data(), entry.link)) {
            // Shown where its folder is, from now on and once the folder
            // itself appears.
            folder.loops.push_back(name);
            for (size_t root = 0; root < roots.size(); ++root) {
                if (folder.items[root] || !folder.up)
                    builder.Insert(folder.items[root], name.Data(), ContentsBuilder::kFolderImage);
            }
            return;
        }
        WalkedFolder child{&folder, name.Data(), std::vector<ContentsItem>(roots.size()), {}};
        Scan(child, path);
        open.Leave();
    }

    void AddFile(WalkedFolder& folder, const XString& name, const XString& path)
    {
        const char* dot = std::strrchr(name.Data(), '.');
        const char* extension = dot ? dot + 1 : nullptr;
        for (size_t root = 0; root < roots.size(); ++root) {
            const RootFill& fill = roots[root];
            if (!Matches(groups, extension, fill.extensions))
                continue;
            const ContentsItem parent = ItemOf(folder, root);
            if (fill.index) {
                const XString title(name.Data(), static_cast<int>(dot - name.Data()));
                builder.Insert(parent, title.Data(), ContentsTree::kFileImage);
                builder.AddIndexEntry(title.Data(), path.Data());
            } else {
                builder.Insert(parent, name.Data(), ContentsTree::kFileImage);
            }
        }
    }

    const ExtensionGroups& groups;
    FolderWalk& walk;
    ContentsBuilder& builder;
    const volatile long& keepRunning;
    OpenFolders open;
    std::vector<RootFill> roots;
};

}  // namespace

int IsDocsFolder(FolderWalk& walk, const char* path)
{
    const char* slash = std::strrchr(path, '\\');
    if (!EqualsIgnoringCase(slash ? slash + 1 : path, "docs"))
        return 0;
    if (!IsDirectory(walk, path, "api"))
        return 0;
    // Newer JDK bundles hold "specs" where older ones held "guide".
    if (!IsDirectory(walk, path, "guide") && !IsDirectory(walk, path, "specs"))
        return 0;
    FolderWalk::Kind index = walk.KindOf(Join(path, "index.html").Data());
    if (index == FolderWalk::kMissing)
        index = walk.KindOf(Join(path, "index.htm").Data());
    return index == FolderWalk::kFile ? 1 : 0;
}

bool OpenFolders::Identify(Open& folder)
{
    if (folder.known == kUnread)
        folder.known = walk.Identify(folder.path.Data(), folder.identity) ? kRead : kUnreadable;
    return folder.known == kRead;
}

bool OpenFolders::Enter(const char* folder, bool link)
{
    Open entered;
    entered.path.Assign(folder);
    if (link && Identify(entered)) {
        for (Open& other : open) {
            if (Identify(other) && other.identity == entered.identity)
                return false;
        }
    }
    open.push_back(entered);
    return true;
}

void BuildContents(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder,
                   const volatile long& keepRunning)
{
    SingleWalk(groups, walk, builder, keepRunning).Run();
}
