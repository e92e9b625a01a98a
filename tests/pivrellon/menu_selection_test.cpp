#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "menu_command_line.h"
#include "menu_selection.h"

namespace {

// 'd' folder, 'f' file; the enabled verbs as five '0'/'1' characters.
struct EnableCase {
    const char* name;
    std::vector<std::string> items;
    const char* enabled;
};

MenuSelection Select(const std::vector<std::string>& items)
{
    MenuSelection selection;
    for (const std::string& item : items) {
        if (item[0] == 'd')
            selection.AddFolder(item.c_str() + 2);
        else
            selection.AddFile(item.c_str() + 2);
    }
    return selection;
}

TEST(MenuSelection, EnableTableFollowsTheSelection)
{
    const EnableCase cases[] = {
        {"one class", {"f C:\\a\\A.class"}, "11001"},
        {"class in capitals is not a class", {"f C:\\a\\A.CLASS"}, "00000"},
        {"Class in mixed case is not a class", {"f C:\\a\\A.Class"}, "00000"},
        {"jar in capitals", {"f C:\\a\\lib.JAR"}, "00100"},
        {"zip", {"f C:\\a\\lib.zip"}, "00100"},
        {"java source", {"f C:\\a\\Main.java"}, "00010"},
        {"two classes", {"f C:\\a\\A.class", "f C:\\a\\B.class"}, "00001"},
        {"two jars", {"f C:\\a\\x.jar", "f C:\\a\\y.jar"}, "00000"},
        {"one folder", {"d C:\\a"}, "00011"},
        {"folder and a class", {"d C:\\a", "f C:\\a\\A.class"}, "00011"},
        {"dot only in a folder name", {"f C:\\x.class\\readme"}, "00000"},
        {"short name", {"f a.c"}, "00000"},
        {"no extension", {"f C:\\a\\Makefile"}, "00000"},
        {"other file", {"f C:\\a\\notes.txt"}, "00000"},
        {"source and class", {"f C:\\a\\A.java", "f C:\\a\\A.class"}, "00011"},
    };
    for (const EnableCase& c : cases) {
        const MenuSelection selection = Select(c.items);
        std::string enabled;
        for (int verb = 0; verb < kShellMenuVerbCount; ++verb)
            enabled += selection.IsEnabled(verb) ? '1' : '0';
        EXPECT_EQ(enabled, c.enabled) << c.name;
        EXPECT_EQ(selection.AnyEnabled(), std::strchr(c.enabled, '1') != nullptr) << c.name;
    }
}

TEST(MenuSelection, PathListKeepsExplorersOrder)
{
    MenuSelection selection = Select({"f C:\\b\\B.class", "d C:\\a", "f C:\\c.txt"});
    selection.AddMissing();
    EXPECT_STREQ(selection.Paths().Data(), "C:\\b\\B.class\nC:\\a\nC:\\c.txt\n");
    EXPECT_EQ(selection.Folders(), 1);
    EXPECT_EQ(selection.Files(), 2);
    EXPECT_EQ(selection.Missing(), 1);
    selection.Reset();
    EXPECT_STREQ(selection.Paths().Data(), "");
    EXPECT_FALSE(selection.AnyEnabled());
}

TEST(MenuCommandLine, EachVerbGivesItsLine)
{
    const MenuSelection one = Select({"f C:\\My Classes\\A.class"});
    const MenuSelection many = Select({"d C:\\src", "f C:\\src\\A.java", "f C:\\B.class"});
    struct Case {
        int verb;
        const MenuSelection* selection;
        const char* line;
    } cases[] = {
        {VerbClassInfo, &one, "\"C:\\Q\\Quenlow.exe\" /class-info \"C:\\My Classes\\A.class\""},
        {VerbDoubleClick, &one, "\"C:\\Q\\Quenlow.exe\" /double-click \"C:\\My Classes\\A.class\""},
        {VerbCompressFile, &one, "\"C:\\Q\\Quenlow.exe\" /compress-file \"C:\\My Classes\\A.class\""},
        {VerbCompileFiles, &many, "\"C:\\Q\\Quenlow.exe\" /compile-files 3\nC:\\src\nC:\\src\\A.java\nC:\\B.class\n"},
        {VerbExecuteFiles, &one, "\"C:\\Q\\Quenlow.exe\" /execute-files 1\nC:\\My Classes\\A.class\n"},
    };
    for (const Case& c : cases) {
        XString line;
        ASSERT_EQ(BuildMenuCommandLine(line, "C:\\Q\\Quenlow.exe", c.verb, *c.selection), 1) << c.verb;
        EXPECT_STREQ(line.Data(), c.line) << c.verb;
    }
    XString line;
    EXPECT_EQ(BuildMenuCommandLine(line, "C:\\Q\\Quenlow.exe", kShellMenuVerbCount, one), 0);
    EXPECT_EQ(BuildMenuCommandLine(line, "C:\\Q\\Quenlow.exe", -1, one), 0);
}

TEST(MenuCommandLine, GrowsBeyondAFixedBuffer)
{
    std::vector<std::string> items;
    for (int i = 0; i < 300; ++i)
        items.push_back("f C:\\a rather long folder name for the test\\Class" + std::to_string(i) + ".class");
    XString line;
    ASSERT_EQ(BuildMenuCommandLine(line, "C:\\Q\\Quenlow.exe", VerbExecuteFiles, Select(items)), 1);
    EXPECT_GT(line.Length(), kMaxCommandLine / 2);
    EXPECT_EQ(std::string(line.Data()).find("/execute-files 300\n"), std::string("\"C:\\Q\\Quenlow.exe\" ").size());
    EXPECT_EQ(line.LastChar(), '\n');
}

TEST(StripEnclosingQuotes, OnlyAPairAtBothEnds)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"\"C:\\My Files\\A.class\"", "C:\\My Files\\A.class"},
        {"C:\\Files\\A.class", "C:\\Files\\A.class"},
        {"\"C:\\only opening", "\"C:\\only opening"},
        {"C:\\only closing\"", "C:\\only closing\""},
        {"\"\"", ""},
        {"\"", "\""},
        {"", ""},
    };
    for (const auto& c : cases) {
        char text[64];
        std::strcpy(text, c.in);
        StripEnclosingQuotes(text);
        EXPECT_STREQ(text, c.out) << c.in;
    }
}

}  // namespace
