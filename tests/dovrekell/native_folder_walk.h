#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "docs_scan.h"

// The directory walk over the native file system; entries in name order so
// the tree has one expected shape. Paths come with backslashes.
class NativeFolderWalk : public FolderWalk {
public:
    bool List(const char* folder, std::vector<FolderEntry>& entries) override
    {
        std::error_code error;
        std::filesystem::directory_iterator it(Native(folder), error);
        if (error)
            return false;
        for (const std::filesystem::directory_entry& found : it) {
            FolderEntry entry;
            entry.name.Assign(found.path().filename().string().c_str());
            entry.link = found.is_symlink();
            entry.directory = !entry.link && found.is_directory();
            entries.push_back(entry);
        }
        std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
            return std::string(a.name.Data()) < std::string(b.name.Data());
        });
        ++listed;
        return true;
    }
    Kind KindOf(const char* path) override
    {
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(Native(path), error);
        if (error || !std::filesystem::exists(status))
            return kMissing;
        return std::filesystem::is_directory(status) ? kDirectory : kFile;
    }

    int listed = 0;

private:
    static std::string Native(std::string path)
    {
        std::replace(path.begin(), path.end(), '\\', '/');
        return path;
    }
};
