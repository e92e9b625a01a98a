#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "xbuffer.h"
#include "zip_file_header.h"
#include "zip_platform.h"
#include "zip_records.h"

class ZipStorage;

// The end record's values and the entries of the central directory, in the
// order of their local headers.
class ZipCentralDir {
public:
    // Locates the end record, reads the directory and sorts it. Throws
    // ZipExceptionUse (116 without an end record, 101 for damage, 103 for a
    // volume set on a removable drive) or ZipFileException.
    void Read(ZipStorage& storage, const ZipPlatform& platform);
    void Clear();

    size_t Count() const { return headers.size(); }
    const ZipFileHeader& At(size_t index) const { return *headers[index]; }

    ZipEndValues end;
    XBuffer comment;
    uint64_t endRecordPosition = 0;
    uint64_t bytesBeforeZip = 0;  // a program stub or other data in front of the archive

private:
    // Where the directory must end: the 64-bit end record when the end record
    // defers to it, else the end record itself.
    uint64_t ReadEndRecords(ZipStorage& storage);
    void ReadHeaders(ZipStorage& storage, const ZipPlatform& platform);
    void SortByLocalOffset(const char* archiveName);

    std::vector<std::unique_ptr<ZipFileHeader>> headers;
};

// Converts a stored entry name for display (see ZipFileHeader::GetFileName).
void ConvertZipName(ZipFileHeader& header, const ZipPlatform& platform);
