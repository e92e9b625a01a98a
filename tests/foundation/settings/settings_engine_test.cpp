#include "settings_fixture.h"

#include <string>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

TEST_F(SettingsTest, EditsGiveTheGoldenFileByteForByte)
{
    Start(ReadFileBytes(TestDataPath("foundation/settings/golden/base.set")));
    EXPECT_EQ(settings.SetInt("SECT_MAIN", "KEY_B", 7), 1);
    EXPECT_EQ(settings.SetInt("SECT_MAIN", "KEY_A", 12345), 1);
    EXPECT_EQ(settings.SetString("line1\r\nline2", "SECT_LIST", "KEY_TEXT"), 1);
    EXPECT_EQ(settings.AddListItem("SECT_LIST", "three", 1, 0), 1);
    EXPECT_EQ(settings.AddListItem("SECT_LIST", "TWO", 1, 0), 0);
    EXPECT_EQ(settings.AddSection("SECT_NEW"), 1);
    EXPECT_EQ(settings.AddSection("SECT_NEW"), 0);
    EXPECT_EQ(settings.SetListText("SECT_NEW", "x\r\ny"), 1);
    StringList items;
    items.Add("p");
    items.Add("q");
    EXPECT_EQ(settings.SetList(items, "SECT_MAIN"), 1);

    const std::string golden = ReadFileBytes(TestDataPath("foundation/settings/golden/edited.set"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(Bytes(), golden);

    // Re-opened, the file reads back what was written.
    int a = 0;
    EXPECT_EQ(settings.GetInt("SECT_MAIN", "KEY_A", &a), 1);
    EXPECT_EQ(a, 12345);
    EXPECT_EQ(Get("SECT_LIST", "KEY_TEXT"), "line1\nline2");
    StringList list;
    EXPECT_EQ(settings.GetList(list, "SECT_LIST"), 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_STREQ(list.GetAt(2).Data(), "three");
}

TEST_F(SettingsTest, SettingAKeyAgainChangesOnlyItsLine)
{
    const std::string before = Section("SECT_A", "[KEY_X]1\r\n[KEY_Y]abc\r\n", "(i)\r\n") + Section("SECT_B");
    Start(before);
    EXPECT_EQ(settings.SetString("a much longer value than before", "SECT_A", "KEY_X"), 1);
    EXPECT_EQ(settings.SetString("1", "SECT_A", "KEY_X"), 1);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsTest, MissingKeysAndSectionsLeaveDefaultsAndWriteNothing)
{
    const std::string before = Section("SECT_A", "[KEY_TEXT]abc\r\n");
    Start(before);
    int value = 42;
    unsigned u = 43;
    EXPECT_EQ(settings.GetInt("SECT_A", "KEY_NONE", &value), 0);
    EXPECT_EQ(settings.GetInt("SECT_NONE", "KEY_TEXT", &value), 0);
    EXPECT_EQ(settings.GetUInt("SECT_NONE", "KEY_TEXT", &u), 0);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(u, 43u);
    EXPECT_EQ(settings.GetInt("SECT_A", "KEY_TEXT", &value), 1);  // not a number: 0
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Get("SECT_NONE", "KEY_TEXT"), "");

    EXPECT_EQ(settings.SetInt("SECT_NONE", "KEY_X", 1), 0);
    EXPECT_EQ(settings.SetString("v", "SECT_NONE", "KEY_X"), 0);
    EXPECT_EQ(settings.AddListItem("SECT_NONE", "i", 0, 1), 0);
    EXPECT_EQ(settings.SetListText("SECT_NONE", "i"), 0);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsTest, FlatTextJoinsLineBreakRunsAndTrims)
{
    Start(Section("SECT_A"));
    ASSERT_EQ(settings.SetString("  -Xmx64m\r\n\r\n-Dx=1\n ", "SECT_A", "KEY_OPS"), 1);
    EXPECT_EQ(Get("SECT_A", "KEY_OPS"), "  -Xmx64m\n\n-Dx=1\n ");
    EXPECT_EQ(Get("SECT_A", "KEY_OPS", 1), "-Xmx64m -Dx=1");
}

TEST_F(SettingsTest, HeaderMatching)
{
    const struct {
        const char* file;
        const char* header;
        int found;
    } cases[] = {
        {"{SECT_MAIN}   \r\n<KEY>\r\n", "{SECT_MAIN}", 1},      // trailing blanks dropped
        {"{sect_main}\r\n", "{SECT_MAIN}", 0},                 // letter case counts
        {"{SECT_OTHER}\r\n{SECT_MAIN}\r\n", "{SECT_MAIN}", 1},  // right after another header
        {"{SECT_MAIN}x\r\n", "{SECT_MAIN}", 0},
        {"[KEY]{SECT_MAIN}\r\n", "{SECT_MAIN}", 0},            // only at the start of a line
        {"(item {SECT_MAIN})\r\n{SECT_MAIN}\r\n", "{SECT_MAIN}", 1},
        {"{\r\n{SECT_MAIN}\r\n", "{SECT_MAIN}", 1},            // a bare "{" is no header
        {"[A]1\r{SECT_MAIN}\r\n", "{SECT_MAIN}", 1},           // a lone CR ends a line
        {"[A]1\n{SECT_MAIN}\r\n", "{SECT_MAIN}", 0},           // a lone LF does not
        {"{SECT_MAIN}", "{SECT_MAIN}", 1},                     // last line without CR LF
        {"", "{SECT_MAIN}", 0},
    };
    for (const auto& c : cases) {
        Start(c.file);
        SettingsFile::LineSpan span;
        EXPECT_EQ(settings.FindSection(c.header, &span), c.found) << c.file;
    }
}

TEST_F(SettingsTest, FoundSectionLeavesThePositionAfterItsHeader)
{
    Start("abc\r\n{SECT_A}\r\n<KEY>\r\n");
    SettingsFile::LineSpan span;
    ASSERT_EQ(settings.FindSection("{SECT_A}", &span), 1);
    EXPECT_EQ(span.start, 5);
    EXPECT_EQ(span.next, 15);
    EXPECT_EQ(settings.File().Position(), 15);
    settings.File().Seek(2, XFile::FromBegin);
    EXPECT_EQ(settings.FindSection("{SECT_B}"), 0);
    EXPECT_EQ(settings.File().Position(), 2);
}

TEST_F(SettingsTest, ReadLineTreatsALoneCrAsTheLastCharacter)
{
    Start("ab\rcd\r\nef\r");
    XString line;
    SettingsFile::LineSpan span;
    ASSERT_EQ(settings.ReadLine(line, &span), 1);
    EXPECT_STREQ(line.Data(), "ab\r");
    EXPECT_EQ(span.next, 3);
    ASSERT_EQ(settings.ReadLine(line), 1);
    EXPECT_STREQ(line.Data(), "cd");
    ASSERT_EQ(settings.ReadLine(line), 1);
    EXPECT_STREQ(line.Data(), "ef\r");
    EXPECT_EQ(settings.ReadLine(line), 0);
}

// Every line break of a text value is kept as one: CR LF, LF and a CR alone,
// which a text box may hand over, read back as LF. A raw value is one line
// as it stands and refuses them.
TEST_F(SettingsTest, EveryLineBreakOfAValueIsSavedAsOne)
{
    const struct {
        const char* value;
        const char* readBack;
    } cases[] = {
        {"one\rtwo", "one\ntwo"},
        {"one\r\ntwo\nthree", "one\ntwo\nthree"},
        {"a\r\rb", "a\n\nb"},
        {"a\r\n\rb", "a\n\nb"},
        {"ends\r", "ends\n"},
        {"\rstarts", "\nstarts"},
    };
    for (const auto& c : cases) {
        Start(Section("SECT_A", "[KEY_X]old\r\n") + Section("SECT_B", "[KEY_X]b\r\n"));
        EXPECT_EQ(settings.SetString(c.value, "SECT_A", "KEY_X"), 1) << c.value;
        EXPECT_EQ(Get("SECT_A", "KEY_X"), c.readBack) << c.value;
        EXPECT_EQ(Get("SECT_B", "KEY_X"), "b") << c.value;
    }
    const std::string before = Bytes();
    EXPECT_EQ(settings.SetRawString("one\r\ntwo", "SECT_A", "KEY_X"), 0);
    EXPECT_EQ(settings.SetRawString("one\rtwo", "SECT_A", "KEY_X"), 0);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsTest, LinesOverTheLimitAreRefusedOnWriteAndReadWhole)
{
    const std::string longValue(1500, 'v');
    const std::string before = Section("SECT_A", "[KEY_LONG]" + longValue + "\r\n[KEY_X]1\r\n", "(a)\r\n");
    Start(before);
    // A hand-edited long line reads back whole and survives other edits.
    EXPECT_EQ(Get("SECT_A", "KEY_LONG"), longValue);
    EXPECT_EQ(settings.SetInt("SECT_A", "KEY_X", 2), 1);
    EXPECT_EQ(Get("SECT_A", "KEY_LONG"), longValue);

    const std::string afterEdit = Bytes();
    const std::string tooLong(SettingsFile::kLineLimit, 'w');  // with "[KEY_X]" it passes the limit
    EXPECT_EQ(settings.SetString(tooLong.c_str(), "SECT_A", "KEY_X"), 0);
    EXPECT_EQ(settings.AddListItem("SECT_A", tooLong.c_str(), 0, 1), 0);
    EXPECT_EQ(settings.SetListText("SECT_A", tooLong.c_str()), 0);
    EXPECT_EQ(Bytes(), afterEdit);

    const std::string fits(SettingsFile::kLineLimit - 7, 'f');  // "[KEY_X]" + 992 = 999
    EXPECT_EQ(settings.SetString(fits.c_str(), "SECT_A", "KEY_X"), 1);
    EXPECT_EQ(Get("SECT_A", "KEY_X"), fits);
}

TEST_F(SettingsTest, ASectionThatLostItsListLineKeepsItsKeysToItself)
{
    // Damaged: SECT_A has no "<LIST>" line, so its key part runs into SECT_B.
    Start("\r\n\r\n{SECT_A}\r\n<KEY>\r\n[KEY_X]1\r\n" + Section("SECT_B", "[KEY_Y]2\r\n"));
    int value = -1;
    EXPECT_EQ(settings.GetInt("SECT_A", "KEY_Y", &value), 0);
    EXPECT_EQ(settings.SetInt("SECT_A", "KEY_Y", 5), 1);
    EXPECT_EQ(settings.GetInt("SECT_B", "KEY_Y", &value), 1);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(settings.GetInt("SECT_A", "KEY_Y", &value), 1);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(settings.AddListItem("SECT_A", "item", 0, 1), 0);  // no list to add to
}

TEST_F(SettingsTest, TruncatedLastLineStillReads)
{
    Start("\r\n\r\n{SECT_A}\r\n<KEY>\r\n[KEY_X]17");
    int value = 0;
    EXPECT_EQ(settings.GetInt("SECT_A", "KEY_X", &value), 1);
    EXPECT_EQ(value, 17);
    EXPECT_EQ(settings.SetInt("SECT_A", "KEY_Y", 3), 1);  // goes at the end, on a line of its own
    EXPECT_EQ(Bytes(), "\r\n\r\n{SECT_A}\r\n<KEY>\r\n[KEY_X]17\r\n[KEY_Y]3\r\n");
}

// The section search and the line reader end lines alike, so an edit of one
// section never reveals or hides another.
TEST_F(SettingsTest, ASectionBehindALoneCrIsFoundBeforeAndAfterEdits)
{
    Start("{SECT_MAIN_ICON}\r\n<KEY>\r\n[A]1\r{SECT_MAIN}\r\n<KEY>\r\n[KEY_PROGRAMINIT]5\r\n<LIST>\r\n");
    int value = 0;
    EXPECT_EQ(settings.GetInt("SECT_MAIN", "KEY_PROGRAMINIT", &value), 1);
    EXPECT_EQ(value, 5);
    // The icon section's key part ends at the next header, not in SECT_MAIN.
    EXPECT_EQ(settings.SetInt("SECT_MAIN_ICON", "KEY_PROGRAMINIT", 7), 1);
    EXPECT_EQ(settings.GetInt("SECT_MAIN", "KEY_PROGRAMINIT", &value), 1);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(settings.GetInt("SECT_MAIN_ICON", "KEY_PROGRAMINIT", &value), 1);
    EXPECT_EQ(value, 7);
}

// Whatever the last line ends with, a write that reports success reads back
// and leaves the bytes before it as they were.
TEST_F(SettingsTest, AWriteAtTheEndOfTheFileReadsBack)
{
    const char* const endings[] = {"X\n", "X", "X\r", "X\r\n", "X\n\n", "X\r\r"};
    for (const char* ending : endings) {
        const std::string before = std::string("{S}\r\n") + ending;
        Start(before);
        ASSERT_EQ(settings.SetRawString("v", "S", "K"), 1) << ending;
        XString value;
        EXPECT_EQ(settings.GetRawString(value, "S", "K"), 1) << ending;
        EXPECT_STREQ(value.Data(), "v") << ending;
        EXPECT_EQ(Bytes().compare(0, before.size(), before), 0) << ending;

        Start(std::string("{L}\r\n<KEY>\r\n<LIST>\r\n(a.jar)") + (ending + 1));
        ASSERT_EQ(settings.AddListItem("L", "b.jar", 1, 1), 1) << ending;
        StringList items;
        settings.GetList(items, "L");
        ASSERT_EQ(items.Count(), 2) << ending;
        EXPECT_STREQ(items.At(1)->Data(), "b.jar") << ending;
    }
}

TEST_F(SettingsTest, AddSectionAfterALastLineWithoutCrLf)
{
    Start("{SECT_A}\r\n<KEY>\r\n<LIST>\r\n(a)");
    EXPECT_EQ(settings.AddSection("SECT_B"), 1);
    EXPECT_EQ(Bytes(), "{SECT_A}\r\n<KEY>\r\n<LIST>\r\n(a)\r\n\r\n\r\n{SECT_B}\r\n<KEY>\r\n<LIST>\r\n");
    Start("");
    EXPECT_EQ(settings.AddSection("SECT_A"), 1);
    EXPECT_EQ(Bytes(), Section("SECT_A"));
}

TEST_F(SettingsTest, FlagSets)
{
    Start(Section("SECT_A", "[KEY_BOOLS]8191\r\n[KEY_NEG]-1\r\n"));
    int flags[SettingsFile::kFlagCount];
    for (int& f : flags)
        f = 7;
    EXPECT_EQ(settings.GetBools(flags, "SECT_A", "KEY_MISSING"), 0);
    EXPECT_EQ(flags[0], 7);  // untouched
    EXPECT_EQ(settings.GetBools(flags, "SECT_A", "KEY_BOOLS"), 1);
    for (int f : flags)
        EXPECT_EQ(f, 1);
    unsigned u = 0;
    EXPECT_EQ(settings.GetUInt("SECT_A", "KEY_NEG", &u), 1);
    EXPECT_EQ(u, 0xFFFFFFFFu);

    const int set[SettingsFile::kFlagCount] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5};
    EXPECT_EQ(settings.SetBools(set, "SECT_A", "KEY_BOOLS"), 1);
    int value = 0;
    settings.GetInt("SECT_A", "KEY_BOOLS", &value);
    EXPECT_EQ(value, 1 + 4 + 4096);

    const int cp[SettingsFile::kClasspathFlagCount] = {0, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_EQ(settings.SetCpBools("SECT_A", "KEY_CP", cp), 1);
    int record[SettingsFile::kFlagCount] = {};
    int out[SettingsFile::kClasspathFlagCount] = {};
    EXPECT_EQ(settings.GetCpBools("SECT_A", "KEY_CP", record, out), 1);
    for (int i = 0; i < SettingsFile::kClasspathFlagCount; ++i)
        EXPECT_EQ(out[i], cp[i]) << i;
}

TEST_F(SettingsTest, SetBoolsWritesNothingIntoAnEmptyFile)
{
    Start("");
    const int set[SettingsFile::kFlagCount] = {1};
    EXPECT_EQ(settings.SetBools(set, "SECT_A", "KEY_B"), 0);
    EXPECT_EQ(Bytes(), "");
}

#ifndef _WIN32
// A write that fails half-way (here: the file-size limit, as on a full disk)
// must leave the file as it was, not cut off behind the edit.
TEST_F(SettingsTest, AFailedRewriteKeepsTheOldBytes)
{
    const std::string before = Section("SECT_A", "[KEY_X]1\r\n", "(a)\r\n(b)\r\n") + Section("SECT_B", "", "(c)\r\n");
    Start(before);
    struct sigaction ignore = {}, old = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = before.size() + 5;
    setrlimit(RLIMIT_FSIZE, &tight);

    const std::string grow(200, 'g');
    const int result = settings.SetString(grow.c_str(), "SECT_A", "KEY_X");

    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Bytes(), before);
}
#endif

}  // namespace
