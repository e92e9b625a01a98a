#include "inside_info.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "payloads.h"

namespace {

// What the selected paths are: a table instead of a disk.
std::map<std::string, PathKind>& Disk()
{
    static std::map<std::string, PathKind> disk;
    return disk;
}

PathKind TableProbe(const char* path)
{
    const auto found = Disk().find(path);
    return found == Disk().end() ? PathKind::Missing : found->second;
}

std::string Join(const StringList& list)
{
    std::string joined;
    for (int i = 0; i < list.Count(); ++i)
        joined += std::string(list.At(i)->Data()) + "|";
    return joined;
}

// The record as texts, in the order the payload carries it.
std::vector<std::string> Snapshot(const ZInsideInfo& info)
{
    return {std::to_string(info.autoJars),        std::to_string(info.autoZips),
            info.systemClassPaths.Data(),         info.userZippedClassPaths.Data(),
            info.userNakedClassPaths.Data(),      info.siblingClassPaths.Data(),
            std::to_string(info.selectedCount),   info.startDirectory.Data(),
            Join(info.classFiles),                Join(info.otherFiles),
            Join(info.folders),                   std::to_string(info.hasSelection)};
}

ClassPathRecord FullRecord()
{
    ClassPathRecord r;
    r.systemClassPath.Assign("C:\\jdk\\lib\\tools.jar;C:\\sys.zip;");
    r.userZipClassPath.Assign("\"C:\\My Libs\\u.jar\";\"C:\\v.zip\";");
    r.userDirClassPath.Assign("\"C:\\classes\";");
    r.siblingClassPath.Assign("C:\\sib.zip;");
    r.autoDetectJars = true;
    return r;
}

class InsideInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Disk() = {{"C:\\src", PathKind::Folder},         {"C:\\src\\app", PathKind::Folder},
                  {"C:\\src\\A.class", PathKind::File},  {"C:\\src\\B.java", PathKind::File},
                  {"C:\\src\\C.CLASS", PathKind::File},  {"C:\\src\\read.me", PathKind::File},
                  {"C:\\odd.d\\noext", PathKind::File},  {"C:\\My Dir\\D.class", PathKind::File}};
    }
    // The payload as the tool takes it from its command line.
    static XString FromCommandLine(const ClassPathRecord& record, const char* selection)
    {
        XString line("/inside-info ");
        line.AppendString(InsideInfo(record, selection));
        XString payload;
        EXPECT_EQ(TakeInsideInfoPayload(line.Data(), payload), 1);
        return payload;
    }
};

