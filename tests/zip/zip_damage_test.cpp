// The reader against archives written here, one kind of damage or oddity each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "support/test_files.h"
#include "zip_test_listing.h"
#include "zip_writer.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#endif

namespace {

constexpr uint16_t kMadeOnUnix = 0x031e;
constexpr uint16_t kMadeOnAmiga = 0x0114;
constexpr uint32_t kUnixDirMode = 0x41ed0000;   // drwxr-xr-x
constexpr uint32_t kUnixFileMode = 0x81a40000;  // -rw-r--r--

std::vector<WriterEntry> ThreeFiles()
{
    return {{"a.txt"}, {"b/"}, {"b/c.class"}};
}

WriterOptions With(const std::function<void(WriterOptions&)>& change)
{
    WriterOptions o;
    change(o);
    return o;
}

struct DamageCase {
    const char* label;
    std::vector<WriterEntry> entries;
    WriterOptions options;
    int cause;                          // 0: opens
    std::vector<ListedEntry> listing;   // when it opens, in index order
};

std::vector<DamageCase> DamageCases()
{
    const std::vector<ListedEntry> three = {{"a.txt", false}, {"b/", true}, {"b/c.class", false}};
    return {
        {"plain", ThreeFiles(), WriterOptions(), 0, three},
        {"empty archive", {}, WriterOptions(), 0, {}},
        {"no end record", ThreeFiles(), With([](WriterOptions& o) { o.omitEndRecord = true; }),
         ZipExceptionUse::CentralDirNotFound, {}},
        {"longest comment", ThreeFiles(), With([](WriterOptions& o) { o.comment = std::string(65535, 'c'); }), 0, three},
        // Only the last 65557 bytes are searched, so an early signature is no end record.
        {"stub that starts like an end record", ThreeFiles(),
         With([](WriterOptions& o) { o.comment = std::string(65535, 'c'); o.stub = "PK\x05\x06"; }), 0, three},
        {"program stub in front", ThreeFiles(), With([](WriterOptions& o) { o.stub = std::string(1000, 'S'); }), 0,
         three},
        {"reversed central directory", ThreeFiles(), With([](WriterOptions& o) { o.reverseDirectory = true; }), 0,
         three},
        {"local offsets in the 64-bit extra field", ThreeFiles(),
         With([](WriterOptions& o) { o.offsetsInExtraField = true; o.reverseDirectory = true; }), 0, three},
        {"duplicate local offset", ThreeFiles(), With([](WriterOptions& o) { o.duplicateOffset = true; }),
         ZipExceptionUse::BadZipFile, {}},
        {"truncated directory", ThreeFiles(), With([](WriterOptions& o) { o.extraEntriesClaimed = 1; }),
         ZipExceptionUse::BadZipFile, {}},
        {"directory cut short", ThreeFiles(), With([](WriterOptions& o) { o.directorySizeDelta = -10; }),
         ZipExceptionUse::BadZipFile, {}},
        {"directory claimed larger than the file", ThreeFiles(),
         With([](WriterOptions& o) { o.directorySizeDelta = 0x7fff0000; }), ZipExceptionUse::BadZipFile, {}},
        // 0xfffffff0 + size wraps a 32-bit sum back into the file.
        {"offset that wraps 32 bits", ThreeFiles(),
         With([](WriterOptions& o) { o.directoryOffsetDelta = 0xffffff00; }), ZipExceptionUse::BadZipFile, {}},
        {"entries without a directory", {}, With([](WriterOptions& o) { o.extraEntriesClaimed = 3; }),
         ZipExceptionUse::BadZipFile, {}},
        {"directory without entries", ThreeFiles(), With([](WriterOptions& o) { o.extraEntriesClaimed = -3; }),
         ZipExceptionUse::BadZipFile, {}},
        {"more entries than the directory can hold", ThreeFiles(),
         With([](WriterOptions& o) { o.extraEntriesClaimed = 65000; }), ZipExceptionUse::BadZipFile, {}},
        {"central header without its signature", ThreeFiles(),
         With([](WriterOptions& o) { o.breakHeaderSignature = 1; }), ZipExceptionUse::BadZipFile, {}},
        {"64-bit end record", ThreeFiles(), With([](WriterOptions& o) { o.zip64 = true; }), 0, three},
        {"64-bit count beyond any directory", ThreeFiles(),
         With([](WriterOptions& o) { o.zip64 = true; o.extraEntriesClaimed = int64_t(1) << 60; }),
         ZipExceptionUse::BadZipFile, {}},
        {"last volume holding the whole directory", ThreeFiles(), With([](WriterOptions& o) { o.thisDisk = 2; }), 0,
         three},
        {"attributes of several systems",
         {{"unixdir", kMadeOnUnix, 0, kUnixDirMode},
          {"unixfile/", kMadeOnUnix, 0, kUnixFileMode},
          {"dosdir", 20, 0, 0x10},
          {"dosfile", 20, 0, 0x20},
          {"emptyattr/", kMadeOnUnix, 0, 0},
          {"amiga/", kMadeOnAmiga, 0, 0},
          {"amiga", kMadeOnAmiga, 0, 0x10},
          {"mac", 0x0714, 0, 0x10}},
         WriterOptions(), 0,
         {{"unixdir", true}, {"unixfile/", false}, {"dosdir", true}, {"dosfile", false}, {"emptyattr/", true},
          {"amiga/", true}, {"amiga", false}, {"mac", true}}},
    };
}

void ExpectOpenFails(ZipArchive& archive, const std::string& path, int cause)
{
    try {
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        ADD_FAILURE() << "opened";
    } catch (const ZipExceptionUse& e) {
        EXPECT_EQ(e.cause, cause);
        EXPECT_STREQ(e.archiveName.Data(), path.c_str());
    }
}

int OpenDescriptors()
{
#ifdef _WIN32
    return 0;
#else
    int n = 0;
    if (DIR* d = opendir("/proc/self/fd")) {
        while (readdir(d))
            ++n;
        closedir(d);
    }
    return n;
#endif
}

// Whether another program could write the file now.
bool WritableByOthers(const std::string& path)
{
#ifdef _WIN32
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
#else
    (void)path;
#endif
    return true;
}

TEST(ZipDamage, TableOfCases)
{
    const std::string good = ScratchPath("good.zip");
    ASSERT_TRUE(WriteFileBytes(good, WriteTestZip(ThreeFiles())));
    int index = 0;
    for (const DamageCase& c : DamageCases()) {
        SCOPED_TRACE(c.label);
        const std::string path = ScratchPath("damage" + std::to_string(index++) + ".zip");
        ASSERT_TRUE(WriteFileBytes(path, WriteTestZip(c.entries, c.options)));
        ZipArchive archive;
        const int descriptors = OpenDescriptors();
        if (c.cause) {
            ExpectOpenFails(archive, path, c.cause);
            // Nothing stays open or locked after a failed open, and the
            // same object opens the next archive normally.
            EXPECT_TRUE(archive.IsClosed(true));
            EXPECT_TRUE(archive.IsClosed(false));
            EXPECT_EQ(OpenDescriptors(), descriptors);
            EXPECT_TRUE(WritableByOthers(path));
            archive.Open(good.c_str(), ZipArchive::ModeOpenReadOnly);
            EXPECT_EQ(archive.GetCount(), 3);
            continue;
        }
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        EXPECT_FALSE(archive.IsClosed(true));
        EXPECT_EQ(ListEntries(archive), c.listing);
        EXPECT_EQ(archive.CentralDir().bytesBeforeZip, c.options.stub.size());
        EXPECT_EQ(archive.CentralDir().comment.Size(), static_cast<int>(c.options.comment.size()));
        archive.Close();
        EXPECT_EQ(OpenDescriptors(), descriptors);
    }
}

TEST(ZipDamage, ShortFilesHaveNoEndRecord)
{
    const char* contents[] = {"", "PK\x05", "PK\x05\x06"};
    for (const char* bytes : contents) {
        const std::string path = ScratchPath("short.zip");
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        ZipArchive archive;
        // A signature too close to the end for its record is a short read.
        ExpectOpenFails(archive, path,
                        std::string(bytes).size() == 4 ? ZipExceptionUse::BadZipFile
                                                       : ZipExceptionUse::CentralDirNotFound);
    }
}

TEST(ZipDamage, MissingFileIsAFileFailure)
{
    ZipArchive archive;
    const std::string path = ScratchPath("absent.zip");
    try {
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        ADD_FAILURE() << "opened";
    } catch (const ZipFileException& e) {
        EXPECT_EQ(e.cause, ZipFileException::FileNotFound);
        EXPECT_STREQ(e.fileName.Data(), path.c_str());
    }
    EXPECT_TRUE(archive.IsClosed(true));
}

TEST(ZipDamage, OpenArchiveKeepsWritersOut)
{
    const std::string path = ScratchPath("locked.zip");
    ASSERT_TRUE(WriteFileBytes(path, WriteTestZip(ThreeFiles())));
    ZipArchive archive;
    archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
#ifdef _WIN32
    EXPECT_FALSE(WritableByOthers(path));
#endif
    // A second Open while open changes nothing.
    archive.Open(ScratchPath("absent.zip").c_str(), ZipArchive::ModeOpenReadOnly);
    EXPECT_EQ(archive.GetCount(), 3);
    archive.Close();
    EXPECT_TRUE(WritableByOthers(path));
}

TEST(ZipDamage, CreateModesAreNotOffered)
{
    ZipArchive archive;
    for (int mode : {int(ZipArchive::ModeCreate), int(ZipArchive::ModeCreateSpan)}) {
        try {
            archive.Open(ScratchPath("new.zip").c_str(), mode);
            ADD_FAILURE() << "opened";
        } catch (const ZipExceptionUse& e) {
            EXPECT_EQ(e.cause, ZipExceptionUse::Generic);
        }
        EXPECT_FALSE(FileExists(ScratchPath("new.zip")));
    }
}

bool AlwaysRemovable(const char*) { return true; }

TEST(ZipDamage, VolumeSetOnRemovableDriveNeedsACallback)
{
    const std::string path = ScratchPath("span.zip");
    ASSERT_TRUE(WriteFileBytes(path, WriteTestZip(ThreeFiles(), With([](WriterOptions& o) { o.thisDisk = 1; }))));
    ZipPlatform removable = ZipSystemPlatform();
    removable.isRemovableDrive = AlwaysRemovable;
    ZipArchive archive;
    archive.SetPlatform(removable);
    ExpectOpenFails(archive, path, ZipExceptionUse::NoCallback);
    EXPECT_TRUE(archive.IsClosed(false));
}

TEST(ZipDamage, GetFileInfoCopiesTheHeader)
{
    const std::string path = ScratchPath("info.zip");
    ASSERT_TRUE(WriteFileBytes(path, WriteTestZip({{"x/y.class", kMadeOnUnix, 0, kUnixFileMode}})));
    ZipArchive archive;
    ZipFileHeader header;
    EXPECT_FALSE(archive.GetFileInfo(header, 0));
    archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
    ASSERT_TRUE(archive.GetFileInfo(header, 0));
    EXPECT_STREQ(header.GetFileName().Data(), "x\\y.class");
    EXPECT_EQ(header.versionMadeBy, kMadeOnUnix);
    EXPECT_EQ(header.externalAttributes, kUnixFileMode);
    EXPECT_EQ(header.localHeaderOffset, 0u);
    EXPECT_FALSE(archive.GetFileInfo(header, 1));
    EXPECT_FALSE(archive.GetFileInfo(header, -1));
    archive.Close();
    // The copy outlives the archive's own headers.
    EXPECT_STREQ(header.GetFileName().Data(), "x\\y.class");
}

TEST(ZipDamage, AttributesWithoutAConversionAreRefused)
{
    try {
        ConvertZipAttributes(0x10, kZipSystemDos, kZipSystemUnix);
        ADD_FAILURE() << "converted";
    } catch (const ZipExceptionUse& e) {
        EXPECT_EQ(e.cause, ZipExceptionUse::PlatformNotSupported);
    }
}

#ifndef _WIN32
// The machine's unzip lists what the reader lists (unzip keeps central
// directory order, so both are compared sorted).
TEST(ZipDamage, UnzipListsTheSameNames)
{
    int index = 0;
    for (const DamageCase& c : DamageCases()) {
        if (c.cause || c.listing.empty() || c.options.thisDisk != 0)
            continue;
        SCOPED_TRACE(c.label);
        const std::string path = ScratchPath("unzip" + std::to_string(index++) + ".zip");
        ASSERT_TRUE(WriteFileBytes(path, WriteTestZip(c.entries, c.options)));
        std::vector<std::string> fromUnzip;
        FILE* pipe = popen(("unzip -Z1 '" + path + "' 2>/dev/null").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char line[4096];
        while (fgets(line, sizeof line, pipe)) {
            std::string name = line;
            while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
                name.pop_back();
            fromUnzip.push_back(name);
        }
        pclose(pipe);
        std::vector<std::string> fromReader;
        for (const ListedEntry& e : c.listing)
            fromReader.push_back(e.name);
        std::sort(fromUnzip.begin(), fromUnzip.end());
        std::sort(fromReader.begin(), fromReader.end());
        EXPECT_EQ(fromReader, fromUnzip);
    }
}
#endif

}  // namespace
