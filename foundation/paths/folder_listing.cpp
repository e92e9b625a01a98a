#include "folder_listing.h"

#include <cstddef>
#include <cstring>

#include "late_bound.h"

namespace {

// The block's entry layout (FILE_FULL_DIR_INFO), declared here because the
// headers offer it only to programs that require a newer Windows.
struct FullDirectoryEntry {
    DWORD nextEntryOffset;
    DWORD fileIndex;
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    LARGE_INTEGER endOfFile;
    LARGE_INTEGER allocationSize;
    DWORD fileAttributes;
    DWORD fileNameLength;  // in bytes
    DWORD eaSize;
    WCHAR fileName[1];
};

constexpr int kFullDirectoryInfo = 14;  // FileFullDirectoryInfo
// Enough for a few thousand entries a call; the calls, not the bytes, cost.
constexpr size_t kBlockSize = 256 * 1024;

typedef BOOL(WINAPI* ReadInformation)(HANDLE, int, LPVOID, DWORD);

ReadInformation BlockReader()
{
    static const ReadInformation reader =
        LateBound<ReadInformation>("kernel32.dll", "GetFileInformationByHandleEx");
    return reader;
}

bool IsDotsName(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

}  // namespace

bool FolderListing::Open(const char* folder)
{
    Close();
    if (BlockReader()) {
        folderHandle = CreateFileA(folder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (folderHandle != INVALID_HANDLE_VALUE) {
            if (block.size() < kBlockSize)
                block.resize(kBlockSize);
            if (ReadBlock())
                return true;
            const DWORD error = GetLastError();
            if (error == ERROR_NO_MORE_FILES)
                return true;  // listed: nothing in it
            CloseHandle(folderHandle);
            folderHandle = INVALID_HANDLE_VALUE;
        }
    }
    XString pattern(folder);
    pattern.Append("\\*.*");
    usingFind = find.FindFirst(pattern.Data());
    findFirstPending = usingFind;
    return usingFind;
}

bool FolderListing::ReadBlock()
{
    entryAt = 0;
    blockLeft = BlockReader()(folderHandle, kFullDirectoryInfo, block.data(), static_cast<DWORD>(block.size())) != 0;
    return blockLeft;
}

bool FolderListing::Next()
{
    if (usingFind)
        return NextFromFind();
    const UINT codePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
    const size_t nameOffset = offsetof(FullDirectoryEntry, fileName);
    while (blockLeft) {
        if (entryAt + nameOffset > block.size())
            break;
        const FullDirectoryEntry* entry = reinterpret_cast<const FullDirectoryEntry*>(block.data() + entryAt);
        attributes = entry->fileAttributes;
        const size_t nameAt = entryAt + nameOffset;
        const size_t nameBytes = entry->fileNameLength < block.size() - nameAt ? entry->fileNameLength
                                                                               : block.size() - nameAt;
        const int length =
            WideCharToMultiByte(codePage, 0, reinterpret_cast<const WCHAR*>(block.data() + nameAt),
                                static_cast<int>(nameBytes / sizeof(WCHAR)), name, static_cast<int>(sizeof name) - 1,
                                nullptr, nullptr);
        name[length > 0 ? length : 0] = 0;
        // The name is copied out before the block is read again.
        if (entry->nextEntryOffset == 0)
            ReadBlock();
        else
            entryAt += entry->nextEntryOffset;
        if (length > 0 && !IsDotsName(name))
            return true;
    }
    blockLeft = false;
    return false;
}

bool FolderListing::NextFromFind()
{
    for (;;) {
        if (findFirstPending)
            findFirstPending = false;
        else if (!find.FindNext())
            return false;
        if (find.IsDots())
            continue;
        attributes = find.Found().dwFileAttributes;
        lstrcpynA(name, find.FileName(), static_cast<int>(sizeof name));
        return true;
    }
}

void FolderListing::Close()
{
    if (folderHandle != INVALID_HANDLE_VALUE)
        CloseHandle(folderHandle);
    folderHandle = INVALID_HANDLE_VALUE;
    blockLeft = false;
    usingFind = false;
    findFirstPending = false;
    find.Close();
}
