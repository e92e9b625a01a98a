#pragma once

#include <cstdint>

#include "zip_central_dir.h"
#include "zip_exception.h"
#include "zip_file_header.h"
#include "zip_platform.h"
#include "zip_storage.h"

// An archive on disk, opened read-only to list its entries. Failures throw
// ZipExceptionUse or ZipFileException; a failed Open leaves the archive
// closed, with its file released.
class ZipArchive {
public:
    enum OpenMode { ModeOpen = 0, ModeOpenReadOnly = 1, ModeCreate = 2, ModeCreateSpan = 3 };

    ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ~ZipArchive();

    // The conversions and drive test to use from the next Open on.
    void SetPlatform(const ZipPlatform& conversions) { platform = &conversions; }

    // which = true: no volume is current; false: no file is open.
    bool IsClosed(bool which = true) const { return storage.IsClosed(which); }

    // Only while closed. Reading is all this archive does: the two open
    // modes list alike, and the create modes throw code 100.
    void Open(const char* path, int mode = ModeOpen, int volumeSize = 0);
    // afterException: also release a file left open by a failed operation.
    // Nothing is ever written, so updateTime has nothing to stamp.
    void Close(int afterException = 0, bool updateTime = false);

    int GetCount() const { return static_cast<int>(centralDir.Count()); }
    // false when closed or index is not below the count; else a full copy.
    bool GetFileInfo(ZipFileHeader& header, int index) const;

    int SystemCode() const { return systemCode; }
    bool IsCaseSensitive() const { return caseSensitive; }
    const ZipCentralDir& CentralDir() const { return centralDir; }
    const uint32_t* CrcTable() const { return crcTable; }

private:
    ZipStorage storage;
    ZipCentralDir centralDir;
    const ZipPlatform* platform;
    int systemCode = kZipSystemDos;
    bool caseSensitive = false;
    const uint32_t* crcTable;
};
