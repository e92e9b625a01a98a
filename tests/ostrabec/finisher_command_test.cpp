#include "finisher_command.h"

#include <gtest/gtest.h>

#include <string>

TEST(FinisherCommand, SwitchesAndTheirArgument)
{
    const struct {
        const char* line;
        FinisherAction action;
        const char* folder;
    } cases[] = {
        {"", FinisherAction::Nothing, ""},
        {"/restart", FinisherAction::AskRestart, ""},
        {" \t /restart", FinisherAction::AskRestart, ""},
        {"/uninstall C:\\Program Files\\Quenlow", FinisherAction::Uninstall, "C:\\Program Files\\Quenlow"},
        {"/uninstall\t \"C:\\a b\"", FinisherAction::Uninstall, "\"C:\\a b\""},  // the rest, unchanged
        {"/uninstall   ", FinisherAction::Nothing, ""},
        {"/Restart", FinisherAction::Nothing, ""},  // letter case counts
        {"restart", FinisherAction::Nothing, ""},
    };
    for (const auto& c : cases) {
        XString folder;
        EXPECT_EQ(ParseFinisherCommand(c.line, folder), c.action) << c.line;
        if (c.action == FinisherAction::Uninstall) {
            EXPECT_STREQ(folder.Data(), c.folder) << c.line;
        }
    }
}

TEST(FinisherCommand, BatchRetriesABoundedNumberOfTimesThenDeletesItself)
{
    const std::string expected =
        "@echo off\r\n"
        "set tries=0\r\n"
        ":RepeatExe\r\n"
        "del \"C:\\WINDOWS\\Ostrabec.exe\"\r\n"
        "if not exist \"C:\\WINDOWS\\Ostrabec.exe\" goto RepeatExeDone\r\n"
        "set /a tries+=1\r\n"
        "if %tries% geq 30 goto RepeatExeDone\r\n"
        "ping -n 2 127.0.0.1 > nul\r\n"
        "goto RepeatExe\r\n"
        ":RepeatExeDone\r\n"
        "\r\n"
        "del \"C:\\WINDOWS\\Ostrabec.bat\"\r\n";
    EXPECT_EQ(std::string(BuildSelfDeleteBatch("C:\\WINDOWS\\Ostrabec.exe", "C:\\WINDOWS\\Ostrabec.bat").Data()),
              expected);
}
