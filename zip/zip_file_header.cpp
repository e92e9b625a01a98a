#include "zip_file_header.h"

#include <cstring>

#include "zip_exception.h"
#include "zip_records.h"

namespace {

constexpr uint32_t kUnixDirectory = 0x40000000;   // S_IFDIR in the high half
constexpr uint32_t kUnixOwnerRead = 0x01000000;
constexpr uint32_t kUnixOwnerWrite = 0x00800000;
constexpr uint32_t kUnixOwnerExecute = 0x00400000;
constexpr uint32_t kDosReadOnly = 0x01;
constexpr uint32_t kDosHidden = 0x02;
constexpr uint32_t kDosArchive = 0x20;
constexpr uint32_t kMacintoshKept = 0x11;   // read-only and directory

int CopyBuffer(XBuffer& to, const unsigned char* from, int n)
{
    if (!to.Resize(n))
        return n == 0;
    if (n > 0)
        std::memcpy(to.Data(), from, static_cast<size_t>(n));
    return 1;
}

}  // namespace

bool IsSupportedZipSystem(int system)
{
    return system == kZipSystemDos || system == kZipSystemUnix || system == kZipSystemOs2 ||
           system == kZipSystemMacintosh || system == kZipSystemNtfs;
}

uint32_t ConvertZipAttributes(uint32_t attributes, int fromSystem, int toSystem)
{
    const bool dosLike = fromSystem == kZipSystemDos || fromSystem == kZipSystemOs2 || fromSystem == kZipSystemNtfs;
    if (toSystem == kZipSystemDos) {
        if (dosLike)
            return attributes;
        if (fromSystem == kZipSystemUnix) {
            uint32_t dos = 0;
            if (attributes & kUnixDirectory)
                dos |= kDosDirectoryBit;
            if (!(attributes & kUnixOwnerExecute))
                dos |= kDosArchive;
            if (!(attributes & kUnixOwnerWrite))
                dos |= kDosReadOnly;
            if (!(attributes & kUnixOwnerRead))
                dos |= kDosHidden;
            return dos;
        }
        if (fromSystem == kZipSystemMacintosh)
            return attributes & kMacintoshKept;
    }
    if (fromSystem == toSystem)
        return attributes;
    ThrowZipError(ZipExceptionUse::PlatformNotSupported);
}

int ZipFileHeader::ReadFixed(const unsigned char* data, size_t size)
{
    if (size < kCentralHeaderSize || ReadLe32(data) != kCentralHeaderSignature)
        return 0;
    signature = ReadLe32(data);
    versionMadeBy = ReadLe16(data + 4);
    versionNeeded = ReadLe16(data + 6);
    flags = ReadLe16(data + 8);
    method = ReadLe16(data + 10);
    modTime = ReadLe16(data + 12);
    modDate = ReadLe16(data + 14);
    crc32 = ReadLe32(data + 16);
    compressedSize = ReadLe32(data + 20);
    uncompressedSize = ReadLe32(data + 24);
    fileNameLength = ReadLe16(data + 28);
    extraFieldLength = ReadLe16(data + 30);
    commentLength = ReadLe16(data + 32);
    diskNumberStart = ReadLe16(data + 34);
    internalAttributes = ReadLe16(data + 36);
    externalAttributes = ReadLe32(data + 38);
    localHeaderOffset = ReadLe32(data + 42);
    return 1;
}

int ZipFileHeader::ReadVariable(const unsigned char* data)
{
    return CopyBuffer(fileName, data, fileNameLength) &&
           CopyBuffer(extraField, data + fileNameLength, extraFieldLength) &&
           CopyBuffer(comment, data + fileNameLength + extraFieldLength, commentLength);
}

void ZipFileHeader::CopyFrom(const ZipFileHeader& other)
{
    signature = other.signature;
    versionMadeBy = other.versionMadeBy;
    versionNeeded = other.versionNeeded;
    flags = other.flags;
    method = other.method;
    modTime = other.modTime;
    modDate = other.modDate;
    crc32 = other.crc32;
    compressedSize = other.compressedSize;
    uncompressedSize = other.uncompressedSize;
    fileNameLength = other.fileNameLength;
    extraFieldLength = other.extraFieldLength;
    commentLength = other.commentLength;
    diskNumberStart = other.diskNumberStart;
    internalAttributes = other.internalAttributes;
    externalAttributes = other.externalAttributes;
    localHeaderOffset = other.localHeaderOffset;
    CopyBuffer(fileName, other.fileName.Data(), other.fileName.Size());
    CopyBuffer(extraField, other.extraField.Data(), other.extraField.Size());
    CopyBuffer(comment, other.comment.Data(), other.comment.Size());
}

uint64_t ZipFileHeader::LocalHeaderPosition() const
{
    if (localHeaderOffset != 0xffffffffu)
        return localHeaderOffset;
    const unsigned char* data = extraField.Data();
    const size_t size = static_cast<size_t>(extraField.Size());
    size_t pos = 0;
    while (size - pos >= 4) {
        const uint16_t tag = ReadLe16(data + pos);
        const size_t length = ReadLe16(data + pos + 2);
        pos += 4;
        if (size - pos < length)
            break;
        if (tag == kZip64ExtraTag) {
            // The 64-bit values present are those whose 32-bit fields are saturated, in this order.
            size_t at = 0;
            if (uncompressedSize == 0xffffffffu)
                at += 8;
            if (compressedSize == 0xffffffffu)
                at += 8;
            if (length >= at && length - at >= 8)
                return ReadLe64(data + pos + at);
            break;
        }
        pos += length;
    }
    return localHeaderOffset;
}

XString ZipFileHeader::GetFileName() const
{
    return XString(fileName.Text(), fileName.Size());
}

bool ZipFileHeader::NameEndsWithSlash() const
{
    const int n = fileName.Size();
    return n > 0 && (fileName.Data()[n - 1] == '\\' || fileName.Data()[n - 1] == '/');
}

uint32_t ZipFileHeader::SystemAttributes() const
{
    const int system = SystemCode();
    if (!IsSupportedZipSystem(system))
        return NameEndsWithSlash() ? kZipDirectoryAttributes : kZipFileAttributes;
    // Some writers leave the attributes empty and mark directories by name alone.
    if (externalAttributes == 0 && NameEndsWithSlash())
        return kZipDirectoryAttributes;
    return ConvertZipAttributes(externalAttributes, system, kZipSystemDos);
}

bool ZipFileHeader::IsDirectory() const
{
    return (SystemAttributes() & kDosDirectoryBit) != 0;
}
