#include <gtest/gtest.h>

#include "title_search.h"

namespace {

TEST(TitleSearch, PositionRules)
{
    struct Case {
        const char* title;
        const char* text;
        int position;
        int matches;
    };
    const Case cases[] = {
        {"java", "a", kMiddle, 1},    {"ab", "a", kMiddle, 0},       {"ba", "a", kMiddle, 0},
        {"aab", "a", kMiddle, 1},     {"abca", "a", kMiddle, 0},     {"string", "str", kBeginning, 1},
        {"tostring", "str", kBeginning, 0}, {"tostring", "ing", kEnd, 1}, {"strings", "ing", kEnd, 0},
        {"tostring", "ost", kAnyPlace, 1},  {"st", "str", kAnyPlace, 0},  {"str", "str", kMiddle, 0},
        {"x", "", kMiddle, 0},         {"x", "", kAnyPlace, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TitleMatches(c.title, c.text, c.position), c.matches)
            << c.title << " / " << c.text << " / " << c.position;
}

}  // namespace
