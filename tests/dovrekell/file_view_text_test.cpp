// What the file viewer shows for each kind of file content.
#include "file_view_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileViewText, TextsAndMessages)
{
    const std::string classBytes("\xCA\xFE\xBA\xBE\0\0\0\x3D", 8);  // a header and nothing more
    const struct {
        const char* what;
        const char* extension;
        const char* data;  // null: could not be opened
        size_t size;
        const char* expected;
        bool isError;
    } cases[] = {
        {"CR LF ends", "txt", "one\r\ntwo\r\n", 10, "one\ntwo\n", false},
        {"lone CR kept", "java", "a\rb\r", 4, "a\rb\r", false},
        {"unopened", "txt", nullptr, 0, "C:\\f.txt\nCan not open the file", true},
        {"empty", "txt", "", 0, "C:\\f.txt\nThe file is empty", true},
        {"zero byte", "txt", "ab\0cd", 5, "C:\\f.txt\nThe file is not a text file", true},
        {"zero byte last", "html", "abc\0", 4, "C:\\f.txt\nThe file is not a text file", true},
        {"damaged class", "CLASS", classBytes.data(), classBytes.size(), "Error: the class is in bad format", true},
        {"text named class", "class", "hello", 5, "Error: the class is in bad format", true},
    };
    for (const auto& c : cases) {
        const FileViewText shown =
            TextForFile("C:\\f.txt", c.extension, reinterpret_cast<const unsigned char*>(c.data), c.size);
        EXPECT_EQ(std::string(shown.text.Data(), static_cast<size_t>(shown.text.Length())), c.expected) << c.what;
        EXPECT_EQ(shown.isError, c.isError) << c.what;
    }
}

}  // namespace
