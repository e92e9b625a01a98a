#include "support/shell_opens.h"

#include <gtest/gtest.h>

std::vector<std::string>& ShellOpened()
{
    static std::vector<std::string> opened;
    return opened;
}

HINSTANCE RecordShellOpen(HWND, const char* verb, const char* file, const char* parameters, const char* directory,
                          int show)
{
    EXPECT_EQ(verb, nullptr);
    EXPECT_EQ(parameters, nullptr);
    EXPECT_EQ(directory, nullptr);
    EXPECT_EQ(show, SW_SHOW);
    ShellOpened().push_back(file ? file : "");
    // Above 32: opened.
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}
