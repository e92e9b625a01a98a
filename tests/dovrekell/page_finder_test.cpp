#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "page_finder.h"

namespace {

// A page of plain text; a range is [start, end) over it, its bookmark the
// start in digits. "Textedit" moves a side to the end of the page.
class FakePage : public FindablePage {
public:
    explicit FakePage(std::string pageText) : text(std::move(pageText)) {}

    std::unique_ptr<PageTextRange> BodyRange() override
    {
        if (gone)
            return nullptr;
        return std::unique_ptr<PageTextRange>(new Range(*this));
    }

    std::string text;
    bool gone = false;
    bool bookmarksLost = false;
    int selected = -1;  // start of the last match shown

private:
    class Range : public PageTextRange {
    public:
        explicit Range(FakePage& owner) : page(owner), end(owner.text.size()) {}
        bool MoveToBookmark(const std::wstring& bookmark) override
        {
            if (page.bookmarksLost)
                return false;
            start = std::stoul(std::string(bookmark.begin(), bookmark.end()));
            end = start;
            return true;
        }
        void MoveStart(const char* unit, int count) override { Move(start, unit, count); }
        void MoveEnd(const char* unit, int count) override { Move(end, unit, count); }
        bool Search(const XString& wanted, int) override
        {
            // Like the browser without its match-case flag: letters in any case.
            std::string lowered(wanted.Data());
            for (char& c : lowered)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const size_t at = page.text.find(lowered, start);
            if (at == std::string::npos || at + static_cast<size_t>(wanted.Length()) > end)
                return false;
            start = at;
            end = at + static_cast<size_t>(wanted.Length());
            return true;
        }
        bool GetBookmark(std::wstring& bookmark) override
        {
            const std::string digits = std::to_string(start);
            bookmark.assign(digits.begin(), digits.end());
            return true;
        }
        void SelectAndShow() override { page.selected = static_cast<int>(start); }

    private:
        void Move(size_t& side, const std::string& unit, int count)
        {
            if (unit == "Character")
                side += static_cast<size_t>(count);
            else if (unit == "Textedit" && count > 0)
                side = page.text.size();
        }
        FakePage& page;
        size_t start = 0;
        size_t end;
    };
};

TEST(PageFinder, NextMatchWrapAndRestart)
{
    //                 0         1         2
    //                 0123456789012345678901234
    FakePage page("one two one three one end");
    PageFinder finder;
    struct Step {
        const char* text;
        int flags;
        bool reportMissing;
        bool result;
        int selected;
    };
    const Step steps[] = {
        {"one", 0, true, true, 0},    // first match
        {"one", 0, true, true, 8},    // same text and flags: the next one
        {"ONE", 0, true, true, 18},   // case of the text does not restart
        {"one", 0, true, true, 0},    // past the last: wraps to the first
        {"one", 0, true, true, 8},
        {"one", 2, true, true, 0},    // changed flags restart from the top
        {"three", 2, true, true, 12}, // changed text restarts too
        {"absent", 2, true, false, 12},
        {"absent", 2, false, true, 12},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(finder.Find(page, step.text, step.flags, step.reportMissing), step.result) << step.text;
        EXPECT_EQ(page.selected, step.selected) << step.text;
    }
}

TEST(PageFinder, NewPageOrLostBookmarkStartsAgain)
{
    FakePage page("ab ab ab");
    PageFinder finder;
    ASSERT_TRUE(finder.Find(page, "ab", 0, true));
    ASSERT_TRUE(finder.Find(page, "ab", 0, true));
    EXPECT_EQ(page.selected, 3);
    finder.ForgetMatch();
    ASSERT_TRUE(finder.Find(page, "ab", 0, true));
    EXPECT_EQ(page.selected, 0);

    // A bookmark the page no longer knows: the range is left empty at the end,
    // so nothing is found and the miss is reported.
    page.bookmarksLost = true;
    EXPECT_FALSE(finder.Find(page, "ab", 0, true));
    EXPECT_FALSE(finder.HasMatch());

    page.gone = true;
    EXPECT_FALSE(finder.Find(page, "ab", 0, false));
}

}  // namespace