TEST_F(InsideInfoTest, ReadsEveryPayloadTheMainProgramWrites)
{
    struct Case {
        const char* name;
        const char* extension;
        const char* selection;  // as the main program passes it on
        int parsed;
        const char* count;
        const char* startDirectory;
        const char* sorted;
        const char* others;
        const char* folders;
        const char* hasSelection;
    } cases[] = {
        {"one folder", "class", "1\nC:\\src\n", 1, "1", "C:\\src", "", "", "", "0"},
        {"one folder, trimmed", "class", "1\nC:\\src", 1, "1", "C:\\src", "", "", "", "0"},
        {"one class file", "class", "1\nC:\\src\\A.class", 1, "1", "C:\\src", "C:\\src\\A.class|", "", "", "1"},
        {"one missing file stays", "class", "1\nC:\\gone\\X.class\n", 1, "1", "C:\\gone", "C:\\gone\\X.class|",
         "", "", "1"},
        {"several, sorted", "class", "4\nC:\\src\\app\nC:\\src\\A.class\nC:\\src\\read.me\nC:\\src\\C.CLASS\n", 1,
         "4", "C:\\src", "C:\\src\\A.class|", "C:\\src\\read.me|C:\\src\\C.CLASS|", "C:\\src\\app|", "1"},
        {"several, trimmed", "class", "2\nC:\\src\\app\nC:\\src\\A.class", 1, "2", "C:\\src", "C:\\src\\A.class|",
         "", "C:\\src\\app|", "1"},
        {"compile tool sorts java", "java", "3\nC:\\src\\A.class\nC:\\src\\B.java\nC:\\src\n", 1, "3", "C:",
         "C:\\src\\B.java|", "C:\\src\\A.class|", "C:\\src|", "1"},
        {"count below the lines", "class", "3\nC:\\src\nC:\\src\\app\nC:\\src\\A.class\nC:\\src\\B.java\nC:\\src\\read.me\n",
         1, "3", "C:\\src", "C:\\src\\A.class|", "C:\\src\\B.java|C:\\src\\read.me|", "C:\\src|C:\\src\\app|", "1"},
        {"missing and stray lines dropped", "class", "3\nC:\\gone\\X.class\r\n\r\nC:\\src\\A.class\n", 1, "3",
         "C:\\src", "C:\\src\\A.class|", "", "", "1"},
        {"every line missing", "class", "2\nC:\\x\\a\nC:\\y\\b\n", 1, "2", "C:\\y", "", "", "", "1"},
        {"quotes vanish, also inside paths", "class", "1\n\"C:\\My Dir\\D.class\"", 1, "1", "C:\\My Dir",
         "C:\\My Dir\\D.class|", "", "", "1"},
        {"dot in a folder name", "class", "1\nC:\\odd.d\\noext\n", 1, "1", "C:\\odd.d", "", "C:\\odd.d\\noext|", "",
         "1"},
        {"count zero", "class", "0\n", 0, "0", "", "", "", "", "0"},
        {"no digits", "class", "x\nC:\\src\n", 0, "0", "", "", "", "", "0"},
        {"count without paths", "class", "2\n", 0, "2", "", "", "", "", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool full : {false, true}) {
            const ClassPathRecord record = full ? FullRecord() : ClassPathRecord();
            ZInsideInfo info(c.extension, TableProbe);
            EXPECT_EQ(info.Parse(FromCommandLine(record, c.selection).Data()), c.parsed);
            const std::vector<std::string> expected = {
                full ? "1" : "0", "0",
                full ? "C:\\jdk\\lib\\tools.jar;C:\\sys.zip;" : "",
                full ? "C:\\My Libs\\u.jar;C:\\v.zip;" : "",
                full ? "C:\\classes;" : "",
                full ? "C:\\sib.zip;" : "",
                c.count, c.startDirectory, c.sorted, c.others, c.folders, c.hasSelection};
            EXPECT_EQ(Snapshot(info), expected);
        }
    }
}

TEST_F(InsideInfoTest, APayloadCutAtAnySeparatorKeepsWhatWasReadAndNothingElse)
{
    const XString full = FromCommandLine(FullRecord(), "3\nC:\\src\\app\nC:\\src\\A.class\nC:\\src\\read.me\n");
    ZInsideInfo whole("class", TableProbe);
    ASSERT_EQ(whole.Parse(full.Data()), 1);
    const std::vector<std::string> complete = Snapshot(whole);
    const std::vector<std::string> empty = {"0", "0", "", "", "", "", "0", "", "", "", "", "0"};

    ZInsideInfo info("class", TableProbe);
    int separator = 0;
    for (int i = 0; i < full.Length(); ++i) {
        if (full[i] != INFO_SEPARATOR)
            continue;
        // Cut before the separator and just behind it.
        for (const int cut : {i, i + 1}) {
            if (cut == full.Length())
                continue;
            SCOPED_TRACE(testing::Message() << "separator " << separator << ", cut at " << cut);
            const int fieldsRead = cut == i ? separator : separator + 1;
            EXPECT_EQ(info.Parse(XString(full.Data(), cut).Data()), 0);
            std::vector<std::string> expected = empty;
            for (int f = 0; f < fieldsRead; ++f)
                expected[f] = complete[f];
            if (separator == 6 && cut == i)
                expected[6] = complete[6];  // the count line stands before the last separator
            EXPECT_EQ(Snapshot(info), expected);
        }
        ++separator;
    }
    EXPECT_EQ(separator, 7);
}

