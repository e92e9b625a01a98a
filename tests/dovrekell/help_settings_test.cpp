#include <gtest/gtest.h>

#include <string>

#include "help_settings.h"
#include "support/test_files.h"

namespace {

constexpr char kEmptyFile[] =
    "\r\n\r\n{SECT_FAVORITE}\r\n<KEY>\r\n<LIST>\r\n"
    "\r\n\r\n{SECT_FIND}\r\n<KEY>\r\n<LIST>\r\n"
    "\r\n\r\n{SECT_SEARCH}\r\n<KEY>\r\n<LIST>\r\n"
    "\r\n\r\n{SECT_SEARCHFILE}\r\n<KEY>\r\n<LIST>\r\n"
    "\r\n\r\n{SECT_DLGOPJDKDOC}\r\n<KEY>\r\n<LIST>\r\n"
    "\r\n\r\n{SECT_DLGOPJDKDOCEXTS}\r\n<KEY>\r\n<LIST>\r\n";

TEST(HelpSettings, MissingFileIsCreatedWithTheSixRecords)
{
    const std::string path = ScratchPath("created.set");
    RemoveFile(path);
    HelpSettings settings;
    EXPECT_EQ(settings.Open(path.c_str()), 0);
    EXPECT_FALSE(FileExists(path));
    ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    settings.Close();
    EXPECT_EQ(ReadFileBytes(path), kEmptyFile);

    // A file that lacks records gets only those, at its end.
    WriteFileBytes(path, "\r\n\r\n{SECT_FIND}\r\n<KEY>\r\n[KEY_FIND_WHOLEWORD]1\r\n<LIST>\r\n(x)\r\n");
    ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    EXPECT_EQ(settings.GetWholeWord(), 1);
    StringList finds;
    settings.GetList(HelpSettings::kFind, finds);
    ASSERT_EQ(finds.Count(), 1);
    settings.Close();
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.find("{SECT_FIND}"), bytes.rfind("{SECT_FIND}"));
    EXPECT_LT(bytes.find("{SECT_FIND}"), bytes.find("{SECT_FAVORITE}"));
    EXPECT_NE(bytes.find("{SECT_DLGOPJDKDOCEXTS}"), std::string::npos);
}

TEST(HelpSettings, SearchOptionsArePackedIntoOneKey)
{
    const std::string path = ScratchPath("packed.set");
    RemoveFile(path);
    HelpSettings settings;
    ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    int caseSensitive = -1;
    int position = -1;
    settings.GetSearchOptions(&caseSensitive, &position);
    EXPECT_EQ(caseSensitive, 0);
    EXPECT_EQ(position, 0);

    ASSERT_TRUE(settings.SetSearchOptions(1, 2));
    settings.GetSearchOptions(&caseSensitive, &position);
    EXPECT_EQ(caseSensitive, 1);
    EXPECT_EQ(position, 2);
    settings.Close();
    EXPECT_NE(ReadFileBytes(path).find("[KEY_2WORD]131073\r\n<LIST>"), std::string::npos);

    // Out-of-range halves are held to their ranges.
    ASSERT_EQ(settings.Open(path.c_str()), 1);
    ASSERT_TRUE(settings.File().SetInt(HelpSettings::kSearch, "KEY_2WORD", 0x00050007));
    settings.GetSearchOptions(&caseSensitive, &position);
    EXPECT_EQ(caseSensitive, 1);
    EXPECT_EQ(position, 3);
}

TEST(HelpSettings, FavoritesFoldersAndKeysRoundTrip)
{
    const std::string path = ScratchPath("favorites.set");
    RemoveFile(path);
    HelpSettings settings;
    ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    EXPECT_TRUE(settings.GetDocsFolder().IsEmpty());
    EXPECT_TRUE(settings.GetLastDir().IsEmpty());
    EXPECT_EQ(settings.GetWholeWord(), 0);

    StringList favorites;
    favorites.Add("C:\\docs\\api\\index.html#top");
    favorites.Add("C:\\my docs\\(draft) notes).txt ");
    ASSERT_TRUE(settings.SaveFavorites(favorites));
    StringList folders;
    folders.Add("D:\\jdk docs");
    folders.Add("C:\\old");
    ASSERT_TRUE(settings.SetList(HelpSettings::kDocsFolders, folders));
    ASSERT_TRUE(settings.SetLastDir("D:\\browse [here]"));
    ASSERT_TRUE(settings.SetWholeWord(1));
    settings.Close();

    ASSERT_EQ(settings.Open(path.c_str()), 1);
    StringList read;
    settings.GetFavorites(read);
    ASSERT_EQ(read.Count(), 2);
    EXPECT_STREQ(read.At(0)->Data(), favorites.At(0)->Data());
    EXPECT_STREQ(read.At(1)->Data(), favorites.At(1)->Data());
    EXPECT_STREQ(settings.GetDocsFolder().Data(), "D:\\jdk docs");
    EXPECT_STREQ(settings.GetLastDir().Data(), "D:\\browse [here]");
    EXPECT_EQ(settings.GetWholeWord(), 1);

    // Saving fewer favorites replaces the old items; empty ones are not read back.
    StringList shorter;
    shorter.Add("x.html");
    ASSERT_TRUE(settings.SaveFavorites(shorter));
    settings.Close();
    std::string bytes = ReadFileBytes(path);
    bytes.insert(bytes.find("(x.html)"), "()\r\n");
    WriteFileBytes(path, bytes);
    ASSERT_EQ(settings.Open(path.c_str()), 1);
    read.RemoveAll();
    settings.GetFavorites(read);
    ASSERT_EQ(read.Count(), 1);
    EXPECT_STREQ(read.At(0)->Data(), "x.html");
}

}  // namespace
