#include "process/output_text.h"

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
