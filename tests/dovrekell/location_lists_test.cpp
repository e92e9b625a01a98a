// The panel's lists of locations on real list boxes: the index lookup's
// choice among the titles, and a fill of thousands of entries in one go.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tree_contents.h"

namespace {

class LocationListTest : public testing::Test {
protected:
    void SetUp() override
    {
        list = CreateWindowExA(0, "LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_OVERLAPPED, 0,
                               0, 300, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override
    {
        ClearLocationEntries(list);
        DestroyWindow(list);
    }

    std::string Title(int entry) const
    {
        char title[256] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(title));
        return title;
    }

    HWND list = nullptr;
};

// A JDK bundle's index in scan order: every class-use page comes before the
// class's own page, which lies one folder higher.
TEST_F(LocationListTest, LookupPrefersAnEqualTitleAndThenTheShallowestLocation)
{
    const char* const entries[][2] = {
        {"StringBufferInputStream", "C:\\docs\\api\\java.base\\java\\io\\class-use\\StringBufferInputStream.html"},
        {"String", "C:\\docs\\api\\java.base\\java\\lang\\class-use\\String.html"},
        {"StringBuilder", "C:\\docs\\api\\java.base\\java\\lang\\StringBuilder.html"},
        {"String", "C:\\docs\\api\\java.base\\java\\lang\\String.html"},
        {"HashMap", "C:\\docs\\api\\java.base\\java\\util\\class-use\\HashMap.html"},
        {"List", "C:\\docs\\api\\java.desktop\\java\\awt\\class-use\\List.html"},
        {"List", "C:\\docs\\api\\java.desktop\\java\\awt\\List.html"},
        {"List", "C:\\docs\\api\\java.base\\java\\util\\List.html"},
        {"HashMap", "C:\\docs\\api\\java.base\\java\\util\\HashMap.html"},
        {"Listener", "C:\\docs\\Listener.html"},
    };
    for (const auto& entry : entries)
        ASSERT_TRUE(AddLocationEntry(list, entry[0], entry[1]));

    struct Case {
        const char* typed;
        int selected;
    };
    const Case cases[] = {
        {"String", 3},                   // the class page, not the longer title found first
        {"sTRING", 3},                   // equal ignoring case, as the prefix rule
        {"HashMap", 8},                  // the shallower of two equal titles, though found later
        {"List", 6},                     // of equally shallow ones, the first
        {"StringBufferInputStream", 0},  // the only equal title, found first as well
        {"Str", 0},                      // only prefixes: the first found
        {"StringB", 0},
        {"Liste", 9},
        {"Vector", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindIndexEntry(list, c.typed), c.selected) << c.typed;
}

TEST_F(LocationListTest, ThousandsOfEntriesGoInOrderWithTheirLocations)
{
    ASSERT_TRUE(AddLocationEntry(list, "first", "C:\\first.html"));
    std::vector<std::pair<XString, XString>> entries;
    for (int i = 0; i < 7000; ++i) {
        const std::string title = "Title" + std::to_string(7000 - i);
        entries.emplace_back(XString(title.c_str()), XString(("C:\\docs\\" + title + ".html").c_str()));
    }
    AddLocationEntries(list, entries);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 7001);
    EXPECT_EQ(Title(0), "first");
    for (int i : {0, 1, 3499, 6999}) {
        EXPECT_EQ(Title(i + 1), entries[i].first.Data());
        EXPECT_STREQ(EntryLocation(list, i + 1), entries[i].second.Data());
    }
}

}  // namespace
