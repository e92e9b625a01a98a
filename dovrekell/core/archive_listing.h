#pragma once

#include <string>
#include <vector>

#include "zip_archive.h"

// The entries of one jar or zip archive by folder, for the archive tree.
// Folders are keyed on their '/'-separated path ("" for the top level), so a
// folder named "jdk-17.0.1" stays one folder and "a.b/x" never meets "a/b/x".
// Reopening the archive that is already open reads nothing again.
class ArchiveListing {
public:
    ArchiveListing() = default;
    ArchiveListing(const ArchiveListing&) = delete;
    ArchiveListing& operator=(const ArchiveListing&) = delete;
    ~ArchiveListing();

    // 1 when the archive is open and listed; a damaged archive lists what was
    // read before the damage.
    int Open(const char* path);

    // The sub-folder names below folder (sorted ignoring case, no repeats) and
    // the file names directly in it (sorted by byte order).
    void ListChildren(const std::string& folder, std::vector<std::string>& subFolders,
                      std::vector<std::string>& files) const;

private:
    struct Entry {
        std::string name;
        int index;
    };
    struct Folder {
        std::string path;
        std::vector<Entry> entries;  // sorted by name, no repeats
    };

    void Close();
    void AddEntry(const char* name, int length, int index);

    ZipArchive archive;
    std::string archivePath;
    std::vector<Folder> folders;  // sorted by path
};
