// The online item list's line grammar and the tree shape its lines give.
#include "online_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Describe(const OnlineLine& line)
{
    std::string out = std::to_string(line.number) + "|" + line.location.Data() + "|";
    for (size_t i = 0; i < line.path.size(); ++i)
        out += (i ? "/" : "") + std::string(line.path[i].Data());
    return out;
}

TEST(OnlineItems, LineGrammar)
{
    const struct {
        const char* line;
        const char* expected;  // number|location|path, or null: ignored
    } cases[] = {
        {"  3-http://h/p?a/b/c", "3|http://h/p|a/b/c"},
        {"12-loc  ?  Title  ", "12|loc|Title"},
        {"7- loc?x", "7| loc|x"},                              // only trailing blanks leave the location
        {"x-loc?t", "0|loc|t"},                                // no digits: number 0
        {"4-c:\\docs\\a.html?Guide\\Intro", "4|c:/docs/a.html|Guide/Intro"},
        {"5-a?b?c", "5|a|b?c"},                                // the first '?' ends the location
        {"6-http://x-y?z", "6|http://x-y|z"},                  // the first '-' ends the number
        {"", nullptr},
        {"   ", nullptr},
        {"// 3-loc?t", nullptr},                               // comment
        {"  /3-loc?t", nullptr},
        {"3 loc?t", nullptr},                                  // no '-'
        {"-loc?t", nullptr},                                   // '-' first
        {"   -loc?t", nullptr},
        {"3-http://h/p a/b", nullptr},                         // no '?'
        {"3-   ?t", nullptr},                                  // empty location
        {"3-loc?   ", nullptr},                                // empty display path
    };
    for (const auto& c : cases) {
        OnlineLine parsed;
        const int named = ParseOnlineLine(c.line, parsed);
        if (!c.expected) {
            EXPECT_EQ(named, 0) << c.line;
            continue;
        }
        ASSERT_EQ(named, 1) << c.line;
        EXPECT_EQ(Describe(parsed), c.expected) << c.line;
    }
}

// Indented lines "text number location", folders marked with '/'.
std::string Draw(const std::vector<OnlineNode>& nodes, const std::string& indent = "")
{
    std::string out;
    for (const OnlineNode& node : nodes) {
        out += indent + node.text.Data() + (node.item.image == OnlineItem::kFolderImage ? "/" : "") + " " +
               std::to_string(node.item.number) + (node.item.location.IsEmpty() ? "" : " ") +
               node.item.location.Data() + "\n";
        out += Draw(node.children, indent + "  ");
    }
    return out;
}

TEST(OnlineItems, ListFillsTheTreeLeavesFirstByNumber)
{
    const std::string list =
        "// the online items\r\n"
        "  3-http://h/c?a/b/c\r\n"
        "2-http://h/x\t?a/x\n"
        "1-http://h/y?A/y\n"
        "9-http://h/top?Top\n"
        "4-no question mark\n"
        "\n"
        "0-http://h/first?First";
    EXPECT_EQ(Draw(ReadOnlineList(list.data(), list.size())),
              "First 0 http://h/first\n"
              "Top 9 http://h/top\n"  // leaves sort before folders, whatever their number
              "a/ 3\n"
              "  y 1 http://h/y\n"
              "  x 2 http://h/x\n"
              "  b/ 3\n"
              "    c 3 http://h/c\n");
}

TEST(OnlineItems, EqualItemsKeepTheListsOrderAndAStopKeepsWhatWasRead)
{
    const std::string list = "5-l/a?G/a\n5-l/b?G/b\n5-l/c?g/c\n1-l/d?G/d\n5-l/e?e\n4-l/u?u\n5-l/f?f\n";
    EXPECT_EQ(Draw(ReadOnlineList(list.data(), list.size())),
              "u 4 l/u\ne 5 l/e\nf 5 l/f\nG/ 5\n  d 1 l/d\n  a 5 l/a\n  b 5 l/b\n  c 5 l/c\n");
    const volatile long stopped = 0;
    EXPECT_TRUE(ReadOnlineList(list.data(), list.size(), &stopped).empty());
}

TEST(OnlineItems, EmptyListAddsNothing)
{
    EXPECT_TRUE(ReadOnlineList("", 0).empty());
    EXPECT_TRUE(ReadOnlineList("\r\n\t\n", 4).empty());
}

}  // namespace
