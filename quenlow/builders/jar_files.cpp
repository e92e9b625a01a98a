#include "jar_files.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "jar_command.h"
#include "paths/folder_listing.h"
#include "paths/path_text.h"

namespace {

// The lists come from the settings in whatever order the user's list boxes
// kept them, so they are searched one by one rather than by halving.
bool InPointerList(const StringPtrList& list, const char* text)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (std::strcmp(list.StringAt(i)->Data(), text) == 0)
            return true;
    }
    return false;
}

bool InList(const StringList& list, const char* text)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (std::strcmp(list.At(i)->Data(), text) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool JarFileFilter::Takes(const char* fileName) const
{
    const char* extension = PathExtensionText(fileName);
    if (!includeAll && !InPointerList(include, extension))
        return false;
    return exclusionDisabled || !InList(exclude, extension);
}

void CollectJarFiles(const char* folder, const JarFileFilter& filter, StringPtrList& files)
{
    // Folders still to walk; a list rather than recursion, so a deep tree
    // cannot exhaust the stack.
    std::vector<std::string> pending(1, std::string(folder));
    // Sorted once at the end: a folder lists in no useful order, and each
    // insertion in the middle of a sorted list of thousands moves half of it.
    std::vector<std::string> taken;
    FolderListing listing;
    while (!pending.empty()) {
        const std::string current = pending.back();
        pending.pop_back();
        if (!listing.Open(current.c_str()))
            continue;
        while (listing.Next()) {
            const bool directory = listing.IsDirectory();
            if (!directory && !filter.Takes(listing.Name()))
                continue;
            std::string path(current);
            if (path.empty() || path.back() != '\\')  // a drive root has its backslash
                path += '\\';
            path += listing.Name();
            (directory ? pending : taken).push_back(std::move(path));
        }
    }
    // Every path starts with the folder and a backslash: the order is decided
    // behind them (byte-wise, as strcmp orders the whole paths).
    const size_t shared = static_cast<size_t>(RelativeNameStart(folder));
    std::sort(taken.begin(), taken.end(), [shared](const std::string& a, const std::string& b) {
        return std::strcmp(a.c_str() + shared, b.c_str() + shared) < 0;
    });
    for (const std::string& path : taken) {
        if (files.Count() == 0 || std::strcmp(files.StringAt(files.Count() - 1)->Data(), path.c_str()) < 0)
            files.Add(new XString(path.c_str()));
        else
            files.InsertSorted(path.c_str());
    }
}

JarFilesSearch::JarFilesSearch(const char* searchFolder, const JarFileFilter& searchFilter)
    : folder(searchFolder), filter(searchFilter), thread(CreateThread(nullptr, 0, SearchProc, this, 0, nullptr))
{
}

JarFilesSearch::~JarFilesSearch()
{
    Files();
}

DWORD WINAPI JarFilesSearch::SearchProc(void* self)
{
    JarFilesSearch* search = static_cast<JarFilesSearch*>(self);
    CollectJarFiles(search->folder, search->filter, search->files);
    return 0;
}

StringPtrList& JarFilesSearch::Files()
{
    if (thread) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        thread = nullptr;
    } else if (folder) {
        // No thread could be made: the search runs here.
        CollectJarFiles(folder, filter, files);
    }
    folder = nullptr;
    return files;
}
