#include "docs_options.h"

#include "extension_groups.h"
#include "extension_text.h"

namespace {

constexpr int kProgressEvery = 100;

XString Quoted(const char* before, const XString& extension, const char* after)
{
    XString message(before);
    message.AppendString(extension);
    message.Append(after);
    return message;
}

// Links are followed like folders; one back up into a folder the search is
// inside of is not, so no search runs in circles.
struct DriveSearch {
    FolderWalk& walk;
    std::vector<XString>& folders;
    const std::function<void()>& progress;
    const std::function<void(int)>& found;
    OpenFolders open{walk};
    int visited = 0;

    void Visit(const char* path, bool link)
    {
        if (visited++ % kProgressEvery == 0 && progress)
            progress();
        XString folder(path);
        while (!folder.IsEmpty() && folder.LastChar() == '\\')
            folder.RemoveLast();
        if (IsDocsFolder(walk, folder.Data())) {
            folders.push_back(folder);
            if (found)
                found(static_cast<int>(folders.size()));
            return;
        }
        // A drive's root keeps its backslash: "D:" alone names the drive's
        // current folder.
        if (!open.Enter(path, link))
            return;
        std::vector<FolderEntry> entries;
        if (walk.List(folder.Data(), entries)) {
            for (const FolderEntry& entry : entries) {
                if (!entry.directory)
                    continue;
                XString child(folder);
                child.AppendChar('\\');
                child.AppendString(entry.name);
                Visit(child.Data(), entry.link);
            }
        }
        open.Leave();
    }
};

}  // namespace

XString ExtensionInputRefusal(const char* text, const std::vector<XString>& entries)
{
    if (!*text)
        return XString("Please input file extensions");
    if (!IsExtensionList(text))
        return XString("Bad file extension's format");
    XString extension;
    ExtensionGroups used;
    used.AddUserGroups(entries);
    if (used.FindExcludedExtension(text, extension))
        return Quoted("Extension \"", extension, "\" is not for text files");
    if (used.FindGroupedExtension(text, extension))
        return Quoted("The extension \"", extension, "\" has been used already");
    return XString();
}

void FindDocsFolders(FolderWalk& walk, const std::vector<XString>& roots, std::vector<XString>& folders,
                     const std::function<void()>& progress, const std::function<void(int)>& found)
{
    DriveSearch search{walk, folders, progress, found};
    for (const XString& root : roots)
        search.Visit(root.Data(), false);
}
