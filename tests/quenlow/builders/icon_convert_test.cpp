#include "icon_convert.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace {

struct Rgb {
    unsigned char r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// A test's own writer of icon files: bits 4 and 8 take a palette and give
// pixels as indices; 24 and 32 give pixels as colours.
struct ImageShape {
    int width;
    int bits;
    std::vector<Rgb> palette;
    std::function<int(int, int)> index;  // for palette images
    std::function<Rgb(int, int)> colour;  // for 24/32-bit images
    int entryBits = -1;                   // the directory's bit count; -1: the same as bits
};

void Put32(std::string& s, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>(v >> (8 * i));
}

void Put16(std::string& s, uint32_t v)
{
    s += static_cast<char>(v);
    s += static_cast<char>(v >> 8);
}

std::string Image(const ImageShape& shape)
{
    const int w = shape.width;
    std::string out;
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(2 * w));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(shape.bits));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    if (shape.bits <= 8) {
        for (int i = 0; i < (1 << shape.bits); ++i) {
            const Rgb c = i < static_cast<int>(shape.palette.size()) ? shape.palette[static_cast<size_t>(i)] : Rgb{0, 0, 0};
            out += static_cast<char>(c.b);
            out += static_cast<char>(c.g);
            out += static_cast<char>(c.r);
            out += '\0';
        }
    }
    const size_t rowBytes = ((static_cast<size_t>(w) * shape.bits + 31) / 32) * 4;
    for (int y = 0; y < w; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            if (shape.bits == 4) {
                if (x % 2 == 0)
                    row += static_cast<char>(shape.index(x, y) << 4);
                else
                    row.back() = static_cast<char>(row.back() | shape.index(x, y));
            } else if (shape.bits == 8) {
                row += static_cast<char>(shape.index(x, y));
            } else {
                const Rgb c = shape.colour(x, y);
                row += static_cast<char>(c.b);
                row += static_cast<char>(c.g);
                row += static_cast<char>(c.r);
                if (shape.bits == 32)
                    row += '\xFF';
            }
        }
        row.resize(rowBytes, '\0');
        out += row;
    }
    for (int y = 0; y < w; ++y) {
        std::string mask(MaskStride(w), '\0');
        if (y == 0)
            mask[0] = '\x80';  // one transparent pixel at the first row's start
        out += mask;
    }
    return out;
}

std::string IconFileOf(const std::vector<ImageShape>& shapes)
{
    std::vector<std::string> images;
    for (const ImageShape& s : shapes)
        images.push_back(Image(s));
    std::string out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out += static_cast<char>(shapes[i].width);
        out += static_cast<char>(shapes[i].width);
        out += static_cast<char>(shapes[i].bits == 4 ? 16 : 0);
        out += '\0';
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(shapes[i].entryBits < 0 ? shapes[i].bits : shapes[i].entryBits));
        Put32(out, static_cast<uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const std::string& image : images)
        out += image;
    return out;
}

IconFile Parsed(const std::string& bytes, int expected = 1)
{
    IconFile file;
    EXPECT_EQ(file.Parse(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()), expected);
    return file;
}

