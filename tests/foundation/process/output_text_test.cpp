#include "process/output_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(RunnerOutputText, LineEndsOfOneChunk)
{
    const struct {
        const char* chunk;
        const char* shown;
    } cases[] = {
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\rb\n", "a\rb\n"},            // lone CR and LF stay
        {"end\r", "end\r"},              // a pair split across reads is not joined
        {"\r\r\n\n", "\r\n\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        XString text(c.chunk);
        NormalizeLineEnds(text);
        EXPECT_STREQ(text.Data(), c.shown) << c.chunk;
    }
}

TEST(RunnerOutputText, CountsAddingLines)
{
    const struct {
        const char* text;
        int count;
    } cases[] = {
        {"", 0},
        {"added manifest\n", 0},
        {"adding: a.class\nadding: b.class\n", 2},
        {"adding:adding:", 2},
        {"xadding:y adding", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountAddingLines(XString(c.text)), c.count) << c.text;
}

TEST(RunnerOutputText, CountsAddingLinesOverPieces)
{
    // Each text cut into pieces at every "|": the count is the whole text's.
    const struct {
        const char* pieces;
        int count;
    } cases[] = {
        {"adding: a\n|adding: b\n", 2},
        {"add|ing: a\nadd|ing: b", 2},
        {"adding|:", 1},
        {"a|d|d|i|n|g|:", 1},
        {"adding:|adding:|", 2},
        {"xaddin|g y adding:", 1},
        {"|||", 0},
    };
    for (const auto& c : cases) {
        AddingLineCounter counter;
        std::string text(c.pieces);
        for (size_t from = 0;;) {
            const size_t bar = text.find('|', from);
            counter.Feed(XString(text.substr(from, bar - from).c_str()));
            if (bar == std::string::npos)
                break;
            from = bar + 1;
        }
        EXPECT_EQ(counter.Count(), c.count) << c.pieces;
        counter.Reset();
        EXPECT_EQ(counter.Count(), 0);
    }
}
