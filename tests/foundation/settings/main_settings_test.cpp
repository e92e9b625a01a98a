#include <gtest/gtest.h>

#include <string>

#include "settings/main_args.h"
#include "settings/settings_file.h"
#include "support/test_files.h"

namespace {

std::string Golden()
{
    return ReadFileBytes(TestDataPath("foundation/settings/golden/Quenlow.set"));
}

std::string FreshPath(const char* name)
{
    const std::string path = ScratchPath(name);
    RemoveFile(path);
    return path;
}

TEST(MainSettingsFile, FirstStartWritesTheTwelveSectionsWithTheirDefaults)
{
    const std::string path = FreshPath("first.set");
    {
        SettingsFile settings;
        ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    }
    EXPECT_EQ(ReadFileBytes(path), Golden());

    // A second start finds every section and changes nothing.
    {
        SettingsFile settings;
        ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    }
    EXPECT_EQ(ReadFileBytes(path), Golden());
}

TEST(MainSettingsFile, OnlyTheMissingSectionIsAppended)
{
    const std::string golden = Golden();
    const std::string jdkDoc = "\r\n\r\n{SECT_DLGOPJDKDOC}\r\n<KEY>\r\n<LIST>\r\n";
    const size_t at = golden.find(jdkDoc);
    ASSERT_NE(at, std::string::npos);
    // The other sections carry edits of their own, which must survive.
    std::string without = golden.substr(0, at) + golden.substr(at + jdkDoc.size());
    const std::string edited = "{SECT_MAIN}\r\n<KEY>\r\n[KEY_FILE_INTS]60\r\n";
    without.replace(without.find("{SECT_MAIN}\r\n<KEY>\r\n"), 20, edited);

    const std::string path = FreshPath("missing.set");
    ASSERT_TRUE(WriteFileBytes(path, without));
    {
        SettingsFile settings;
        ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
        EXPECT_EQ(settings.GetFileInts(), 60);
    }
    EXPECT_EQ(ReadFileBytes(path), without + jdkDoc);
}

TEST(MainSettingsFile, FailsWhenTheFolderIsMissing)
{
    const std::string path = ScratchPath("no-such-folder") + "/Quenlow.set";
    SettingsFile settings;
    EXPECT_EQ(settings.OpenAndInit(path.c_str()), 0);
    EXPECT_EQ(settings.GetFileInts(), 20);
    EXPECT_EQ(settings.GetMenuExpand(), 1);
    EXPECT_EQ(settings.SetMenuExpand(0), 0);
}

class MainKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = FreshPath((std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".set").c_str());
        ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    }
    std::string path;
    SettingsFile settings;
};

// Every key of the table: what a fresh file reads, what a stored value
// reads back as (held to its range, unpacked), and that a set is read back.
TEST_F(MainKeysTest, EveryKeyReadsItsDefaultThenWhatWasStored)
{
    struct Row {
        MainKey id;
        const char* defaultText;  // the default as read from a fresh file
        const char* stored;       // written raw into the key line
        const char* readBack;     // what the getter then gives
    };
    // Flag sets read as a row of digits, flag 0 first; integers in decimal.
    const Row rows[] = {
        { kKeyProgramInit, "0", "1", "1" },
        { kKeyMainBools, "101110", "2", "010000" },
        { kKeyMenuExpand, "1", "0", "0" },
        { kKeyDoubleClickDoc, "", "javafile", "javafile" },
        { kKeyExplorerBools, "1110", "8", "0001" },
        { kKeyAppletSize, "26214900", "26214900", "26214900" },
        { kKeySheetPage, "0", "2", "2" },
        { kKeyClasspathBools, "000010000", "511", "111111111" },
        { kKeyFileBools, "1", "2", "2" },
        { kKeyFileInts, "20", "5", "20" },
        { kKeyFileInts, "20", "500", "120" },
        { kKeyFileInts, "20", "75", "75" },
        { kKeyMenuBools, "00", "3", "11" },
        { kKeyIconBools, "11", "0", "00" },
        { kKeyOtherJavaBools, "1111", "5", "1010" },
        { kKeyOtherJavaOptions, "", "-Xmx1g\xAB-ea", "-Xmx1g\n-ea" },
        { kKeyMainArgsBools, "00", "1", "10" },
        { kKeyLastFile, "", "C:\\lib\\a.jar", "C:\\lib\\a.jar" },
        { kKeyLastDir, "", "C:\\classes", "C:\\classes" },
        { kKeyUserClasspathBools, "000000000", "256", "000000001" },
        { kKeyOneForAllBools, "000000000", "1", "100000000" },
        { kKeySiblingBools, "000000000", "3", "110000000" },
    };
    auto read = [&](MainKey id) {
        const SettingsKey& row = kMainKeys[id];
        switch (row.form) {
        case KeyForm::Integer:
            return std::to_string(settings.GetKeyInt(id));
        case KeyForm::Unsigned:
            return std::to_string(settings.GetKeyUInt(id));
        case KeyForm::Flags:
        case KeyForm::ClasspathFlags: {
            int flags[SettingsFile::kFlagCount] = {};
            settings.GetKeyFlags(id, flags);
            std::string digits;
            for (int i = 0; i < row.flagCount; ++i)
                digits += flags[i] ? '1' : '0';
            return digits;
        }
        default: {
            XString text;
            settings.GetKeyText(id, text);
            return std::string(text.Data());
        }
        }
    };
    for (const Row& r : rows) {
        const SettingsKey& row = kMainKeys[r.id];
        SCOPED_TRACE(row.key);
        EXPECT_EQ(read(r.id), r.defaultText);
        ASSERT_EQ(settings.SetRawString(r.stored, row.section, row.key), 1);
        EXPECT_EQ(read(r.id), r.readBack);
        settings.Close();  // the next row starts from a fresh file
        RemoveFile(path);
        ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    }
}

