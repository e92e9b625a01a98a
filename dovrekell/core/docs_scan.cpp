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

// The text after the last '.'; null when the name has none.
const char* ExtensionOf(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    return dot ? dot + 1 : nullptr;
}

bool Matches(const ExtensionGroups& groups, const char* name, const std::vector<XString>* extensions)
{
    const char* extension = ExtensionOf(name);
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

void Walk(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder, ContentsItem root,
          const std::vector<XString>* extensions, bool index, const volatile long& keepRunning)
{
    ScanFolder(groups, walk, builder, root, groups.DocsFolder().Data(), extensions, index, keepRunning);
    PruneEmptyFolders(builder, root, root);
}

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

void BuildContents(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder,
                   const volatile long& keepRunning)
{
    bool first = true;
    for (const ExtensionGroup& group : groups.FixedGroups()) {
        Walk(groups, walk, builder, group.root, &group.extensions, first, keepRunning);
        first = false;
    }
    for (const ExtensionGroup& group : groups.UserGroups())
        Walk(groups, walk, builder, group.root, &group.extensions, false, keepRunning);
    Walk(groups, walk, builder, groups.CatchAllRoot(), nullptr, false, keepRunning);
}

void ScanFolder(const ExtensionGroups& groups, FolderWalk& walk, ContentsBuilder& builder, ContentsItem parent,
                const char* folder, const std::vector<XString>* extensions, bool index,
                const volatile long& keepRunning)
{
    if (!keepRunning)
        return;
    std::vector<FolderEntry> entries;
    if (!walk.List(folder, entries))
        return;
    for (const FolderEntry& entry : entries) {
        if (!keepRunning)
            return;
        if (entry.link)
            continue;
        const XString path = Join(folder, entry.name.Data());
        if (entry.directory) {
            ContentsItem item = builder.Insert(parent, entry.name.Data(), ContentsBuilder::kFolderImage);
            ScanFolder(groups, walk, builder, item, path.Data(), extensions, index, keepRunning);
        } else if (Matches(groups, entry.name.Data(), extensions)) {
            if (index) {
                const char* dot = std::strrchr(entry.name.Data(), '.');
                const XString title(entry.name.Data(), static_cast<int>(dot - entry.name.Data()));
                builder.Insert(parent, title.Data(), ContentsTree::kFileImage);
                builder.AddIndexEntry(title.Data(), path.Data());
            } else {
                builder.Insert(parent, entry.name.Data(), ContentsTree::kFileImage);
            }
        }
    }
}

void PruneEmptyFolders(ContentsBuilder& builder, ContentsItem root, ContentsItem item)
{
    ContentsItem child = builder.Child(item);
    while (child) {
        // The next sibling first: the child may be deleted below.
        ContentsItem next = builder.Next(child);
        if (builder.Image(child) == ContentsBuilder::kFolderImage)
            PruneEmptyFolders(builder, root, child);
        child = next;
    }
    if (item != root && !builder.Child(item))
        builder.Delete(item);
}