TEST_F(InsideInfoTest, FlagsAndFieldsMoveTheCursorOnlyWhenTheyRead)
{
    struct Case {
        const char* text;
        int flagRead, flag;
    } flags[] = {{"1\xA5", 1, 1}, {"0\xA5", 1, 0}, {"2\xA5", 0, -1}, {"1x", 0, -1}, {"1", 0, -1}, {"", 0, -1}};
    for (const Case& c : flags) {
        const char* cursor = c.text;
        int flag = -1;
        EXPECT_EQ(ZInsideInfo::ReadFlag(cursor, flag), c.flagRead) << c.text;
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(cursor, c.text + (c.flagRead ? 2 : 0));
    }
    const char* text = "a;b\xA5\xA5rest";
    XString field("old");
    EXPECT_EQ(ZInsideInfo::ReadField(text, field), 1);
    EXPECT_STREQ(field.Data(), "a;b");
    EXPECT_EQ(ZInsideInfo::ReadField(text, field), 1);
    EXPECT_STREQ(field.Data(), "");
    EXPECT_EQ(ZInsideInfo::ReadField(text, field), 0);
    EXPECT_STREQ(text, "rest");
}

TEST_F(InsideInfoTest, ANewPayloadReplacesTheWholeRecord)
{
    ZInsideInfo info("class", TableProbe);
    ASSERT_EQ(info.Parse(FromCommandLine(FullRecord(), "3\nC:\\src\\app\nC:\\src\\A.class\nC:\\src\\read.me").Data()), 1);
    EXPECT_EQ(info.Parse("1\xA5"), 0);
    EXPECT_EQ(Snapshot(info), (std::vector<std::string>{"1", "0", "", "", "", "", "0", "", "", "", "", "0"}));
}

TEST(InsideInfoCommandLine, OnlyAToolCommandLineGivesAPayload)
{
    struct Case {
        const char* commandLine;
        int taken;
        const char* payload;
    } cases[] = {
        {"/inside-info 0\xA5" "1\xA5\xA5\xA5\xA5\xA5", 1, "0\xA5" "1\xA5\xA5\xA5\xA5\xA5"},
        {"/inside-info abcd", 0, ""},           // 17 characters
        {"/inside-info abcde", 1, "abcde"},     // 18
        {"/inside-info     x\"y\"z", 1, "xyz"},  // blanks skipped, quotes removed
        {"/Inside-info 0\xA5" "0\xA5\xA5\xA5", 0, ""},
        {" /inside-info 0\xA5" "0\xA5\xA5\xA5", 0, ""},
        {"/inside-info\t0\xA5" "0\xA5\xA5\xA5", 0, ""},
        {"", 0, ""},
        {nullptr, 0, ""},
    };
    for (const Case& c : cases) {
        XString payload("old");
        EXPECT_EQ(TakeInsideInfoPayload(c.commandLine, payload), c.taken) << (c.commandLine ? c.commandLine : "null");
        EXPECT_STREQ(payload.Data(), c.payload);
    }
}

TEST(InsideInfoHandOver, TheRecordIsReadWithinItsSizeUpToTheFirstZero)
{
    const char record[] = {'a', 'b', 0, 'c', 'd'};
    EXPECT_STREQ(HandOverText(record, 5).Data(), "ab");
    EXPECT_STREQ(HandOverText(record, 1).Data(), "a");
    // No zero within the size: exactly the size, never beyond.
    const char unterminated[] = {'x', 'y', 'z'};
    const XString text = HandOverText(unterminated, 3);
    EXPECT_EQ(text.Length(), 3);
    EXPECT_STREQ(text.Data(), "xyz");
    EXPECT_STREQ(HandOverText(nullptr, 10).Data(), "");
    EXPECT_STREQ(HandOverText(record, 0).Data(), "");
}

}  // namespace
