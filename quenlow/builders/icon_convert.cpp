#include "icon_convert.h"

#include <algorithm>

namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr size_t kInfoHeader = 40;
constexpr int kIntermediateSize = 96;  // every size here divides it

uint16_t Read16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void Write16(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void Write32(unsigned char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

int32_t ReadSigned32(const unsigned char* p)
{
    return static_cast<int32_t>(Read32(p));
}

size_t ColourRowBytes(int width, int bits)
{
    return ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
}

// Colours as one key with red in byte 2, green in byte 1, blue in byte 0, so
// the table's order (byte 2, then 1, then 0) is the key's numeric order.
uint32_t Key(unsigned char red, unsigned char green, unsigned char blue)
{
    return (static_cast<uint32_t>(red) << 16) | (green << 8) | blue;
}

struct ColourCount {
    uint32_t colour;
    uint32_t count;
};

// Sorted by colour; lookups are halving searches for the insertion position.
class ColorTable {
public:
    size_t Find(uint32_t colour, bool& exact) const
    {
        const auto at = std::lower_bound(entries.begin(), entries.end(), colour,
                                         [](const ColourCount& e, uint32_t c) { return e.colour < c; });
        exact = at != entries.end() && at->colour == colour;
        return static_cast<size_t>(at - entries.begin());
    }
    void Count(uint32_t colour, uint32_t n)
    {
        bool exact = false;
        const size_t at = Find(colour, exact);
        if (exact)
            entries[at].count += n;
        else
            entries.insert(entries.begin() + static_cast<long>(at), ColourCount{colour, n});
    }
    // The most frequent colours, in colour order again.
    void KeepMostFrequent(size_t limit)
    {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const ColourCount& a, const ColourCount& b) { return a.count > b.count; });
        if (entries.size() > limit)
            entries.resize(limit);
        std::stable_sort(entries.begin(), entries.end(),
                         [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });
    }
    size_t Size() const { return entries.size(); }
    uint32_t Colour(size_t i) const { return entries[i].colour; }

private:
    std::vector<ColourCount> entries;
};

// The source image unpacked: one colour key per pixel and one mask bit per
// pixel, rows in file order.
struct Unpacked {
    int width = 0;
    std::vector<uint32_t> colours;
    std::vector<unsigned char> mask;
};

bool Unpack(const IconFile& file, const IconImage& image, Unpacked& out, ColorTable& palette)
{
    const unsigned char* p = file.Data().data() + image.offset;
    const int w = image.width;
    const int bits = image.bitCount;
    const size_t paletteEntries = bits <= 8 ? (static_cast<size_t>(1) << bits) : 0;
    const size_t rowBytes = ColourRowBytes(w, bits);
    const size_t colourStart = kInfoHeader + paletteEntries * 4;
    const size_t colourBytes = rowBytes * w;
    const size_t maskBytes = MaskStride(w) * w;
    // The mask is what follows the colour rows up to the image's end, and it
    // must be exactly the rows a mask of this width has.
    if (image.length < colourStart || image.length - colourStart < colourBytes ||
        image.length - colourStart - colourBytes != maskBytes)
        return false;

    std::vector<uint32_t> paletteKeys(paletteEntries);
    for (size_t i = 0; i < paletteEntries; ++i) {
        const unsigned char* q = p + kInfoHeader + 4 * i;
        paletteKeys[i] = Key(q[2], q[1], q[0]);
        palette.Count(paletteKeys[i], 0);
    }

    out.width = w;
    out.colours.resize(static_cast<size_t>(w) * w);
    out.mask.resize(static_cast<size_t>(w) * w);
    for (int y = 0; y < w; ++y) {
        const unsigned char* row = p + colourStart + rowBytes * y;
        for (int x = 0; x < w; ++x) {
            uint32_t key;
            switch (bits) {
            case 4: key = paletteKeys[(x % 2 ? row[x / 2] : row[x / 2] >> 4) & 0x0F]; break;
            case 8: key = paletteKeys[row[x]]; break;
            case 16: {
                // 5 bits each of red, green and blue.
                const uint16_t v = Read16(row + 2 * x);
                key = Key(static_cast<unsigned char>(((v >> 10) & 31) << 3),
                          static_cast<unsigned char>(((v >> 5) & 31) << 3), static_cast<unsigned char>((v & 31) << 3));
                break;
            }
            default: key = Key(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            }
            out.colours[static_cast<size_t>(y) * w + x] = key;
        }
        const unsigned char* maskRow = p + colourStart + colourBytes + MaskStride(w) * y;
        for (int x = 0; x < w; ++x)
            out.mask[static_cast<size_t>(y) * w + x] = (maskRow[x / 8] >> (7 - x % 8)) & 1;
    }
    return true;
}

// Enlarging repeats every pixel and row; reducing takes the first of each group.
template <class T>
bool Resample(std::vector<T>& pixels, int from, int to)
{
    if (from == to)
        return true;
    if ((to > from && to % from) || (from > to && from % to))
        return false;
    std::vector<T> out(static_cast<size_t>(to) * to);
    for (int y = 0; y < to; ++y) {
        for (int x = 0; x < to; ++x) {
            const int sx = to > from ? x / (to / from) : x * (from / to);
            const int sy = to > from ? y / (to / from) : y * (from / to);
            out[static_cast<size_t>(y) * to + x] = pixels[static_cast<size_t>(sy) * from + sx];
        }
    }
    pixels.swap(out);
    return true;
}

}  // namespace

