#include <gtest/gtest.h>

#include <string>

#include "class_target.h"
#include "find_counts.h"
#include "run_options.h"

namespace {

std::string Text(const XString& s)
{
    return std::string(s.Data(), static_cast<size_t>(s.Length()));
}

TEST(RunOptionsText, ArgumentsBecomeOneGuardedLineAndParametersCrlfLines)
{
    EXPECT_EQ(Text(ArgumentsLine("  x\r\n\r\n\"a b\"\r\nz  ")), "x \xB6" "a b\xB6 z");
    EXPECT_EQ(Text(ArgumentsLine("")), "");
    EXPECT_EQ(Text(ParametersText("<p a>\r\n\r\n<p b>")), "<p a>\r\n<p b>\r\n");
    EXPECT_EQ(Text(ParametersText("<p a>\r\n")), "<p a>\r\n");
    EXPECT_EQ(Text(ParametersText("")), "");
}

TEST(RunOptionsText, NamedSetRefusalsBeforeTheFile)
{
    const std::string longest(500, 'x');
    const std::string tooLong(501, 'x');
    const struct {
        const char* name;
        std::string content;
        const char* refusal;  // null: may go on
    } cases[] = {
        {"", "x", "Please input a Name for saving"},
        {"two words", "x", "Name can not contain space characters"},
        {"name", "", "Please input a content for saving"},
        {"name", longest, nullptr},
        {"name", tooLong,
         "Error:\nmaximum length of content is 500,current length is 501,\nwhich can not be saved."},
    };
    for (const auto& c : cases) {
        XString message;
        const char* got = NamedSetRefusal(TrimBlanks(c.name).Data(), c.content.c_str(), message);
        if (c.refusal)
            EXPECT_STREQ(got, c.refusal) << c.name;
        else
            EXPECT_EQ(got, nullptr) << c.name;
    }
    EXPECT_EQ(Text(TrimBlanks("  lead")), "lead");
}

TEST(FindText, CountsMessage)
{
    FindCounts counts;
    counts.kinds[kClassApplication / 2 - 1] = 3;
    counts.kinds[kClassBoth / 2 - 1] = 1;
    counts.kinds[kClassFormatError / 2 - 1] = 2;
    counts.total = 6;
    FindDisplay display;
    display.applets = 1;
    const std::string rule = std::string(53, '-') + std::string(48, '-') + "\n";
    EXPECT_EQ(Text(FindCountsText(counts, display)),
              "Application count:\t\t\t    3\tnot displayed\n"
              "Applet count:\t\t\t    0\tdisplayed\n"
              "Both application and applet count:\t    1\tdisplayed\n"
              "General class count:\t\t    0\tnot displayed\n"
              "Error format class count:\t\t    2\tnot displayed\n"
              "Error package class count:\t\t    0\tnot displayed\n" +
                  rule + "Total class count:\t\t\t    6\n");
    counts.kinds[kClassBoth / 2 - 1] = 0;
    EXPECT_EQ(Text(FindCountsText(counts, display)).find("Both"), std::string::npos);
}

TEST(FindText, PlaceBelowTheRoot)
{
    const struct {
        const char* root;
        const char* path;
        int inside;
        const char* folders;
        const char* name;
    } cases[] = {
        {R"(C:\w)", R"(C:\w\A.class)", 1, "", "A.class"},
        {R"(C:\w)", R"(c:\W\p\Q\A.class)", 1, R"(p\Q\)", "A.class"},
        {R"(D:\)", R"(D:\p\A.class)", 1, R"(p\)", "A.class"},
        {R"(C:\w)", R"(C:\wx\A.class)", 0, "", R"(C:\wx\A.class)"},
        {R"(C:\w\deep\er)", R"(C:\w\A.class)", 0, "", R"(C:\w\A.class)"},
        {R"(C:\w)", "A.class", 0, "", "A.class"},
    };
    for (const auto& c : cases) {
        XString folders;
        XString name;
        EXPECT_EQ(SplitBelowRoot(c.root, c.path, folders, name), c.inside) << c.path;
        EXPECT_EQ(Text(folders), c.folders) << c.path;
        EXPECT_EQ(Text(name), c.name) << c.path;
    }
    EXPECT_TRUE(IsWholePath(R"(C:\w\A.class)"));
    EXPECT_TRUE(IsWholePath(R"(\\srv\s\A.class)"));
    EXPECT_FALSE(IsWholePath("A.class"));
}

}  // namespace
