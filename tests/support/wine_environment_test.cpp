// The test session's own promises: the suite's marker bytes survive the ANSI
// code page, and windows can be created.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineEnvironment, AnsiCodePageIs1252)
{
    EXPECT_EQ(GetACP(), 1252u);
    const char markers[] = "\xA5\xAB\xB6\xBB";
    wchar_t wide[8] = {};
    char back[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, markers, -1, wide, 8), 5);
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, 8, nullptr, nullptr), 5);
    EXPECT_STREQ(back, markers);
}

TEST(WineEnvironment, WindowsCanBeCreated)
{
    HWND h = CreateWindowExA(0, "STATIC", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    DestroyWindow(h);
}