int IconFile::Parse(const unsigned char* data, size_t size)
{
    bytes.assign(data, data + size);
    images.clear();
    richImage = false;
    if (size <= 22)
        return 0;
    const size_t count = Read16(data + 4);
    if (count == 0)
        return 0;
    for (size_t i = 0; i < count; ++i) {
        if ((size - kDirectoryHeader) / kDirectoryEntry < i + 1 ||
            kDirectoryHeader + kDirectoryEntry * (i + 1) >= size)
            return 0;
        const unsigned char* entry = data + kDirectoryHeader + kDirectoryEntry * i;
        const uint32_t length = Read32(entry + 8);
        const uint32_t offset = Read32(entry + 12);
        if (offset > size || size - offset < length)
            return 0;
        const int width = entry[0];
        if (width != entry[1] || (width != 16 && width != 32 && width != 48) || length < kInfoHeader)
            continue;
        unsigned char* header = bytes.data() + offset;
        const int bitCount = Read16(header + 14);
        if ((bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24) ||
            ReadSigned32(header + 4) != width || ReadSigned32(header + 8) != 2 * width)
            continue;
        IconImage image;
        image.offset = offset;
        image.length = length;
        image.width = width;
        image.entryBitCount = Read16(entry + 6);
        image.bitCount = bitCount;
        image.colorsUsed = Read32(header + 32);
        images.push_back(image);
        if (bitCount != 4)
            richImage = true;
        Write32(header + 20, static_cast<uint32_t>(width * bitCount * width / 8));
    }
    return 1;
}

const IconImage* IconFile::FindImage(int size, bool rich, bool preferSameSize) const
{
    static const int kRichDepths[] = {8, 16, 24, 4};
    static const int kPlainDepths[] = {4, 8, 16, 24};
    const int* depths = rich ? kRichDepths : kPlainDepths;
    int sizes[3];
    switch (size) {
    case 16: sizes[0] = 16, sizes[1] = 32, sizes[2] = 48; break;
    case 32: sizes[0] = 32, sizes[1] = 48, sizes[2] = 16; break;
    default: sizes[0] = 48, sizes[1] = 32, sizes[2] = 16; break;
    }
    auto match = [this](int depth, int width) -> const IconImage* {
        for (const IconImage& image : images) {
            if (image.width != width)
                continue;
            if (image.entryBitCount == depth ||
                (image.entryBitCount == 0 && image.colorsUsed == 0 && image.bitCount == depth))
                return &image;
        }
        return nullptr;
    };
    for (int outer = 0; outer < (preferSameSize ? 3 : 4); ++outer) {
        for (int inner = 0; inner < (preferSameSize ? 4 : 3); ++inner) {
            const IconImage* found = preferSameSize ? match(depths[inner], sizes[outer]) : match(depths[outer], sizes[inner]);
            if (found)
                return found;
        }
    }
    return nullptr;
}