TEST_F(MainKeysTest, PackedAndClampedKeysThroughTheirAccessors)
{
    int flags[4] = { 0, 1, 0, 1 };
    ASSERT_EQ(settings.SetExplorerOptions(flags, 640, 480), 1);
    int back[4] = {};
    int width = 0, height = 0;
    settings.GetExplorerOptions(back, &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_EQ(back[1] + back[3], 2);
    XString stored;
    settings.GetRawString(stored, "SECT_MAIN", "KEY_DBLCLK_LETWH");
    EXPECT_STREQ(stored.Data(), std::to_string(480 * 65536 + 640).c_str());

    struct Page {
        int stored, pageCount, expected;
    } pages[] = { { 7, 4, 3 }, { -1, 4, 0 }, { 2, 4, 2 } };
    for (const Page& p : pages) {
        ASSERT_EQ(settings.SetSheetPage(p.stored), 1);
        EXPECT_EQ(settings.GetSheetPage(p.pageCount), p.expected) << p.stored;
    }

    ASSERT_EQ(settings.SetFileOptions(0, 1), 1);
    int bit0 = -1, bit1 = -1;
    settings.GetFileOptions(&bit0, &bit1);
    EXPECT_EQ(bit0, 0);
    EXPECT_EQ(bit1, 1);
    settings.GetRawString(stored, "SECT_MAIN", "KEY_FILE_BOOLS");
    EXPECT_STREQ(stored.Data(), "2");

    // Flags beyond a set's count are written 0.
    int many[SettingsFile::kFlagCount] = { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 };
    ASSERT_EQ(settings.SetMainBools(many), 1);
    settings.GetRawString(stored, "SECT_MAIN", "KEY_MAIN_BOOLS");
    EXPECT_STREQ(stored.Data(), "63");
    ASSERT_EQ(settings.SetSiblingFlags(many), 1);
    settings.GetRawString(stored, "SECT_DLGOP_SIBLING", "KEY_DLGCPSIBLING_BOOLS");
    EXPECT_STREQ(stored.Data(), "511");
}

TEST_F(MainKeysTest, ExtensionListsAlwaysHoldClassWhateverTheStoredOrder)
{
    struct Case {
        const char* stored;  // the include list's lines
        std::string expected;
    } cases[] = {
        { "java", "class,java," },
        { "zip\r\njava\r\nclass", "class,java,zip," },  // unsorted, "class" last
        { "xml\r\nclass\r\nabc", "abc,class,xml," },
    };
    for (const Case& c : cases) {
        StringList none;
        ASSERT_EQ(settings.SetList(none, "SECT_FILE_INCEXT"), 1);
        ASSERT_EQ(settings.SetListText("SECT_FILE_INCEXT", c.stored), 1);
        StringPtrList include;
        StringList exclude;
        settings.GetExtensionLists(0, include, 0, exclude);
        std::string got;
        for (int i = 0; i < include.Count(); ++i)
            got += std::string(include.StringAt(i)->Data()) + ",";
        EXPECT_EQ(got, c.expected) << c.stored;
        ASSERT_EQ(exclude.Count(), 3);
        EXPECT_STREQ(exclude.GetAt(2).Data(), "zip");
    }
    StringPtrList include;
    StringList exclude;
    settings.GetExtensionLists(1, include, 1, exclude);
    EXPECT_EQ(include.Count(), 0);
    EXPECT_EQ(exclude.Count(), 0);
}

TEST_F(MainKeysTest, ClassPathsFromTheLists)
{
    XString cp;
    settings.GetUserZipClasspath(cp);
    EXPECT_STREQ(cp.Data(), "");
    ASSERT_EQ(settings.SetListText("SECT_DLGOP_USERCPZIP", "C:\\a.jar\r\n  C:\\b b.jar "), 1);
    settings.GetUserZipClasspath(cp);
    EXPECT_STREQ(cp.Data(), "\"C:\\a.jar\";\"C:\\b b.jar\";");
    ASSERT_EQ(settings.SetListText("SECT_DLGOP_SYSCP", "C:\\jdk\\lib\\tools.jar"), 1);
    settings.GetSystemClasspath(cp);
    EXPECT_STREQ(cp.Data(), "C:\\jdk\\lib\\tools.jar;");
}

TEST(MainArgs, TheFileHoldsExactlyTheLastText)
{
    const std::string path = FreshPath("mainargs.data");
    XString text("kept");
    ReadMainArgsFile(path.c_str(), text);
    EXPECT_STREQ(text.Data(), "kept");  // no file: untouched

    ASSERT_EQ(WriteMainArgsFile(path.c_str(), "first line\r\nsecond line is long"), 1);
    ASSERT_EQ(WriteMainArgsFile(path.c_str(), "-v x"), 1);
    EXPECT_EQ(ReadFileBytes(path), "-v x");
    ReadMainArgsFile(path.c_str(), text);
    EXPECT_STREQ(text.Data(), "-v x");

    ASSERT_EQ(WriteMainArgsFile(path.c_str(), ""), 1);
    EXPECT_EQ(ReadFileBytes(path), "");
    ReadMainArgsFile(path.c_str(), text);
    EXPECT_STREQ(text.Data(), "-v x");  // empty file: untouched
}

}  // namespace
