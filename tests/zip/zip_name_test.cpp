// Entry names reach the caller in the ANSI code page with '\' between parts:
// UTF-8 names (flag bit 11, as the jar tool writes them) through the UTF-8
// converter, names made on MS-DOS through the OEM one, all others as stored.
#include <gtest/gtest.h>

#include "support/test_files.h"
#include "zip_test_listing.h"
#include "zip_writer.h"

namespace {

int oemCalls = 0;
int utf8Calls = 0;

// Stand-ins that mark what they convert: OEM 0x82 and UTF-8 C3 A9 both are
// e-acute, 0xE9 in the ANSI code page.
void MarkOem(char* text, int length)
{
    ++oemCalls;
    for (int i = 0; i < length; ++i)
        text[i] = text[i] == '\x82' ? '\xe9' : text[i];
}

int MarkUtf8(const char* text, int length, char* out)
{
    ++utf8Calls;
    int n = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] == '\xc3' && i + 1 < length && text[i + 1] == '\xa9') {
            out[n++] = '\xe9';
            ++i;
        } else {
            out[n++] = text[i];
        }
    }
    return n;
}

struct NameCase {
    const char* label;
    WriterEntry entry;
    const char* shown;
    int oem, utf8;  // converter calls expected
};

const NameCase kNames[] = {
    {"OEM name made on MS-DOS", {"caf\x82.txt", 20, 0, 0}, "caf\xe9.txt", 1, 0},
    {"UTF-8 name from the jar tool", {"caf\xc3\xa9.txt", 20, 0x0808, 0}, "caf\xe9.txt", 0, 1},
    {"UTF-8 name made on Unix", {"caf\xc3\xa9.txt", 0x031e, 0x0800, 0x81a40000}, "caf\xe9.txt", 0, 1},
    {"raw name made on Unix", {"caf\xc3\xa9.txt", 0x031e, 0, 0x81a40000}, "caf\xc3\xa9.txt", 0, 0},
    {"ASCII path", {"a/b/c.class", 20, 0x0800, 0}, "a\\b\\c.class", 0, 0},
};

TEST(ZipNames, ConvertedByOrigin)
{
    ZipPlatform marking = ZipSystemPlatform();
    marking.oemToAnsi = MarkOem;
    marking.utf8ToAnsi = MarkUtf8;
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.label);
        const std::string path = ScratchPath("names.zip");
        ASSERT_TRUE(WriteFileBytes(path, WriteTestZip({c.entry})));
        oemCalls = utf8Calls = 0;
        ZipArchive archive;
        archive.SetPlatform(marking);
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        ZipFileHeader header;
        ASSERT_TRUE(archive.GetFileInfo(header, 0));
        EXPECT_STREQ(header.GetFileName().Data(), c.shown);
        EXPECT_EQ(oemCalls, c.oem);
        EXPECT_EQ(utf8Calls, c.utf8);
    }
}

#ifdef _WIN32
// The Windows conversions themselves (the tests run with ANSI code page 1252
// and OEM code page 437).
TEST(ZipNames, WindowsCodePages)
{
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.label);
        const std::string path = ScratchPath("names.zip");
        ASSERT_TRUE(WriteFileBytes(path, WriteTestZip({c.entry})));
        ZipArchive archive;
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        ZipFileHeader header;
        ASSERT_TRUE(archive.GetFileInfo(header, 0));
        EXPECT_STREQ(header.GetFileName().Data(), c.shown);
    }
}
#endif

}  // namespace
