#include "run_text.h"

#include <gtest/gtest.h>

namespace {

TEST(RunText, BannersOfBothStreamsAndAllThreeWords)
{
    const std::string rule(38, '=');
    const std::string stars(38, '*');
    EXPECT_EQ(std::string(RunStartBanner(0, RunWord::Executing).Data()), rule + " Start executing ...\n");
    EXPECT_EQ(std::string(RunStartBanner(1, RunWord::Debugging).Data()), stars + " Start debugging ...\n");
    EXPECT_EQ(std::string(RunEndBanner(0, RunWord::Compiling).Data()), "\n" + rule + " End   compiling ...\n");
    EXPECT_EQ(std::string(RunEndBanner(1, RunWord::Executing).Data()), "\n" + stars + " End   executing ...\n");
}

TEST(RunText, OnlyAnErrorSummaryAtTheEndMarksARunFailed)
{
    const struct {
        const char* text;
        int failed;
    } cases[] = {
        {"A.java:3: error: ';' expected\n1 error\n", 1},
        {"3 errors\r\n  ", 1},
        {"errors", 1},
        {"error", 1},
        {"Note: errors found:", 0},
        {"errors found:\n", 0},
        {"1 Error\n", 0},
        {"rror", 0},
        {"\n\n\n\n\n", 0},
        {"", 0},
        {"x error \r\n \n", 1},
        {"1 warning\n", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EndsWithErrorSummary(c.text), c.failed) << c.text;
}

}  // namespace
