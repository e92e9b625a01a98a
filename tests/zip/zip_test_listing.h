#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "zip_archive.h"

// One listed entry as unzip prints it: '/' between the parts of the name.
struct ListedEntry {
    std::string name;
    bool directory;
    bool operator==(const ListedEntry& o) const { return name == o.name && directory == o.directory; }
};

inline std::ostream& operator<<(std::ostream& out, const ListedEntry& e)
{
    return out << (e.directory ? "dir  " : "file ") << e.name;
}

// Every entry of an open archive in index order, read through GetFileInfo.
inline std::vector<ListedEntry> ListEntries(const ZipArchive& archive)
{
    std::vector<ListedEntry> out;
    ZipFileHeader header;
    for (int i = 0; archive.GetFileInfo(header, i); ++i) {
        std::string name = header.GetFileName().Data();
        for (char& c : name)
            c = c == '\\' ? '/' : c;
        out.push_back({name, header.IsDirectory()});
    }
    return out;
}
