#include <gtest/gtest.h>

#include <string>

#include "navigation_history.h"

namespace {

std::string Name(int i)
{
    return "C:\\docs\\page" + std::to_string(i) + ".html";
}

TEST(NavigationHistory, KeepsTheNewestTwentyAndStepsBackNineteenTimes)
{
    NavigationHistory history;
    for (int i = 0; i < 25; ++i)
        history.Add(Name(i).c_str());
    EXPECT_EQ(history.Count(), 20);
    XString location;
    int steps = 0;
    while (history.Back(location))
        ++steps;
    EXPECT_EQ(steps, 19);
    EXPECT_STREQ(location.Data(), Name(5).c_str());
    EXPECT_EQ(history.Back(location), 0);
}

TEST(NavigationHistory, BackTwiceThenAddDropsTheForwardEntries)
{
    NavigationHistory history;
    for (int i = 0; i < 4; ++i)
        history.Add(Name(i).c_str());
    XString location;
    ASSERT_TRUE(history.Back(location));
    ASSERT_TRUE(history.Back(location));
    EXPECT_STREQ(location.Data(), Name(1).c_str());
    ASSERT_TRUE(history.Forward(location));
    EXPECT_STREQ(location.Data(), Name(2).c_str());
    ASSERT_TRUE(history.Back(location));

    history.Add("new.html");
    EXPECT_EQ(history.Count(), 3);
    EXPECT_EQ(history.Forward(location), 0);
    ASSERT_TRUE(history.Back(location));
    EXPECT_STREQ(location.Data(), Name(1).c_str());
}

TEST(NavigationHistory, SameLocationIsAddedAgainAndClearEmpties)
{
    NavigationHistory history;
    history.Add("a.html");
    history.Add("a.html");
    EXPECT_EQ(history.Count(), 2);
    history.Clear();
    XString location;
    EXPECT_EQ(history.Count(), 0);
    EXPECT_EQ(history.Current(), -1);
    EXPECT_EQ(history.Back(location), 0);
    EXPECT_EQ(history.Forward(location), 0);
}

}  // namespace
