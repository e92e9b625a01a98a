// Archives made by the machine's jar and zip tools list as those tools list
// them: the same names in the same order, directories where unzip sees one.
#include <gtest/gtest.h>

#include <sstream>

#include "support/test_files.h"
#include "zip_test_listing.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct FixtureCase {
    const char* archive;
    bool utf8Names;  // names flagged UTF-8: the reader gives them in the ANSI code page
    int bytesBefore;
};

const FixtureCase kFixtures[] = {
    {"jar_tool.jar", false, 0},
    {"jar_utf8.jar", true, 0},
    {"zip_unix.zip", false, 0},
    {"zip_dos.zip", false, 0},
    {"zip_stub.zip", false, 1000},
};

std::string AsReaderShowsIt(const std::string& utf8, bool converted)
{
#ifdef _WIN32
    if (converted) {
        wchar_t wide[512];
        char ansi[512];
        const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide, 512);
        const int n = WideCharToMultiByte(CP_ACP, 0, wide, units, ansi, 512, nullptr, nullptr);
        return std::string(ansi, static_cast<size_t>(n));
    }
#else
    (void)converted;
#endif
    return utf8;
}

// A golden listing line is a name; unzip treats a name ending in '/' as a directory.
std::vector<ListedEntry> GoldenListing(const std::string& text, bool utf8Names)
{
    std::vector<ListedEntry> out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            out.push_back({AsReaderShowsIt(line, utf8Names), line.back() == '/'});
    }
    return out;
}

TEST(ZipFixtures, ListLikeTheTools)
{
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.archive);
        const std::string dir = std::string("zip/data/");
        const std::vector<ListedEntry> expected =
            GoldenListing(ReadFileBytes(TestDataPath(dir + c.archive + ".txt")), c.utf8Names);
        ASSERT_FALSE(expected.empty());
        ZipArchive archive;
        archive.Open(TestDataPath(dir + c.archive).c_str(), ZipArchive::ModeOpenReadOnly);
        EXPECT_EQ(archive.GetCount(), static_cast<int>(expected.size()));
        EXPECT_EQ(ListEntries(archive), expected);
        EXPECT_EQ(archive.CentralDir().bytesBeforeZip, static_cast<uint64_t>(c.bytesBefore));
        archive.Close();
        EXPECT_TRUE(archive.IsClosed(true));
        EXPECT_TRUE(archive.IsClosed(false));
    }
}

TEST(ZipFixtures, SystemCodeComesFromTheFirstEntry)
{
    const struct { const char* archive; int system; } cases[] = {
        {"jar_tool.jar", kZipSystemDos}, {"zip_unix.zip", kZipSystemUnix}, {"zip_dos.zip", kZipSystemDos}};
    for (const auto& c : cases) {
        ZipArchive archive;
        archive.Open(TestDataPath(std::string("zip/data/") + c.archive).c_str(), ZipArchive::ModeOpenReadOnly);
        EXPECT_EQ(archive.SystemCode(), c.system) << c.archive;
    }
}

}  // namespace
