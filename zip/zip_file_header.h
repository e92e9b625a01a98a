#pragma once

#include <cstddef>
#include <cstdint>

#include "xbuffer.h"
#include "xstring.h"

// The systems an entry can be made on (high byte of "version made by").
enum ZipSystem { kZipSystemDos = 0, kZipSystemAmiga = 1, kZipSystemUnix = 3, kZipSystemOs2 = 6,
                 kZipSystemMacintosh = 7, kZipSystemNtfs = 10 };

constexpr uint32_t kZipDirectoryAttributes = 0x41ff0010;  // Unix drwxrwxrwx and DOS directory
constexpr uint32_t kZipFileAttributes = 0x81a40020;       // Unix -rw-r--r-- and DOS archive
constexpr uint32_t kDosDirectoryBit = 0x10;
constexpr uint16_t kZipFlagUtf8Name = 0x0800;

bool IsSupportedZipSystem(int system);
// The attributes as the target system reads them; code 115 for a pair of
// systems without a conversion.
uint32_t ConvertZipAttributes(uint32_t attributes, int fromSystem, int toSystem);

// One entry of the central directory.
class ZipFileHeader {
public:
    ZipFileHeader() = default;
    ZipFileHeader(const ZipFileHeader&) = delete;
    ZipFileHeader& operator=(const ZipFileHeader&) = delete;

    // The 46 fixed bytes; 0 when short or without the header signature.
    int ReadFixed(const unsigned char* data, size_t size);
    size_t VariableSize() const { return size_t(fileNameLength) + extraFieldLength + commentLength; }
    // Takes name, extra field and comment, which follow the fixed bytes.
    // 0 when memory runs out.
    int ReadVariable(const unsigned char* data);

    void CopyFrom(const ZipFileHeader& other);

    // Where the local header starts: the 64-bit value of the extra field
    // when the 32-bit field is saturated (entries past 4 GiB).
    uint64_t LocalHeaderPosition() const;

    int SystemCode() const { return versionMadeBy >> 8; }
    // The stored name, converted: UTF-8 names (flag bit 11) and names made on
    // MS-DOS go to the ANSI code page, and '/' becomes '\'.
    XString GetFileName() const;
    bool IsDirectory() const;
    // The attributes as Windows reads them.
    uint32_t SystemAttributes() const;

    uint32_t signature = 0;
    uint16_t versionMadeBy = 0;
    uint16_t versionNeeded = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t modTime = 0;
    uint16_t modDate = 0;
    uint32_t crc32 = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t fileNameLength = 0;
    uint16_t extraFieldLength = 0;
    uint16_t commentLength = 0;
    uint16_t diskNumberStart = 0;
    uint16_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    uint32_t localHeaderOffset = 0;
    XBuffer fileName;   // as converted on reading
    XBuffer extraField;
    XBuffer comment;

private:
    bool NameEndsWithSlash() const;
};
