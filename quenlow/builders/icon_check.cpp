#include "icon_check.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr size_t kMinimumFileSize = 23;
// The bit count sits at byte 14 of an image's header.
constexpr size_t kHeaderBitCountAt = 14;

uint32_t Read16(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0] | (p[1] << 8));
}

uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsStandard(unsigned width, unsigned height, unsigned bits)
{
    const bool size = width == 16 || width == 32 || width == 48;
    const bool depth = bits == 4 || bits == 8 || bits == 16 || bits == 24;
    return width == height && size && depth;
}

}  // namespace

int DescribeIconFormat(const unsigned char* data, size_t size, XString& table, int* standard)
{
    *standard = 0;
    table.Assign("Width\tHeight\tColor\n-------------------------------------------\n");
    if (!data || size < kMinimumFileSize)
        return 0;
    const uint32_t count = Read16(data + 4);
    if (count < 1)
        return 0;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entryAt = kDirectoryHeader + kDirectoryEntry * i;
        if (entryAt > size || size - entryAt < kDirectoryEntry)
            return 0;
        const unsigned char* entry = data + entryAt;
        const unsigned width = entry[0];
        const unsigned height = entry[1];
        const uint64_t headerAt = Read32(entry + 12);
        if (headerAt > size || size - headerAt < kHeaderBitCountAt + 2)
            return 0;
        const unsigned bits = Read16(data + headerAt + kHeaderBitCountAt);
        char line[64];
        if (bits <= 8)
            std::snprintf(line, sizeof line, "%u\t%u\t%u\n", width, height, 1u << bits);
        else
            std::snprintf(line, sizeof line, "%u\t%u\t%u    bits\n", width, height, bits);
        table.Append(line);
        if (IsStandard(width, height, bits))
            *standard = 1;
    }
    return 1;
}