const std::vector<Rgb> kSixteen = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
                                   {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
                                   {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

ImageShape Checker(int width, int bits)
{
    ImageShape s{width, bits, kSixteen, [](int x, int y) { return (x + y) % 2 ? 9 : 12; }, nullptr};
    return s;
}

TEST(IconFile, MalformedAndUnsuitableFiles)
{
    Parsed(std::string(22, '\0'), 0);
    std::string noImages = IconFileOf({Checker(16, 4)});
    noImages[4] = 0;  // count 0
    Parsed(noImages, 0);
    std::string beyond = IconFileOf({Checker(16, 4)});
    beyond[6 + 12] = '\x7F';  // image offset far beyond the file
    Parsed(beyond, 0);
    std::string cut = IconFileOf({Checker(16, 4)});
    cut.resize(cut.size() - 1);  // the image runs past the end
    Parsed(cut, 0);

    ImageShape deep{16, 32, {}, nullptr, [](int, int) { return Rgb{1, 2, 3}; }};
    const IconFile only32 = Parsed(IconFileOf({deep, deep}));
    EXPECT_FALSE(only32.HasImages());  // well-formed, but nothing to take
    ImageShape odd = Checker(24, 4);
    EXPECT_FALSE(Parsed(IconFileOf({odd})).HasImages());
}

TEST(IconFile, FindImageFollowsTheSizeAndDepthOrders)
{
    ImageShape small = Checker(16, 4);
    ImageShape large{32, 8, kSixteen, [](int x, int) { return x % 16; }, nullptr};
    const IconFile file = Parsed(IconFileOf({small, large}));
    ASSERT_TRUE(file.HasRichImage());
    const struct {
        int size;
        bool rich;
        bool prefer;
        int width;
    } cases[] = {
        {16, true, true, 16},   // the same size wins over the rich depth
        {16, true, false, 32},  // the rich depth wins over the size
        {16, false, false, 16},
        {32, false, true, 32},
        {48, false, true, 32},  // 48, then 32, then 16
        {48, false, false, 16}, // depth 4 first: only the 16-pixel image has it
    };
    for (const auto& c : cases) {
        const IconImage* found = file.FindImage(c.size, c.rich, c.prefer);
        ASSERT_NE(found, nullptr) << c.size;
        EXPECT_EQ(found->width, c.width) << c.size << " rich " << c.rich << " prefer " << c.prefer;
    }
}

// Reads pixel (x, y) of a converted image back as a colour.
Rgb PixelOf(const Bytes& image, int size, int depth, int x, int y)
{
    const size_t palette = 40;
    const size_t colours = palette + (static_cast<size_t>(1) << depth) * 4;
    const size_t row = static_cast<size_t>(size) * depth / 8;
    const unsigned char byte = image[colours + row * y + (depth == 8 ? x : x / 2)];
    const int index = depth == 8 ? byte : (x % 2 ? byte & 15 : byte >> 4);
    const unsigned char* q = &image[palette + 4 * static_cast<size_t>(index)];
    return Rgb{q[2], q[1], q[0]};
}

TEST(ConvertImage, SizesOfTheStubsImages)
{
    const IconFile file = Parsed(IconFileOf({Checker(16, 4), Checker(32, 4), Checker(48, 4)}));
    const struct {
        int size;
        bool rich;
        size_t length;
    } cases[] = {{16, false, 296}, {32, false, 744}, {48, false, 1640},
                 {16, true, 1384}, {32, true, 2216}, {48, true, 3752}};
    for (const auto& c : cases) {
        Bytes out;
        ASSERT_EQ(ConvertImage(file, *file.FindImage(c.size, false, true), out, c.size, c.rich), 1);
        EXPECT_EQ(out.size(), c.length) << c.size << " rich " << c.rich;
    }
}

TEST(ConvertImage, EnlargesSixteenToFortyEightThroughNinetySix)
{
    ImageShape shape{16, 8, kSixteen, [](int x, int y) { return (x * 3 + y) % 16; }, nullptr};
    const IconFile file = Parsed(IconFileOf({shape}));
    Bytes out;
    ASSERT_EQ(ConvertImage(file, *file.FindImage(48, true, true), out, 48, true), 1);
    for (int y = 0; y < 48; y += 5) {
        for (int x = 0; x < 48; x += 7)
            EXPECT_TRUE(PixelOf(out, 48, 8, x, y) == kSixteen[static_cast<size_t>((x / 3 * 3 + y / 3) % 16)]) << x << "," << y;
    }
    // The one transparent pixel of the source's first row becomes a 3 x 3 block.
    const size_t mask = 40 + 256 * 4 + 48 * 48;
    EXPECT_EQ(out[mask], 0xE0);
    EXPECT_EQ(out[mask + 8 * 2], 0xE0);
    EXPECT_EQ(out[mask + 8 * 3], 0x00);
}

TEST(ConvertImage, ReducesTrueColourToTheSixteenMostFrequentColours)
{
    // 20 colours: colour i covers (20 - i) columns' worth of pixels, so 0..15 are the most frequent.
    ImageShape shape{32, 24, {}, nullptr, [](int x, int y) {
                       const int i = (x * 32 + y) % 210;
                       int colour = 0;
                       for (int left = i, n = 20; left >= n; left -= n, --n)
                           ++colour;
                       return Rgb{static_cast<unsigned char>(10 * colour), 50, 60};
                   }};
    const IconFile file = Parsed(IconFileOf({shape}));
    Bytes out;
    ASSERT_EQ(ConvertImage(file, *file.FindImage(32, false, true), out, 32, false), 1);
    std::vector<int> reds;
    for (int i = 0; i < 16; ++i)
        reds.push_back(out[40 + 4 * static_cast<size_t>(i) + 2]);
    std::vector<int> expected;
    for (int i = 0; i < 16; ++i)
        expected.push_back(10 * i);
    EXPECT_EQ(reds, expected);  // kept colours, in colour order
}

TEST(ConvertImage, RefusesAMaskOfTheWrongLength)
{
    std::string bytes = IconFileOf({Checker(16, 4)});
    bytes += "xx";
    bytes[6 + 8] = static_cast<char>(bytes[6 + 8] + 2);  // the entry claims two more bytes
    const IconFile file = Parsed(bytes);
    Bytes out;
    EXPECT_EQ(ConvertImage(file, *file.FindImage(16, false, true), out, 16, false), 0);
}

TEST(IconTable, SplitNeedsThreeImagesOfTheThreeSizes)
{
    const std::string good = IconFileOf({Checker(16, 4), Checker(32, 4), Checker(48, 4)});
    Bytes a, b, c;
    EXPECT_EQ(SplitIconTable(reinterpret_cast<const unsigned char*>(good.data()), good.size(), a, b, c), 1);
    EXPECT_EQ(a.size(), 296u);
    EXPECT_EQ(c.size(), 1640u);
    const std::string four = IconFileOf({Checker(16, 4), Checker(32, 4), Checker(48, 4), Checker(16, 4)});
    EXPECT_EQ(SplitIconTable(reinterpret_cast<const unsigned char*>(four.data()), four.size(), a, b, c), 0);
    const std::string other = IconFileOf({Checker(16, 4), Checker(24, 4), Checker(48, 4)});
    EXPECT_EQ(SplitIconTable(reinterpret_cast<const unsigned char*>(other.data()), other.size(), a, b, c), 0);
}

TEST(IconStub, TheStubsOwnTablesTakeAUserIcon)
{
    const struct {
        const char* table;
        bool rich;
    } cases[] = {{"../resources/quenlow/stub_plain.ico", false}, {"../resources/quenlow/stub_rich.ico", true}};
    const IconFile user = Parsed(IconFileOf({Checker(16, 4), Checker(32, 8)}));
    for (const auto& c : cases) {
        const std::string tableText = ReadFileBytes(TestDataPath(c.table));
        ASSERT_FALSE(tableText.empty()) << c.table;
        const Bytes table(tableText.begin(), tableText.end());
        // A stand-in stub: bytes around the table's images, as a program holds them.
        const std::string stubText = std::string(100, 'S') + tableText + std::string(100, 'T');
        Bytes stub(stubText.begin(), stubText.end());
        const Bytes before = stub;
        EXPECT_EQ(PutIconIntoStub(user, c.rich, true, stub, table), IconStubResult::Done) << c.table;
        EXPECT_EQ(stub.size(), before.size());
        EXPECT_TRUE(stub != before);
        EXPECT_TRUE(std::equal(stub.begin(), stub.begin() + 100, before.begin()));

        Bytes empty(50, 'x');
        EXPECT_EQ(PutIconIntoStub(user, c.rich, true, empty, table), IconStubResult::CannotReplace16);
    }
}

}  // namespace
