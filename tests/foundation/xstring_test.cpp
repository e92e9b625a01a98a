#include "xstring.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

XString OfCapacity(int capacity)
{
    // Text of capacity - 100 characters gives exactly that capacity.
    return XString(std::string(static_cast<size_t>(capacity - XString::kHeadroom), 'x').c_str());
}

TEST(XString, StartsEmptyWithHeadroom)
{
    XString s;
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Capacity(), 100);
    EXPECT_STREQ(s.Data(), "");
}

struct ClampCase {
    const char* text;
    int length;
    int expected;
};

TEST(XString, ClampLengthTable)
{
    const ClampCase cases[] = {
        {"hello", -1, 5}, {"hello", 3, 3}, {"hello", 99, 5}, {"hello", 0, 0}, {nullptr, 4, 0}, {"", -1, 0},
    };
    for (const ClampCase& c : cases)
        EXPECT_EQ(XString::ClampLength(c.text, c.length), c.expected) << (c.text ? c.text : "null") << " " << c.length;
}

struct AssignCase {
    int startCapacity;
    int newLength;
    int expectedCapacity;
};

TEST(XString, AssignGrowsAndShrinksByTheRule)
{
    const AssignCase cases[] = {
        {500, 10, 110},   // more than 200 spare: given back
        {150, 10, 150},   // fits with less slack: in place
        {210, 10, 210},   // 10 is not below 210 - 200
        {211, 10, 110},
        {100, 99, 100},   // length must stay below capacity
        {100, 100, 200},
        {100, 0, 100},
    };
    for (const AssignCase& c : cases) {
        XString s = OfCapacity(c.startCapacity);
        ASSERT_EQ(s.Capacity(), c.startCapacity);
        const std::string text(static_cast<size_t>(c.newLength), 'a');
        EXPECT_EQ(s.Assign(text.c_str(), c.newLength), 1);
        EXPECT_EQ(s.Capacity(), c.expectedCapacity) << c.startCapacity << " <- " << c.newLength;
        EXPECT_EQ(s.Length(), c.newLength);
        EXPECT_EQ(std::string(s.Data()), text);
    }
}

TEST(XString, AssignFromItsOwnTextKeepsTheText)
{
    XString s = OfCapacity(600);
    s.Assign("0123456789abcdef");
    s.Assign(s.Data() + 10);  // in place: the source overlaps the target
    EXPECT_STREQ(s.Data(), "abcdef");
    XString big(std::string(400, 'q').append("tail").c_str());
    big.Assign(big.Data() + 400);  // shrinks: the source is inside the freed buffer
    EXPECT_STREQ(big.Data(), "tail");
    EXPECT_EQ(big.Capacity(), 104);
}

TEST(XString, AppendRules)
{
    XString s("abc");
    EXPECT_EQ(s.Append(nullptr, 5), 0);
    EXPECT_EQ(s.Append("xyz", 0), 0);
    EXPECT_EQ(s.Append("", -1), 0);
    EXPECT_STREQ(s.Data(), "abc");
    EXPECT_EQ(s.Append("defg", -1), 1);
    EXPECT_STREQ(s.Data(), "abcdefg");
    EXPECT_EQ(s.Capacity(), 103);  // in place: 7 < 103

    XString full = OfCapacity(100);  // length 0, capacity 100
    full.Assign(std::string(95, 'a').c_str());
    full.Append("12345");  // 95 + 5 = 100 does not fit below 100
    EXPECT_EQ(full.Capacity(), 200);
    EXPECT_EQ(full.Length(), 100);

    XString self("ab");
    self.Append(self.Data(), self.Length());
    EXPECT_STREQ(self.Data(), "abab");
}

TEST(XString, AppendCharGrowsToLengthPlus101)
{
    XString s(std::string(99, 'z').c_str());
    ASSERT_EQ(s.Capacity(), 199);
    XString t;
    t.Assign(std::string(99, 'z').c_str());
    ASSERT_EQ(t.Capacity(), 100);
    t.AppendChar('!');  // 99 + 1 >= 100
    EXPECT_EQ(t.Capacity(), 200);
    EXPECT_EQ(t.Length(), 100);
    EXPECT_EQ(t.LastChar(), '!');
}

struct EraseCase {
    const char* text;
    int pos;
    int count;
    int result;
    const char* after;
};

TEST(XString, EraseTable)
{
    const EraseCase cases[] = {
        {"abcdef", 0, 0, 0, "abcdef"},   {"abcdef", -1, 1, 0, "abcdef"}, {"abcdef", 1, -1, 0, "abcdef"},
        {"abcdef", 4, 3, 0, "abcdef"},   {"abcdef", 0, 6, 1, ""},        {"abcdef", 2, 2, 1, "abef"},
        {"abcdef", 5, 1, 1, "abcde"},    {"abc", 1, 2147483647, 0, "abc"},
    };
    for (const EraseCase& c : cases) {
        XString s(c.text);
        EXPECT_EQ(s.Erase(c.pos, c.count), c.result) << c.text << " " << c.pos << " " << c.count;
        EXPECT_STREQ(s.Data(), c.after);
    }
}

TEST(XString, EraseAndRemoveLastShrinkWhenSlackExceeds200)
{
    XString s(std::string(300, 'a').c_str());
    ASSERT_EQ(s.Capacity(), 400);
    s.Erase(0, 250);  // 50 < 400 - 200
    EXPECT_EQ(s.Capacity(), 150);
    XString t(std::string(200, 'a').c_str());
    ASSERT_EQ(t.Capacity(), 300);
    EXPECT_EQ(t.RemoveLast(), 1);  // 199 is not more than 200 below 300
    EXPECT_EQ(t.Capacity(), 300);
    XString empty;
    EXPECT_EQ(empty.RemoveLast(), 0);
    EXPECT_EQ(empty.SetLastChar('x'), 0);
    EXPECT_EQ(empty.LastChar(), 0);
}