int ConvertImage(const IconFile& file, const IconImage& image, Bytes& target, int size, bool rich)
{
    const int depth = rich ? 8 : 4;
    const size_t paletteEntries = static_cast<size_t>(1) << depth;
    ColorTable table;
    Unpacked source;
    if (!Unpack(file, image, source, table))
        return 0;
    if (depth < image.bitCount) {
        ColorTable counted;
        for (uint32_t colour : source.colours)
            counted.Count(colour, 1);
        counted.KeepMostFrequent(paletteEntries);
        table = counted;
    }
    if (table.Size() == 0)
        return 0;

    std::vector<unsigned char> indices(source.colours.size());
    for (size_t i = 0; i < source.colours.size(); ++i) {
        bool exact = false;
        const size_t at = table.Find(source.colours[i], exact);
        indices[i] = static_cast<unsigned char>(std::min(at, table.Size() - 1));
    }
    std::vector<unsigned char> mask = source.mask;
    if (!Resample(indices, source.width, kIntermediateSize) || !Resample(indices, kIntermediateSize, size) ||
        !Resample(mask, source.width, kIntermediateSize) || !Resample(mask, kIntermediateSize, size))
        return 0;

    const size_t colourRow = ColourRowBytes(size, depth);
    const size_t stride = MaskStride(size);
    target.assign(kInfoHeader + paletteEntries * 4 + colourRow * size + stride * size, 0);
    unsigned char* out = target.data();
    // The header says exactly what follows it: no compression, a full palette.
    std::copy(file.Data().begin() + static_cast<long>(image.offset),
              file.Data().begin() + static_cast<long>(image.offset + kInfoHeader), out);
    Write32(out + 0, kInfoHeader);
    Write32(out + 4, static_cast<uint32_t>(size));
    Write32(out + 8, static_cast<uint32_t>(2 * size));
    Write16(out + 12, 1);
    Write16(out + 14, static_cast<uint32_t>(depth));
    Write32(out + 16, 0);
    Write32(out + 20, static_cast<uint32_t>(size * size * depth / 8));
    Write32(out + 32, 0);
    Write32(out + 36, 0);
    for (size_t i = 0; i < table.Size(); ++i) {
        const uint32_t colour = table.Colour(i);
        unsigned char* q = out + kInfoHeader + 4 * i;
        q[0] = static_cast<unsigned char>(colour);
        q[1] = static_cast<unsigned char>(colour >> 8);
        q[2] = static_cast<unsigned char>(colour >> 16);
    }
    unsigned char* colours = out + kInfoHeader + paletteEntries * 4;
    unsigned char* maskRows = colours + colourRow * size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const unsigned char index = indices[static_cast<size_t>(y) * size + x];
            if (depth == 8)
                colours[colourRow * y + x] = index;
            else
                colours[colourRow * y + x / 2] |= static_cast<unsigned char>(x % 2 ? index : index << 4);
            if (mask[static_cast<size_t>(y) * size + x])
                maskRows[stride * y + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    }
    return 1;
}

int SplitIconTable(const unsigned char* table, size_t size, Bytes& image16, Bytes& image32, Bytes& image48)
{
    if (size < kDirectoryHeader || Read16(table + 4) != 3 || (size - kDirectoryHeader) / kDirectoryEntry < 3)
        return 0;
    image16.clear();
    image32.clear();
    image48.clear();
    for (size_t i = 0; i < 3; ++i) {
        const unsigned char* entry = table + kDirectoryHeader + kDirectoryEntry * i;
        const uint32_t length = Read32(entry + 8);
        const uint32_t offset = Read32(entry + 12);
        if (offset > size || size - offset < length)
            return 0;
        Bytes* target = entry[0] == 16 ? &image16 : entry[0] == 32 ? &image32 : entry[0] == 48 ? &image48 : nullptr;
        if (!target)
            return 0;
        target->assign(table + offset, table + offset + length);
    }
    return 1;
}

int ReplaceImageBytes(Bytes& stub, const Bytes& oldImage, const Bytes& newImage)
{
    if (oldImage.empty() || oldImage.size() != newImage.size() || oldImage.size() > stub.size())
        return 0;
    const auto at = std::search(stub.begin(), stub.end(), oldImage.begin(), oldImage.end());
    if (at == stub.end())
        return 0;
    std::copy(newImage.begin(), newImage.end(), at);
    return 1;
}

IconStubResult PutIconIntoStub(const IconFile& icon, bool rich, bool preferSameSize, Bytes& stub,
                               const Bytes& iconTable)
{
    if (!icon.HasImages())
        return IconStubResult::NotSuitable;
    static const int kSizes[] = {16, 32, 48};
    Bytes converted[3];
    for (int i = 0; i < 3; ++i) {
        const IconImage* image = icon.FindImage(kSizes[i], rich, preferSameSize);
        if (!image || !ConvertImage(icon, *image, converted[i], kSizes[i], rich))
            return IconStubResult::CannotConvert;
    }
    Bytes own[3];
    if (!SplitIconTable(iconTable.data(), iconTable.size(), own[0], own[1], own[2]))
        return IconStubResult::CannotProcessSystemIcons;
    static const IconStubResult kReplaceFailures[] = {IconStubResult::CannotReplace16, IconStubResult::CannotReplace32,
                                                      IconStubResult::CannotReplace48};
    for (int i = 0; i < 3; ++i) {
        if (!ReplaceImageBytes(stub, own[i], converted[i]))
            return kReplaceFailures[i];
    }
    return IconStubResult::Done;
}
