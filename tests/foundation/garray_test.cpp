#include "garray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GArray, GrowsByTenWhenTheCountReachesTheCapacity)
{
    const struct {
        int adds;
        int capacity;
    } cases[] = {{0, 10}, {9, 10}, {10, 20}, {19, 20}, {20, 30}};
    for (const auto& c : cases) {
        WordArray words;
        for (int i = 0; i < c.adds; ++i)
            words.Add(static_cast<unsigned short>(i));
        EXPECT_EQ(words.Count(), c.adds);
        EXPECT_EQ(words.Capacity(), c.capacity) << c.adds << " adds";
    }
}

TEST(PtrArray, InsertAndRemoveAtTheEdges)
{
    int values[4] = {0, 1, 2, 3};
    PtrArray a;
    EXPECT_EQ(a.InsertAt(0, &values[1]), 1);
    EXPECT_EQ(a.InsertAt(1, &values[3]), 1);  // at count: appends
    EXPECT_EQ(a.InsertAt(1, &values[2]), 1);
    EXPECT_EQ(a.InsertAt(0, &values[0]), 1);
    EXPECT_EQ(a.InsertAt(5, &values[0]), 0);  // count + 1
    EXPECT_EQ(a.InsertAt(-1, &values[0]), 0);
    ASSERT_EQ(a.Count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.GetAt(i), &values[i]);
    EXPECT_EQ(a.GetAt(4), nullptr);
    EXPECT_EQ(a.RemoveAt(4), 0);
    EXPECT_EQ(a.RemoveAt(-1), 0);
    EXPECT_EQ(a.RemoveAt(1), 1);
    EXPECT_EQ(a.GetAt(1), &values[2]);
    EXPECT_EQ(a.Count(), 3);
}

TEST(PtrArray, RemoveAtShrinksOneStepWhenTenSlotsAreSpare)
{
    PtrArray a;
    for (int i = 0; i < 25; ++i)
        a.Add(nullptr);
    ASSERT_EQ(a.Capacity(), 30);
    a.RemoveAt(0);  // 24 + 10 < 30 is false
    EXPECT_EQ(a.Capacity(), 30);
    for (int i = 0; i < 5; ++i)
        a.RemoveAt(0);  // count 19: 29 < 30
    EXPECT_EQ(a.Capacity(), 20);
    a.Reset();
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(a.Capacity(), 10);
}

TEST(PtrArray, GrowLeavesANullSlot)
{
    PtrArray a;
    a.Grow();
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(a.GetAt(0), nullptr);
}

TEST(StringList, KeepsCopiesAndGivesEmptyTextOutOfRange)
{
    StringList list;
    std::string keep = "first";
    list.Add(keep.c_str());
    keep[0] = 'X';
    for (int i = 0; i < 30; ++i)  // several reallocations of the block
        list.Add(std::to_string(i).c_str());
    EXPECT_STREQ(list.GetAt(0).Data(), "first");
    EXPECT_EQ(list.GetAt(0).Capacity(), 105);
    EXPECT_STREQ(list.GetAt(30).Data(), "29");
    EXPECT_STREQ(list.GetAt(31).Data(), "");
    EXPECT_STREQ(list.GetAt(-1).Data(), "");
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
    list.Grow();
    EXPECT_STREQ(list.GetAt(0).Data(), "");
}

std::vector<std::string> Contents(const StringPtrList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.StringAt(i)->Data());
    return out;
}

TEST(StringPtrList, InsertSortedKeepsOneOfEachInByteOrder)
{
    StringPtrList list;
    for (const char* t : {"b", "a", "b"})
        list.InsertSorted(t);
    EXPECT_EQ(Contents(list), (std::vector<std::string>{"a", "b"}));

    StringPtrList many;
    const char* words[] = {"m", "c", "x", "a", "Z", "q", "d", "c", "y", "b", "n", "o", "a", "k"};
    for (const char* w : words)
        many.InsertSorted(w);
    EXPECT_EQ(Contents(many),
              (std::vector<std::string>{"Z", "a", "b", "c", "d", "k", "m", "n", "o", "q", "x", "y"}));
}

TEST(StringPtrList, FindReportsTheIndexOrTheInsertionPoint)
{
    StringPtrList list;
    for (const char* t : {"b", "d", "f", "h", "j"})
        list.InsertSorted(t);
    const struct {
        const char* text;
        int index;
        int found;
    } cases[] = {{"a", 0, 0}, {"b", 0, 1}, {"c", 1, 0}, {"d", 1, 1}, {"e", 2, 0}, {"f", 2, 1},
                 {"g", 3, 0}, {"h", 3, 1}, {"i", 4, 0}, {"j", 4, 1}, {"k", 5, 0}};
    for (const auto& c : cases) {
        int found = 0;
        EXPECT_EQ(list.Find(0, list.Count() - 1, c.text, &found), c.index) << c.text;
        EXPECT_EQ(found, c.found) << c.text;
    }
    int found = 0;
    EXPECT_EQ(list.Find(3, 2, "a", &found), 3);  // hi < lo gives lo
    EXPECT_EQ(found, 0);
}

}  // namespace
