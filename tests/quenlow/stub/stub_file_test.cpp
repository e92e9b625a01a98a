// The stub file and the stub programs agree: its parts are the two programs
// and their icon tables, and each program's icon images equal its table's.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "stub_trailer.h"
#include "support/pe_header.h"
#include "support/test_files.h"

namespace {

const std::string kMarker(20, '\xAB');

std::vector<std::string> SplitStubFile(const std::string& bytes)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t at = bytes.find(kMarker, start);
        if (at == std::string::npos)
            return {};
        parts.push_back(bytes.substr(start, at - start));
        start = at + kMarker.size();
    }
    return parts;
}

// The images of an icon file, in directory order.
std::vector<std::string> IconFileImages(const std::string& ico)
{
    std::vector<std::string> images;
    const auto* p = reinterpret_cast<const unsigned char*>(ico.data());
    const unsigned count = p[4] | (p[5] << 8);
    for (unsigned i = 0; i < count; ++i) {
        const unsigned char* entry = p + 6 + 16 * i;
        uint32_t size, offset;
        std::memcpy(&size, entry + 8, 4);
        std::memcpy(&offset, entry + 12, 4);
        images.push_back(ico.substr(offset, size));
    }
    return images;
}

std::vector<std::string> ProgramIconImages(const std::string& exe)
{
    std::vector<std::string> images;
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return images;
    for (int id = 1; id <= 3; ++id) {
        HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
        if (!resource)
            break;
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
        images.emplace_back(data, SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return images;
}

TEST(StubFile, HoldsBothProgramsAndTheirIconTables)
{
    const std::string file = ReadFileBytes(QUENLOW_STUB_FILE);
    const std::vector<std::string> parts = SplitStubFile(file);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_TRUE(parts[0] == ReadFileBytes(QUENLOW_STUB_PLAIN)) << "P0 is not the plain stub";
    EXPECT_TRUE(parts[1] == ReadFileBytes(QUENLOW_STUB_RICH)) << "P1 is not the rich stub";
    EXPECT_TRUE(parts[2] == ReadFileBytes(TestDataPath("../resources/quenlow/stub_plain.ico"))) << "P2";
    EXPECT_TRUE(parts[3] == ReadFileBytes(TestDataPath("../resources/quenlow/stub_rich.ico"))) << "P3";
}

// Both programs are windowed, as the executables of the default choice (Use
// Javaw) are: Create makes a copy a console program for java.
TEST(StubFile, BothProgramsAreWindowed)
{
    const std::vector<std::string> parts = SplitStubFile(ReadFileBytes(QUENLOW_STUB_FILE));
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(PeSubsystemOf(parts[0]), static_cast<unsigned>(IMAGE_SUBSYSTEM_WINDOWS_GUI));
    EXPECT_EQ(PeSubsystemOf(parts[1]), static_cast<unsigned>(IMAGE_SUBSYSTEM_WINDOWS_GUI));
}

TEST(StubFile, EachProgramCarriesItsTablesImagesByteForByte)
{
    const struct {
        const char* exe;
        const char* ico;
    } cases[] = {{QUENLOW_STUB_PLAIN, "../resources/quenlow/stub_plain.ico"},
                 {QUENLOW_STUB_RICH, "../resources/quenlow/stub_rich.ico"}};
    for (const auto& c : cases) {
        const std::vector<std::string> table = IconFileImages(ReadFileBytes(TestDataPath(c.ico)));
        const std::vector<std::string> carried = ProgramIconImages(c.exe);
        ASSERT_EQ(table.size(), 3u) << c.ico;
        ASSERT_EQ(carried.size(), 3u) << c.exe;
        for (size_t i = 0; i < table.size(); ++i)
            EXPECT_TRUE(carried[i] == table[i]) << c.exe << ": image " << i << " differs from the icon table";
        // The images are found in the program's bytes, where the icon
        // replacement will look for them.
        const std::string exe = ReadFileBytes(c.exe);
        for (const std::string& image : table)
            EXPECT_NE(exe.find(image), std::string::npos) << c.exe;
    }
}

TEST(StubFile, AppendedDataStartsWhereTheImageEnds)
{
    const std::string exe = ReadFileBytes(QUENLOW_STUB_PLAIN);
    EXPECT_EQ(PeImageEnd(reinterpret_cast<const unsigned char*>(exe.data()), exe.size()), exe.size());
}

}  // namespace
