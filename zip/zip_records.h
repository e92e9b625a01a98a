#pragma once

#include <cstddef>
#include <cstdint>

// The fixed-size records of a ZIP archive, read from bytes in memory. Every
// function checks the room it needs and returns 0 when it is short or when
// the signature differs.

constexpr uint32_t kEndRecordSignature = 0x06054b50;        // "PK\5\6"
constexpr uint32_t kCentralHeaderSignature = 0x02014b50;    // "PK\1\2"
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;     // "PK\6\7"
constexpr uint32_t kZip64EndRecordSignature = 0x06064b50;   // "PK\6\6"

constexpr uint16_t kZip64ExtraTag = 0x0001;

constexpr size_t kEndRecordSize = 22;
constexpr size_t kMaxCommentSize = 65535;
// The end record lies within this many bytes of the end: itself and the
// longest comment after it.
constexpr size_t kEndSearchWindow = kEndRecordSize + kMaxCommentSize;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kZip64LocatorSize = 20;
constexpr size_t kZip64EndRecordSize = 56;

inline uint16_t ReadLe16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadLe32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline uint64_t ReadLe64(const unsigned char* p)
{
    return static_cast<uint64_t>(ReadLe32(p)) | (static_cast<uint64_t>(ReadLe32(p + 4)) << 32);
}

constexpr size_t kNotFound = static_cast<size_t>(-1);

// The position of the last occurrence of the 4-byte little-endian signature
// (the scan runs from the end towards the start), or kNotFound.
size_t FindLastSignature(const unsigned char* data, size_t size, uint32_t signature);

// Values of the end record, widened where the 64-bit record can supply them.
struct ZipEndValues {
    uint32_t thisDisk = 0;
    uint32_t centralDirDisk = 0;
    uint64_t entriesOnDisk = 0;
    uint64_t totalEntries = 0;
    uint64_t centralDirSize = 0;
    uint64_t centralDirOffset = 0;
    uint16_t commentLength = 0;
};

int ParseEndRecord(const unsigned char* data, size_t size, ZipEndValues* out);
// True when a field of the end record is saturated, i.e. the writer moved
// the real value into the 64-bit record.
bool EndRecordNeedsZip64(const ZipEndValues& end);
// The recorded offset of the 64-bit end record.
int ParseZip64Locator(const unsigned char* data, size_t size, uint64_t* recordOffset);
int ParseZip64EndRecord(const unsigned char* data, size_t size, ZipEndValues* out);
