#include "zip_records.h"

size_t FindLastSignature(const unsigned char* data, size_t size, uint32_t signature)
{
    if (size < 4)
        return kNotFound;
    const unsigned char first = static_cast<unsigned char>(signature & 0xff);
    for (size_t pos = size - 4 + 1; pos-- > 0;) {
        if (data[pos] == first && ReadLe32(data + pos) == signature)
            return pos;
    }
    return kNotFound;
}

int ParseEndRecord(const unsigned char* data, size_t size, ZipEndValues* out)
{
    if (size < kEndRecordSize || ReadLe32(data) != kEndRecordSignature)
        return 0;
    out->thisDisk = ReadLe16(data + 4);
    out->centralDirDisk = ReadLe16(data + 6);
    out->entriesOnDisk = ReadLe16(data + 8);
    out->totalEntries = ReadLe16(data + 10);
    out->centralDirSize = ReadLe32(data + 12);
    out->centralDirOffset = ReadLe32(data + 16);
    out->commentLength = ReadLe16(data + 20);
    return 1;
}

bool EndRecordNeedsZip64(const ZipEndValues& end)
{
    return end.thisDisk == 0xffff || end.centralDirDisk == 0xffff || end.entriesOnDisk == 0xffff ||
           end.totalEntries == 0xffff || end.centralDirSize == 0xffffffffu || end.centralDirOffset == 0xffffffffu;
}

int ParseZip64Locator(const unsigned char* data, size_t size, uint64_t* recordOffset)
{
    if (size < kZip64LocatorSize || ReadLe32(data) != kZip64LocatorSignature)
        return 0;
    *recordOffset = ReadLe64(data + 8);
    return 1;
}

int ParseZip64EndRecord(const unsigned char* data, size_t size, ZipEndValues* out)
{
    if (size < kZip64EndRecordSize || ReadLe32(data) != kZip64EndRecordSignature)
        return 0;
    out->thisDisk = ReadLe32(data + 16);
    out->centralDirDisk = ReadLe32(data + 20);
    out->entriesOnDisk = ReadLe64(data + 24);
    out->totalEntries = ReadLe64(data + 32);
    out->centralDirSize = ReadLe64(data + 40);
    out->centralDirOffset = ReadLe64(data + 48);
    return 1;
}
