#include "icon_check.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace {

void Put16(std::string& s, unsigned v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

// A directory of images, each entry pointing at a 40-byte header that holds
// only its bit count; headerOffset moves the first header (to beyond the end).
std::string Icon(std::initializer_list<std::pair<int, int>> images, unsigned headerOffset = 0)
{
    std::string s;
    Put16(s, 0);
    Put16(s, 1);
    Put16(s, static_cast<unsigned>(images.size()));
    unsigned at = 6 + 16 * static_cast<unsigned>(images.size());
    for (const auto& image : images) {
        s += static_cast<char>(image.first);
        s += static_cast<char>(image.first);
        s += std::string(6, '\0');
        Put16(s, 40);
        Put16(s, 0);
        const unsigned offset = headerOffset ? headerOffset : at;
        Put16(s, offset & 0xFFFF);
        Put16(s, offset >> 16);
        at += 40;
    }
    for (const auto& image : images) {
        std::string header(40, '\0');
        header[14] = static_cast<char>(image.second);
        s += header;
    }
    return s;
}

const char kHeading[] = "Width\tHeight\tColor\n-------------------------------------------\n";

TEST(IconFormat, TableAndStandardImages)
{
    const struct {
        const char* name;
        std::string bytes;
        int result;
        int standard;
        std::string lines;
    } cases[] = {
        {"48 at 24 bits", Icon({{48, 24}}), 1, 1, "48\t48\t24    bits\n"},
        {"32 at 32 bits only", Icon({{32, 32}}), 1, 0, "32\t32\t32    bits\n"},
        {"16 colours and a 1-bit image", Icon({{16, 4}, {32, 1}}), 1, 1, "16\t16\t16\n32\t32\t2\n"},
        {"a size the stub has not", Icon({{24, 8}}), 1, 0, "24\t24\t256\n"},
        {"header beyond the end", Icon({{16, 4}}, 0xFFFFFFF0u), 0, 0, ""},
        {"entries beyond the end", Icon({{16, 4}}).substr(0, 22) + std::string(1, '\0'), 0, 0, ""},
        {"no image", std::string("\0\0\1\0\0\0", 6) + std::string(20, '\0'), 0, 0, ""},
        {"22 bytes", Icon({{16, 4}}).substr(0, 22), 0, 0, ""},
    };
    for (const auto& c : cases) {
        XString table;
        int standard = -1;
        const int result = DescribeIconFormat(reinterpret_cast<const unsigned char*>(c.bytes.data()),
                                              c.bytes.size(), table, &standard);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(standard, c.standard) << c.name;
        if (result) {
            EXPECT_EQ(std::string(table.Data()), kHeading + c.lines) << c.name;
        }
    }
}

}  // namespace
