#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "docs_scan.h"
#ifdef _WIN32
#include "win32_folder_walk.h"
#else
#include <filesystem>

#include <sys/stat.h>
#endif

// The directory walk of the system the tests run on (under Windows or Wine
// the program's own), with entries in name order so the tree has one
// expected shape. Paths come with backslashes. A link to a folder is listed
// as a folder and a link.
class NativeFolderWalk : public FolderWalk {
public:
    bool List(const char* folder, std::vector<FolderEntry>& entries) override
    {
#ifdef _WIN32
        if (!system.List(folder, entries))
            return false;
#else
        std::error_code error;
        std::filesystem::directory_iterator it(Native(folder), error);
        if (error)
            return false;
        for (const std::filesystem::directory_entry& found : it) {
            FolderEntry entry;
            entry.name.Assign(found.path().filename().string().c_str());
            entry.directory = found.is_directory();
            entry.link = found.is_symlink();
            entries.push_back(entry);
        }
#endif
        std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
            return std::string(a.name.Data()) < std::string(b.name.Data());
        });
        ++listed;
        return true;
    }
    Kind KindOf(const char* path) override
    {
#ifdef _WIN32
        return system.KindOf(path);
#else
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(Native(path), error);
        if (error || !std::filesystem::exists(status))
            return kMissing;
        return std::filesystem::is_directory(status) ? kDirectory : kFile;
#endif
    }
    bool Identify(const char* folder, FolderIdentity& identity) override
    {
#ifdef _WIN32
        return system.Identify(folder, identity);
#else
        struct stat status;
        if (stat(Native(folder).c_str(), &status) != 0)
            return false;
        identity.volume = static_cast<uint64_t>(status.st_dev);
        identity.file = static_cast<uint64_t>(status.st_ino);
        return true;
#endif
    }

    int listed = 0;

private:
#ifdef _WIN32
    Win32FolderWalk system;
#else
    static std::string Native(std::string path)
    {
        std::replace(path.begin(), path.end(), '\\', '/');
        return path;
    }
#endif
};
