#include "command_line.h"
#include "settings/main_args.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, SwitchesByPrefixAfterTrimming)
{
    const struct {
        const char* line;
        Switch expected;
        const char* argument;
    } cases[] = {
        {"", Switch::None, ""},
        {" \t\r\n ", Switch::None, ""},
        {"/install", Switch::Install, ""},
        {"/installXYZ", Switch::Install, ""},  // matching is by prefix
        {"/uninstall", Switch::Uninstall, ""},
        {"  /reboot  ", Switch::Reboot, ""},
        {"/double-click \"C:\\My Classes\\Hello.class\"", Switch::DoubleClick, "C:\\My Classes\\Hello.class"},
        {"/class-info \"C:\\a b\\X.class\"", Switch::ClassInfo, "\"C:\\a b\\X.class\""},
        {"/class-info \tC:\\X.class", Switch::ClassInfo, "\tC:\\X.class"},  // a tab is not skipped
        {"/compile-files 1\nC:\\src\n", Switch::CompileFiles, "1\nC:\\src"},  // the line's end is trimmed
        {"/execute-files 2\nC:\\a\nC:\\b", Switch::ExecuteFiles, "2\nC:\\a\nC:\\b"},
        {"/compress-file C:\\x.jar", Switch::CompressFile, "C:\\x.jar"},
        {"/jdkdochelp", Switch::JdkDocHelp, ""},
        {"/Install", Switch::Unknown, ""},  // letter case counts
        {"hello", Switch::Unknown, ""},
    };
    for (const auto& c : cases) {
        XString argument;
        EXPECT_EQ(ParseSwitch(c.line, argument), c.expected) << c.line;
        EXPECT_STREQ(argument.Data(), c.argument) << c.line;
    }
}

TEST(CommandLine, FlattenAndCount)
{
    EXPECT_STREQ(FlattenText("  one\r\ntwo\r\n\r\nthree \r\n").Data(), "one two  three");
    EXPECT_STREQ(FlattenText("   \r\n  ").Data(), "");
    EXPECT_EQ(CountChar("a;b;;c", ';'), 3);
    EXPECT_EQ(CountChar("", ';'), 0);
}

}  // namespace
