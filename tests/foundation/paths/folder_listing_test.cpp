#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "paths/folder_listing.h"
#include "support/test_files.h"
#include "xfind.h"

namespace {

// Name -> is a folder, as the find functions list it.
std::map<std::string, bool> ListedByFind(const std::string& folder)
{
    std::map<std::string, bool> entries;
    XFind find;
    for (bool more = find.FindFirst((folder + "\\*.*").c_str()); more; more = find.FindNext()) {
        if (!find.IsDots())
            entries[find.FileName()] = find.IsDirectory();
    }
    return entries;
}

// The same through the listing; a name met twice fails the test.
std::map<std::string, bool> ListedByBlocks(FolderListing& listing, const std::string& folder)
{
    std::map<std::string, bool> entries;
    EXPECT_TRUE(listing.Open(folder.c_str())) << folder;
    while (listing.Next())
        EXPECT_TRUE(entries.emplace(listing.Name(), listing.IsDirectory()).second) << listing.Name();
    return entries;
}

TEST(FolderListing, ListsWhatTheFindFunctionsList)
{
    const std::string small = ScratchPath("listing_small");
    CreateDirectoryA(small.c_str(), nullptr);
    CreateDirectoryA((small + "\\sub").c_str(), nullptr);
    CreateDirectoryA((small + "\\a.b").c_str(), nullptr);
    for (const char* name : {"Main.class", "Gr\xFC\xDF" "e.txt", "\xE9.class", "no extension", ".hidden"})
        ASSERT_TRUE(WriteFileBytes(small + "\\" + name, "x"));
    // Enough long names that they need several blocks.
    const std::string many = ScratchPath("listing_many");
    CreateDirectoryA(many.c_str(), nullptr);
    const std::string longPart(150, 'n');
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(WriteFileBytes(many + "\\" + longPart + std::to_string(i) + ".class", ""));

    FolderListing listing;  // one listing, folder after folder
    for (const std::string& folder : {small, many, small}) {
        SCOPED_TRACE(folder);
        const std::map<std::string, bool> expected = ListedByFind(folder);
        EXPECT_EQ(ListedByBlocks(listing, folder), expected);
    }
    EXPECT_EQ(ListedByFind(small).size(), 7u);
    EXPECT_TRUE(ListedByBlocks(listing, small).at("sub"));
    EXPECT_FALSE(ListedByBlocks(listing, small).at("Gr\xFC\xDF" "e.txt"));
    EXPECT_EQ(ListedByBlocks(listing, many).size(), 3000u);
}

TEST(FolderListing, AnEmptyFolderHasNoEntriesAndAMissingOneCanNotBeOpened)
{
    const std::string empty = ScratchPath("listing_empty");
    CreateDirectoryA(empty.c_str(), nullptr);
    FolderListing listing;
    ASSERT_TRUE(listing.Open(empty.c_str()));
    EXPECT_FALSE(listing.Next());
    EXPECT_FALSE(listing.Open((empty + "\\missing").c_str()));
    EXPECT_FALSE(listing.Next());
    const std::string file = empty + "\\file.txt";
    ASSERT_TRUE(WriteFileBytes(file, "x"));
    EXPECT_FALSE(listing.Open(file.c_str()) && listing.Next()) << "a file lists no entries";
}

}  // namespace
