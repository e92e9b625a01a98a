#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Puts a user's icon into a launcher stub: one image of the user's icon file
// is chosen for each of the sizes 16, 32 and 48, converted to the exact
// format of the stub's image of that size (4 bits with 16 colours, or 8 bits
// with 256 colours for rich colours), and written over the stub's image bytes,
// which have the same length. Nothing else in the stub changes.

using Bytes = std::vector<unsigned char>;

// One image of an icon file that the conversion can take.
struct IconImage {
    size_t offset = 0;         // of its BITMAPINFOHEADER in the file
    size_t length = 0;         // bytes in resource
    int width = 0;             // from the directory entry
    int entryBitCount = 0;     // from the directory entry, may be 0
    int bitCount = 0;          // from the image header
    uint32_t colorsUsed = 0;   // from the image header
};

class IconFile {
public:
    // 0 for a malformed file; 1 otherwise, possibly with no accepted image.
    int Parse(const unsigned char* data, size_t size);
    const IconImage* FindImage(int size, bool rich, bool preferSameSize) const;
    bool HasRichImage() const { return richImage; }
    bool HasImages() const { return !images.empty(); }
    const Bytes& Data() const { return bytes; }

private:
    Bytes bytes;
    std::vector<IconImage> images;
    bool richImage = false;
};

// Header, palette, colour rows and mask rows of a size x size image at depth
// 4 (rich false) or 8 (rich true). 0 when the source does not allow it.
int ConvertImage(const IconFile& file, const IconImage& image, Bytes& target, int size, bool rich);

// The three images of the stub's icon table, by width. 0 unless the table
// holds exactly three images of the widths 16, 32 and 48.
int SplitIconTable(const unsigned char* table, size_t size, Bytes& image16, Bytes& image32, Bytes& image48);

// Overwrites the first occurrence of oldImage in stub with newImage (same length).
int ReplaceImageBytes(Bytes& stub, const Bytes& oldImage, const Bytes& newImage);

// Where putting the user's icon into the stub stopped.
enum class IconStubResult {
    Done,
    BadFormat,
    NotSuitable,
    CannotConvert,
    CannotProcessSystemIcons,
    CannotReplace16,
    CannotReplace32,
    CannotReplace48,
};

// The steps after reading the files: the icon file is parsed, its images
// converted, the stub's table split and the images replaced in stub.
IconStubResult PutIconIntoStub(const IconFile& icon, bool rich, bool preferSameSize, Bytes& stub,
                               const Bytes& iconTable);

// Mask row bytes of a width: (width / 8 + 3) rounded down to a multiple of 4.
inline size_t MaskStride(int width)
{
    return (static_cast<size_t>(width) / 8 + 3) & ~static_cast<size_t>(3);
}
