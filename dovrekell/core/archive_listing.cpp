#include "archive_listing.h"

#include <algorithm>

#include "text_rules.h"

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

// Adds name at its place, ignoring case, unless it is there already.
void InsertComponent(std::vector<std::string>& names, const std::string& name)
{
    auto at = std::lower_bound(names.begin(), names.end(), name, LessIgnoringCase);
    if (at == names.end() || LessIgnoringCase(name, *at))
        names.insert(at, name);
}

}  // namespace

ArchiveListing::~ArchiveListing()
{
    Close();
}

void ArchiveListing::Close()
{
    try {
        if (!archive.IsClosed())
            archive.Close(1);
    } catch (const ZipException&) {
        // Nothing is written, so a failed close loses nothing.
    }
    folders.clear();
    archivePath.clear();
}

int ArchiveListing::Open(const char* path)
{
    if (!archive.IsClosed() && archivePath == path)
        return 1;
    Close();
    archivePath = path;
    try {
        archive.Open(path, ZipArchive::ModeOpenReadOnly);
        for (int i = 0; i < archive.GetCount(); ++i) {
            ZipFileHeader header;
            if (!archive.GetFileInfo(header, i) || header.IsDirectory())
                continue;
            const XString name = header.GetFileName();
            AddEntry(name.Data(), name.Length(), i);
        }
    } catch (const ZipException&) {
        // The entries read so far stay listed.
    }
    return archive.IsClosed() ? 0 : 1;
}

void ArchiveListing::AddEntry(const char* name, int length, int index)
{
    std::string full(name, static_cast<size_t>(length));
    std::replace(full.begin(), full.end(), '\\', '/');
    const size_t slash = full.rfind('/');
    const std::string folderPath = slash == std::string::npos ? std::string() : full.substr(0, slash);
    const std::string fileName = slash == std::string::npos ? full : full.substr(slash + 1);

    auto folder = std::lower_bound(folders.begin(), folders.end(), folderPath,
                                   [](const Folder& f, const std::string& p) { return f.path < p; });
    if (folder == folders.end() || folder->path != folderPath)
        folder = folders.insert(folder, Folder{folderPath, {}});
    auto entry = std::lower_bound(folder->entries.begin(), folder->entries.end(), fileName,
                                  [](const Entry& e, const std::string& n) { return e.name < n; });
    if (entry == folder->entries.end() || entry->name != fileName)
        folder->entries.insert(entry, Entry{fileName, index});
}

void ArchiveListing::ListChildren(const std::string& folder, std::vector<std::string>& subFolders,
                                  std::vector<std::string>& files) const
{
    // Below the top level a sub-folder's path continues the folder's after a
    // '/'; at the top level every folder's first component is one.
    const size_t start = folder.empty() ? 0 : folder.size() + 1;
    for (const Folder& candidate : folders) {
        if (candidate.path == folder) {
            for (const Entry& entry : candidate.entries)
                files.push_back(entry.name);
            continue;
        }
        if (candidate.path.size() <= folder.size())
            continue;
        if (!folder.empty() && (candidate.path[folder.size()] != '/' ||
                                !EqualsIgnoringCase(candidate.path.substr(0, folder.size()).c_str(), folder.c_str())))
            continue;
        const size_t end = candidate.path.find('/', start);
        InsertComponent(subFolders, candidate.path.substr(start, end == std::string::npos ? std::string::npos : end - start));
    }
}
