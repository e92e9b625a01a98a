#include "settings_fixture.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(SettingsFile& settings, const char* section)
{
    std::vector<std::string> out;
    XString item;
    for (int more = settings.FirstListItem(section, item); more; more = settings.NextListItem(item))
        out.push_back(item.Data());
    return out;
}

TEST(ListBlock, BuildsOneLinePerNonEmptyLine)
{
    const struct {
        const char* text;
        const char* block;
    } cases[] = {
        {"a", "(a)\r\n"},
        {"a\r\nb", "(a)\r\n(b)\r\n"},
        {"a\r\n\r\n\r\nb\r\n", "(a)\r\n(b)\r\n"},
        {"a\nb\rc", "(a)\r\n(b)\r\n(c)\r\n"},
        {"\r\na", "()\r\n(a)\r\n"},  // a break at the very start gives one empty item
        {"", "()\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(BuildListBlock(c.text).Data(), c.block) << c.text;
}

TEST_F(SettingsTest, ListItemsReadInFileOrderSkippingOtherLines)
{
    Start(Section("SECT_A", "[KEY_X]1\r\n", "(one)\r\n\r\nnoise\r\n()\r\n(x)\r\n(three)\r\n") + Section("SECT_B", "", "(b)\r\n"));
    EXPECT_EQ(Items(settings, "SECT_A"), (std::vector<std::string>{"one", "", "x", "three"}));
    EXPECT_EQ(Items(settings, "SECT_B"), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(Items(settings, "SECT_NONE").empty());
}

TEST_F(SettingsTest, AnEmptyListEndsAtOnce)
{
    Start(Section("SECT_A") + Section("SECT_B", "", "(b)\r\n"));
    XString item;
    EXPECT_EQ(settings.FirstListItem("SECT_A", item), 0);
    XString joined;
    EXPECT_EQ(settings.ReadListToString("SECT_A", joined, 0), 0);
    EXPECT_STREQ(joined.Data(), "");
}

TEST_F(SettingsTest, AddListItemGoesAfterTheLastItemAndChecksDuplicates)
{
    Start(Section("SECT_A", "", "(class)\r\n\r\n") + Section("SECT_B"));
    EXPECT_EQ(settings.AddListItem("SECT_A", "Class", 1, 0), 0);  // ignoring case: a duplicate
    EXPECT_EQ(settings.AddListItem("SECT_A", "Class", 1, 1), 1);  // case counts: new
    EXPECT_EQ(settings.AddListItem("SECT_A", "Class", 0, 1), 1);  // no check: added again
    EXPECT_EQ(settings.AddListItem("SECT_B", "first", 1, 1), 1);  // empty list: after "<LIST>"
    EXPECT_EQ(Bytes(), Section("SECT_A", "", "(class)\r\n(Class)\r\n(Class)\r\n\r\n") + Section("SECT_B", "", "(first)\r\n"));
}

TEST_F(SettingsTest, AddListItemAtAnEndWithoutCrLfStartsAFreshLine)
{
    Start("{SECT_A}\r\n<KEY>\r\n<LIST>\r\n(a)");
    EXPECT_EQ(settings.AddListItem("SECT_A", "b", 1, 1), 1);
    EXPECT_EQ(Bytes(), "{SECT_A}\r\n<KEY>\r\n<LIST>\r\n(a)\r\n(b)\r\n");
}

TEST_F(SettingsTest, SetListReplacesTheItemsAndKeepsTheRest)
{
    Start(Section("SECT_A", "[KEY_X]1\r\n", "(old1)\r\n\r\n(old2)\r\n") + Section("SECT_B", "", "(b)\r\n"));
    StringList items;
    items.Add("new1");
    items.Add("");
    items.Add("new2");
    EXPECT_EQ(settings.SetList(items, "SECT_A"), 1);
    EXPECT_EQ(Bytes(), Section("SECT_A", "[KEY_X]1\r\n", "(new1)\r\n(new2)\r\n") + Section("SECT_B", "", "(b)\r\n"));
    StringList none;
    EXPECT_EQ(settings.SetList(none, "SECT_A"), 1);
    EXPECT_EQ(Bytes(), Section("SECT_A", "[KEY_X]1\r\n") + Section("SECT_B", "", "(b)\r\n"));

    StringList back;
    EXPECT_EQ(settings.GetList(back, "SECT_B"), 1);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_STREQ(back.GetAt(0).Data(), "b");
}

// An entry too long for a line of the file is left out alone: the rest of
// its list is saved, and LeftOut names it for the one message that says so.
TEST_F(SettingsTest, AnEntryTooLongForALineIsLeftOutAloneAndNamed)
{
    const std::string longest(SettingsFile::kLineLimit - 2, 'f');  // "(" + 997 + ")" = 999
    const std::string over(SettingsFile::kLineLimit - 1, 'g');
    const std::string favorite(1209, 'x');
    const struct {
        const char* name;
        std::vector<std::string> entries;
        std::vector<std::string> saved;
        std::vector<std::string> leftOut;
    } cases[] = {
        {"all fit", {std::string(209, 'a'), "b"}, {std::string(209, 'a'), "b"}, {}},
        {"one long favorite", {"first", favorite, "last"}, {"first", "last"}, {favorite}},
        {"the longest line fits, one more does not", {longest, over}, {longest}, {over}},
        {"only long entries", {favorite, over}, {}, {favorite, over}},
        {"a long line inside an entry", {"short\r\n" + over, "c"}, {"c"}, {"short\r\n" + over}},
    };
    for (const auto& c : cases) {
        Start(Section("SECT_A", "", "(old)\r\n") + Section("SECT_B", "", "(b)\r\n"));
        StringList entries;
        for (const std::string& entry : c.entries)
            entries.Add(entry.c_str());
        // What this object left out before stays named: one message covers
        // every save made on it.
        const int earlier = settings.LeftOut().Count();
        EXPECT_EQ(settings.SaveListItems(entries, "SECT_A", 1), 1) << c.name;
        EXPECT_EQ(Items(settings, "SECT_A"), c.saved) << c.name;
        EXPECT_EQ(Items(settings, "SECT_B"), std::vector<std::string>{"b"}) << c.name;
        std::vector<std::string> leftOut;
        for (int i = earlier; i < settings.LeftOut().Count(); ++i)
            leftOut.push_back(settings.LeftOut().At(i)->Data());
        EXPECT_EQ(leftOut, c.leftOut) << c.name;
        settings.Close();
    }

    StringList two;
    two.Add(favorite.c_str());
    two.Add("short");
    const std::string message = LeftOutMessage(two).Data();
    EXPECT_EQ(message.rfind("These entries were not saved: a line of the settings file holds at most 999 characters.\n",
                            0),
              0u)
        << message;
    EXPECT_NE(message.find("\n" + std::string(60, 'x') + "... (1209 characters)\n"), std::string::npos) << message;
    EXPECT_NE(message.find("\nshort (5 characters)\n"), std::string::npos) << message;
}

TEST_F(SettingsTest, SetListTextAppendsAndRefusesEmptyText)
{
    Start(Section("SECT_A", "", "(a)\r\n"));
    EXPECT_EQ(settings.SetListText("SECT_A", ""), 0);
    EXPECT_EQ(settings.SetListText("SECT_A", "java\r\njar\r\nzip"), 1);
    EXPECT_EQ(Items(settings, "SECT_A"), (std::vector<std::string>{"a", "java", "jar", "zip"}));
}

TEST_F(SettingsTest, ListOperationsRefuseASectionWithoutItsListLine)
{
    const std::string before = "{SECT_A}\r\n<KEY>\r\n" + Section("SECT_B", "", "(b)\r\n");
    Start(before);
    StringList items;
    items.Add("x");
    EXPECT_EQ(settings.SetList(items, "SECT_A"), 0);
    EXPECT_EQ(settings.SetListText("SECT_A", "x"), 0);
    EXPECT_EQ(settings.AddListItem("SECT_A", "x", 0, 1), 0);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsTest, ReadListToStringTrimsSkipsAndQuotes)
{
    Start(Section("SECT_CP", "", "( C:\\lib\\a.jar )\r\n(   )\r\n(C:\\My Classes)\r\n(D:\\)\r\n"));
    XString plain("start;");
    EXPECT_EQ(settings.ReadListToString("SECT_CP", plain, 0), 1);
    EXPECT_STREQ(plain.Data(), "start;C:\\lib\\a.jar;C:\\My Classes;D:\\;");
    XString quoted;
    EXPECT_EQ(settings.ReadListToString("SECT_CP", quoted, 1), 1);
    // A drive root keeps its backslash, and no quote follows one.
    EXPECT_STREQ(quoted.Data(), "\"C:\\lib\\a.jar\";\"C:\\My Classes\";\"D:\\.\";");
    XString missing;
    EXPECT_EQ(settings.ReadListToString("SECT_NONE", missing, 1), 0);
}

TEST_F(SettingsTest, ListItemsAsControlsShowThemAndTheLimitOfTwenty)
{
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "( " + std::to_string(i) + " )\r\n(  )\r\n";
    Start(Section("SECT_A", "", many) + Section("SECT_B"));
    StringList all;
    EXPECT_EQ(settings.LoadListItems(all, "SECT_A", 0), 25);
    ASSERT_EQ(all.Count(), 25);
    EXPECT_STREQ(all.GetAt(0).Data(), "0");
    EXPECT_STREQ(all.GetAt(24).Data(), "24");
    StringList limited;
    EXPECT_EQ(settings.LoadListItems(limited, "SECT_A", 1), 20);

    EXPECT_EQ(settings.SaveListItems(all, "SECT_B", 1), 1);
    EXPECT_EQ(Items(settings, "SECT_B").size(), 20u);
    EXPECT_EQ(Items(settings, "SECT_B").back(), "19");
    EXPECT_EQ(settings.SaveListItems(all, "SECT_B", 0), 1);
    EXPECT_EQ(Items(settings, "SECT_B").size(), 25u);

    StringList none;
    EXPECT_EQ(settings.LoadListItems(none, "SECT_NONE", 1), 0);
}

}  // namespace
