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

}  // namespace
