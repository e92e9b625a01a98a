#include "stub_trailer.h"

#include <cstdint>

namespace {

uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Read16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool IsMark(const unsigned char* data, size_t size, size_t pos, unsigned char byte)
{
    if (pos > size || size - pos < StubTrailer::kMarkLength)
        return false;
    for (size_t i = 0; i < StubTrailer::kMarkLength; ++i) {
        if (data[pos + i] != byte)
            return false;
    }
    return true;
}

// One field ended by 0xA5; pos moves behind the separator.
bool ReadField(const unsigned char* data, size_t size, size_t& pos, XString& field)
{
    for (size_t i = pos; i < size; ++i) {
        if (data[i] == StubTrailer::kFieldEnd) {
            field.Assign(reinterpret_cast<const char*>(data + pos), static_cast<int>(i - pos));
            pos = i + 1;
            return true;
        }
    }
    return false;
}

constexpr size_t kFileHeader = 20;

// Offset of the "PE\0\0" signature, whose file header follows whole; 0 when
// the bytes are no PE image.
size_t PeSignature(const unsigned char* data, size_t size)
{
    constexpr size_t kDosHeader = 64;
    if (size < kDosHeader || data[0] != 'M' || data[1] != 'Z')
        return 0;
    const size_t pe = Read32(data + 0x3C);
    if (pe == 0 || pe > size || size - pe < 4 + kFileHeader || data[pe] != 'P' || data[pe + 1] != 'E' ||
        data[pe + 2] || data[pe + 3])
        return 0;
    return pe;
}

}  // namespace

size_t PeSubsystemOffset(const unsigned char* data, size_t size)
{
    // The field lies at the same place in the 32- and the 64-bit optional header.
    constexpr size_t kSubsystemInOptional = 68;
    const size_t pe = PeSignature(data, size);
    if (!pe || Read16(data + pe + 20) < kSubsystemInOptional + 2)
        return 0;
    const size_t at = pe + 4 + kFileHeader + kSubsystemInOptional;
    return size - at >= 2 ? at : 0;
}

size_t PeImageEnd(const unsigned char* data, size_t size)
{
    constexpr size_t kSectionHeader = 40;
    const size_t pe = PeSignature(data, size);
    if (!pe)
        return 0;
    const size_t sections = Read16(data + pe + 6);
    const size_t optionalSize = Read16(data + pe + 20);
    const size_t table = pe + 4 + kFileHeader + optionalSize;
    if (table > size || (size - table) / kSectionHeader < sections)
        return 0;
    size_t end = table + sections * kSectionHeader;
    for (size_t i = 0; i < sections; ++i) {
        const unsigned char* section = data + table + i * kSectionHeader;
        const uint64_t rawEnd = static_cast<uint64_t>(Read32(section + 20)) + Read32(section + 16);
        if (!Read32(section + 16) || rawEnd <= end)
            continue;
        // Compared while still 64 bits wide: a section said to end past the
        // data is no image of ours, and in a 32-bit build the cast alone
        // would wrap such an end into a small, plausible offset.
        if (rawEnd > size)
            return 0;
        end = static_cast<size_t>(rawEnd);
    }
    return end;
}

int ParseStubTrailer(const unsigned char* data, size_t size, size_t offset, StubTrailer& trailer)
{
    if (!IsMark(data, size, offset, StubTrailer::kTrailerMarkByte))
        return 0;
    size_t pos = offset + StubTrailer::kMarkLength;
    if (size - pos < 3)
        return 0;
    trailer.useJavaw = data[pos] == 1;
    trailer.autoDetectJars = data[pos + 1] == 1;
    trailer.autoDetectZips = data[pos + 2] == 1;
    pos += 3;
    XString* fields[] = {&trailer.systemClassPath, &trailer.userZipClassPath, &trailer.userDirClassPath,
                         &trailer.siblingClassPath, &trailer.otherOptions};
    for (XString* field : fields) {
        if (!ReadField(data, size, pos, *field))
            return 0;
    }
    // The main class has no blank; what follows a blank is the main() arguments.
    size_t end = pos;
    while (end < size && !IsMark(data, size, end, StubTrailer::kJarMarkByte))
        ++end;
    if (end >= size)
        return 0;
    size_t blank = pos;
    while (blank < end && data[blank] != ' ')
        ++blank;
    trailer.mainClass.Assign(reinterpret_cast<const char*>(data + pos), static_cast<int>(blank - pos));
    if (blank < end)
        trailer.mainArgs.Assign(reinterpret_cast<const char*>(data + blank + 1), static_cast<int>(end - blank - 1));
    else
        trailer.mainArgs.Assign("", 0);
    trailer.jarOffset = end + StubTrailer::kMarkLength;
    return 1;
}
