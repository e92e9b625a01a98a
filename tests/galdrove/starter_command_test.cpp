#include "starter_command.h"

#include <gtest/gtest.h>

TEST(StarterCommand, QuotesTheMainProgramInTheParentFolder)
{
    const struct {
        const char* module;
        const char* command;
    } cases[] = {
        {"C:\\Program Files\\Quenlow\\bin\\Galdrove.exe", "\"C:\\Program Files\\Quenlow\\Quenlow.exe\" /jdkdochelp"},
        {"C:\\q\\bin\\Galdrove.exe", "\"C:\\q\\Quenlow.exe\" /jdkdochelp"},
        {"C:\\Galdrove.exe", "\"C:\\Quenlow.exe\" /jdkdochelp"},
        {"Galdrove.exe", "\"Galdrove.exe\\Quenlow.exe\" /jdkdochelp"},  // no backslash: used unchanged
    };
    for (const auto& c : cases)
        EXPECT_STREQ(BuildStarterCommand(c.module).Data(), c.command) << c.module;
}