struct ReplaceCase {
    const char* text;
    const char* from;
    const char* to;
    int count;
    const char* after;
};

TEST(XString, ReplaceTable)
{
    const ReplaceCase cases[] = {
        {"aXa", "a", "bb", 2, "bbXbb"},
        {"aXa", "a", "", 0, "aXa"},
        {"aXa", "", "b", 0, "aXa"},
        {"aaaa", "aa", "b", 2, "bb"},
        {"aaa", "aa", "c", 1, "ca"},           // non-overlapping, left to right
        {"abcabc", "bc", "XY", 2, "aXYaXY"},   // same length: in place
        {"aaa", "a", "aa", 3, "aaaaaa"},       // the replacement is not searched again
        {"none", "x", "yy", 0, "none"},
    };
    for (const ReplaceCase& c : cases) {
        XString s(c.text);
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << c.text << ": " << c.from << " -> " << c.to;
        EXPECT_STREQ(s.Data(), c.after);
    }
    XString grown("a-a");
    grown.Replace("a", std::string(300, 'z').c_str());
    EXPECT_EQ(grown.Length(), 601);
    EXPECT_EQ(grown.Capacity(), 701);
}

// Long texts go eight bytes at a time: every byte of a word, the bytes
// beside a match, high bytes and the tail after the last whole word.
TEST(XString, ReplaceCharInLongTexts)
{
    const struct {
        std::string text;
        char from, to;
        std::string expected;
        int replaced;
    } cases[] = {
        {"java/lang/String", '/', '.', "java.lang.String", 2},
        {"////////////////////", '/', '.', "....................", 20},
        {"abcdefgh/", '/', '.', "abcdefgh.", 1},
        {"/abcdefg", '/', '.', ".abcdefg", 1},
        {".0/.0/..//\x7f", '/', '.', ".0..0.....\x7f", 4},
        {"\xff\x2f\xaf/\x80\x2e\x2f\xae/\xff", '/', '.', "\xff\x2e\xaf.\x80\x2e\x2e\xae.\xff", 4},
        {"\xff" "a\xff" "b\xff" "c\xff" "d\xff", '\xff', 'x', "xaxbxcxdx", 5},
        {"no slash in these words", '/', '.', "no slash in these words", 0},
    };
    for (const auto& c : cases) {
        XString s(c.text.c_str());
        EXPECT_EQ(s.ReplaceChar(c.from, c.to), c.replaced) << c.text;
        EXPECT_EQ(std::string(s.Data(), static_cast<size_t>(s.Length())), c.expected) << c.text;
    }
}

// Blocks of strings dropped on another thread than the one that made them go
// to that thread's spares, and back to the heap when it ends.
TEST(XString, StringsOutliveTheThreadThatMadeThem)
{
    std::vector<XString*> made;
    std::thread maker([&] {
        for (int i = 0; i < 3000; ++i)
            made.push_back(new XString(i % 2 ? "" : "short"));
        for (int i = 0; i < 1000; ++i)
            delete made[static_cast<size_t>(i)];
    });
    maker.join();
    std::thread dropper([&] {
        for (size_t i = 1000; i < 2000; ++i)
            delete made[i];
    });
    dropper.join();
    for (size_t i = 2000; i < made.size(); ++i) {
        EXPECT_STREQ(made[i]->Data(), i % 2 ? "" : "short");
        made[i]->Append("grown past the first capacity of a hundred bytes........................................");
        delete made[i];
    }
}

TEST(XString, ReplaceCharAndCompareN)
{
    XString s("a;b;c");
    EXPECT_EQ(s.ReplaceChar(';', ':'), 2);
    EXPECT_STREQ(s.Data(), "a:b:c");

    XString empty;
    EXPECT_EQ(empty.CompareN(nullptr), 0);
    EXPECT_EQ(s.CompareN(nullptr), 1);
    EXPECT_EQ(s.CompareN("a:b", -1), 0);
    EXPECT_EQ(s.CompareN("a:x", 2), 0);
    EXPECT_LT(s.CompareN("b"), 0);
}

TEST(XString, ConcatKeepsTheFirstCapacityWhenBothFit)
{
    XString a("abc");
    XString b("def");
    XString ab = XString::Concat(a, b);
    EXPECT_STREQ(ab.Data(), "abcdef");
    EXPECT_EQ(ab.Capacity(), 103);

    XString mid(std::string(60, 'b').c_str());
    EXPECT_EQ(XString::Concat(mid, mid).Capacity(), 160);  // 120 fits below 160

    XString big(std::string(120, 'b').c_str());
    XString sum = XString::Concat(big, big);  // 240 does not fit below 220
    EXPECT_EQ(sum.Capacity(), 340);
    EXPECT_EQ(sum.Length(), 240);
}

TEST(XString, ConcatCharCapacity)
{
    const struct {
        int length;
        int capacity;
    } cases[] = {{0, 101}, {99, 101}, {100, 201}, {150, 251}};
    for (const auto& c : cases) {
        XString s(std::string(static_cast<size_t>(c.length), 'p').c_str());
        XString q = XString::ConcatChar('"', s);
        EXPECT_EQ(q.Capacity(), c.capacity) << c.length;
        EXPECT_EQ(q.Length(), c.length + 1);
        EXPECT_EQ(q[0], '"');
    }
}

TEST(XString, CopyToItselfDoesNothing)
{
    XString s("same");
    const char* before = s.Data();
    s.Copy(s);
    EXPECT_EQ(s.Data(), before);
    EXPECT_STREQ(s.Data(), "same");
}

}  // namespace
