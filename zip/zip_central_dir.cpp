#include "zip_central_dir.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "zip_exception.h"
#include "zip_storage.h"

namespace {

bool IsAscii(const unsigned char* text, int n)
{
    for (int i = 0; i < n; ++i) {
        if (text[i] & 0x80)
            return false;
    }
    return true;
}

}  // namespace

void ConvertZipName(ZipFileHeader& header, const ZipPlatform& platform)
{
    XBuffer& name = header.fileName;
    const int n = name.Size();
    if (n > 0 && !IsAscii(name.Data(), n)) {
        if (header.flags & kZipFlagUtf8Name) {
            std::vector<char> ansi(static_cast<size_t>(n));
            int written = platform.utf8ToAnsi(name.Text(), n, ansi.data());
            written = written < 0 ? 0 : written > n ? n : written;
            if (!name.Resize(written) && written > 0)
                throw std::bad_alloc();
            if (written > 0)
                std::memcpy(name.Data(), ansi.data(), static_cast<size_t>(written));
        } else if (header.SystemCode() == kZipSystemDos) {
            platform.oemToAnsi(name.Text(), n);
        }
    }
    char* text = name.Text();
    for (int i = 0; i < name.Size(); ++i) {
        if (text[i] == '/')
            text[i] = '\\';
    }
}

void ZipCentralDir::Clear()
{
    headers.clear();
    headers.shrink_to_fit();
    end = ZipEndValues();
    comment.Free();
    endRecordPosition = 0;
    bytesBeforeZip = 0;
}

uint64_t ZipCentralDir::ReadEndRecords(ZipStorage& storage)
{
    const char* name = storage.Path();
    const uint64_t length = storage.Length();
    const size_t window = length < kEndSearchWindow ? static_cast<size_t>(length) : kEndSearchWindow;
    std::vector<unsigned char> tail(window);
    storage.Seek(length - window);
    storage.Read(tail.data(), window);

    const size_t hit = FindLastSignature(tail.data(), window, kEndRecordSignature);
    if (hit == kNotFound)
        ThrowZipError(ZipExceptionUse::CentralDirNotFound, name);
    endRecordPosition = length - window + hit;
    const size_t after = window - hit;
    if (!ParseEndRecord(tail.data() + hit, after, &end) || after - kEndRecordSize < end.commentLength)
        ThrowZipError(ZipExceptionUse::BadZipFile, name);
    if (!comment.Resize(end.commentLength) && end.commentLength > 0)
        throw std::bad_alloc();
    if (end.commentLength > 0)
        std::memcpy(comment.Data(), tail.data() + hit + kEndRecordSize, end.commentLength);

    // More than 65535 entries or offsets past 4 GiB: the real values sit in
    // the 64-bit end record, which lies in front of its locator.
    if (!EndRecordNeedsZip64(end) || hit < kZip64LocatorSize + kZip64EndRecordSize)
        return endRecordPosition;
    uint64_t recordedOffset = 0;
    if (!ParseZip64Locator(tail.data() + hit - kZip64LocatorSize, kZip64LocatorSize, &recordedOffset))
        return endRecordPosition;
    const size_t record = hit - kZip64LocatorSize - kZip64EndRecordSize;
    ZipEndValues wide;
    if (!ParseZip64EndRecord(tail.data() + record, kZip64EndRecordSize, &wide))
        return endRecordPosition;
    wide.commentLength = end.commentLength;
    end = wide;
    return length - window + record;
}

void ZipCentralDir::ReadHeaders(ZipStorage& storage, const ZipPlatform& platform)
{
    const char* name = storage.Path();
    // Every header takes at least its fixed bytes, so the count read from
    // the file cannot reserve more than the directory's own size allows.
    if (end.totalEntries > end.centralDirSize / kCentralHeaderSize || end.totalEntries > headers.max_size())
        ThrowZipError(ZipExceptionUse::BadZipFile, name);
    headers.reserve(static_cast<size_t>(end.totalEntries));
    storage.Seek(end.centralDirOffset + bytesBeforeZip);

    uint64_t left = end.centralDirSize;
    unsigned char fixed[kCentralHeaderSize];
    std::vector<unsigned char> variable;
    for (uint64_t i = 0; i < end.totalEntries; ++i) {
        std::unique_ptr<ZipFileHeader> header(new ZipFileHeader);
        if (left < kCentralHeaderSize)
            ThrowZipError(ZipExceptionUse::BadZipFile, name);
        storage.Read(fixed, kCentralHeaderSize);
        left -= kCentralHeaderSize;
        if (!header->ReadFixed(fixed, kCentralHeaderSize))
            ThrowZipError(ZipExceptionUse::BadZipFile, name);
        const size_t extra = header->VariableSize();
        if (left < extra)
            ThrowZipError(ZipExceptionUse::BadZipFile, name);
        variable.resize(extra);
        if (extra > 0)
            storage.Read(variable.data(), extra);
        left -= extra;
        if (!header->ReadVariable(variable.data()))
            throw std::bad_alloc();
        ConvertZipName(*header, platform);
        headers.push_back(std::move(header));
    }
}

void ZipCentralDir::SortByLocalOffset(const char* archiveName)
{
    struct Keyed {
        uint16_t disk;
        uint64_t offset;
        ZipFileHeader* header;
    };
    std::vector<Keyed> keys;
    keys.reserve(headers.size());
    for (std::unique_ptr<ZipFileHeader>& h : headers)
        keys.push_back({h->diskNumberStart, h->LocalHeaderPosition(), h.release()});
    std::sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        return a.disk != b.disk ? a.disk < b.disk : a.offset < b.offset;
    });
    bool duplicate = false;
    for (size_t i = 0; i < keys.size(); ++i) {
        headers[i].reset(keys[i].header);
        duplicate = duplicate || (i > 0 && keys[i].disk == keys[i - 1].disk && keys[i].offset == keys[i - 1].offset);
    }
    if (duplicate)
        ThrowZipError(ZipExceptionUse::BadZipFile, archiveName);
}

void ZipCentralDir::Read(ZipStorage& storage, const ZipPlatform& platform)
{
    Clear();
    const char* name = storage.Path();
    const uint64_t directoryEnd = ReadEndRecords(storage);

    if (end.thisDisk != 0) {
        // A volume set: on a removable drive each volume must be asked for,
        // and nobody here can ask.
        if (platform.isRemovableDrive(name))
            ThrowZipError(ZipExceptionUse::NoCallback, name);
        storage.spanMode = ZipStorage::SpanNumberedFiles;
        // Only a directory held whole by this last volume can be read.
        if (end.centralDirDisk != end.thisDisk || directoryEnd < end.centralDirSize ||
            directoryEnd - end.centralDirSize < end.centralDirOffset)
            ThrowZipError(ZipExceptionUse::BadZipFile, name);
        bytesBeforeZip = 0;
    } else {
        storage.spanMode = ZipStorage::SpanNone;
        // Subtractions in 64 bits, each checked first, so no value from the
        // file can wrap the offsets.
        if (directoryEnd < end.centralDirSize || directoryEnd - end.centralDirSize < end.centralDirOffset)
            ThrowZipError(ZipExceptionUse::BadZipFile, name);
        bytesBeforeZip = directoryEnd - end.centralDirSize - end.centralDirOffset;
    }
    if ((end.totalEntries == 0) != (end.centralDirSize == 0))
        ThrowZipError(ZipExceptionUse::BadZipFile, name);
    if (end.centralDirSize != 0)
        ReadHeaders(storage, platform);
    SortByLocalOffset(name);
}
