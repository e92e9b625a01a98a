// Skelbrand.exe and Farrowick.exe as the main program starts them: the Main
// page's report of a payload, the hand-over to a running sheet of the same
// tool, refused command lines, and every way of closing the sheet.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "payloads.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"
#include "support/tool_report.h"

namespace {

constexpr const char* kSkelbrandCaption = "Quenlow: execute and debug";
constexpr const char* kFarrowickCaption = "Quenlow: compile ...";

std::string Report(HWND sheet, const std::string& selection)
{
    return ToolReport(sheet, selection);
}

std::string Golden(const std::string& name)
{
    return ReadFileBytes(TestDataPath("e2e/golden/tools/" + name));
}

class ToolsE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = WindowsPath(ScratchPath(std::string("tools ") + ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        bin = root + "\\bin";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(bin.c_str(), nullptr);
        CreateDirectoryA((root + "\\Setting").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_SKELBRAND).c_str(), (bin + "\\Skelbrand.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_FARROWICK).c_str(), (bin + "\\Farrowick.exe").c_str(), FALSE));
        selection = WindowsPath(ScratchPath("tools selection"));
        CreateDirectoryA(selection.c_str(), nullptr);
        CreateDirectoryA((selection + "\\sub").c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(selection + "\\Main.java", "class Main {}"));
        ASSERT_TRUE(WriteFileBytes(selection + "\\Main.class", "\xCA\xFE\xBA\xBE"));
        ASSERT_TRUE(WriteFileBytes(selection + "\\notes.txt", "x"));
    }
    std::string Command(const char* tool, const std::string& selectionText)
    {
        ClassPathRecord record;
        record.systemClassPath.Assign("C:\\jdk\\lib\\tools.jar;C:\\sys.zip;");
        record.userZipClassPath.Assign("\"C:\\My Libs\\u.jar\";");
        record.autoDetectJars = true;
        return "\"" + bin + "\\" + tool + "\" /inside-info " + InsideInfo(record, selectionText.c_str()).Data();
    }
    std::string Settings(const char* file) { return ReadFileBytes(root + "\\Setting\\" + file); }

    std::string root, bin, selection;
};

TEST_F(ToolsE2e, EachToolShowsTheReportOfItsPayload)
{
    const struct {
        const char* tool;
        const char* caption;
        std::string selection;
        const char* golden;
    } cases[] = {
        {"Skelbrand.exe", kSkelbrandCaption, "1\n" + selection, "skelbrand_folder.txt"},
        {"Skelbrand.exe", kSkelbrandCaption, "1\n" + selection + "\\Main.class", "skelbrand_class.txt"},
        {"Farrowick.exe", kFarrowickCaption,
         "4\n" + selection + "\\sub\n" + selection + "\\Main.java\n" + selection + "\\Main.class\n" + selection +
             "\\notes.txt",
         "farrowick_several.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        Program tool(Command(c.tool, c.selection));
        HWND sheet = tool.WaitForDialog(c.caption);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(Report(sheet, selection), Golden(c.golden));
        PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(tool.Ended(60000));
    }
}

TEST_F(ToolsE2e, ASecondStartHandsItsPayloadToTheRunningSheetOfTheSameTool)
{
    Program first(Command("Skelbrand.exe", "1\n" + selection));
    HWND sheet = first.WaitForDialog(kSkelbrandCaption);
    ASSERT_NE(sheet, nullptr);
    ShowWindow(sheet, SW_MINIMIZE);

    Program second(Command("Skelbrand.exe", "1\n" + selection + "\\Main.class"));
    EXPECT_TRUE(second.Ended(60000));
    EXPECT_EQ(second.FindDialog(kSkelbrandCaption), nullptr);
    EXPECT_EQ(Report(sheet, selection), Golden("skelbrand_class.txt"));
    EXPECT_FALSE(IsIconic(sheet));

    // A compile request opens the compile tool, and the reverse.
    Program compile(Command("Farrowick.exe", "1\n" + selection));
    HWND compileSheet = compile.WaitForDialog(kFarrowickCaption);
    ASSERT_NE(compileSheet, nullptr);
    EXPECT_FALSE(compile.Ended(0));
    Program execute(Command("Skelbrand.exe", "1\n" + selection));
    EXPECT_TRUE(execute.Ended(60000));
    EXPECT_EQ(Report(sheet, selection), Golden("skelbrand_folder.txt"));
    EXPECT_EQ(Report(compileSheet, selection), Golden("farrowick_folder.txt"));
    PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(first.Ended(60000));

    // The compile tool alone: an execute request opens the execute-and-debug
    // tool, and a slot left naming a window that is gone swallows nothing.
    HANDLE staleSlot = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4, "skelbrand_mapfile");
    ASSERT_NE(staleSlot, nullptr);
    if (void* view = MapViewOfFile(staleSlot, FILE_MAP_WRITE, 0, 0, 4)) {
        *static_cast<volatile DWORD*>(view) = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(sheet));
        UnmapViewOfFile(view);
    }
    Program executeAgain(Command("Skelbrand.exe", "1\n" + selection + "\\Main.class"));
    HWND newSheet = executeAgain.WaitForDialog(kSkelbrandCaption);
    ASSERT_NE(newSheet, nullptr);
    EXPECT_EQ(Report(newSheet, selection), Golden("skelbrand_class.txt"));
    EXPECT_EQ(Report(compileSheet, selection), Golden("farrowick_folder.txt"));
    PostMessageA(newSheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(compileSheet, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(executeAgain.Ended(60000));
    EXPECT_TRUE(compile.Ended(60000));
    CloseHandle(staleSlot);
}

TEST_F(ToolsE2e, ACommandLineWithoutAPayloadEndsTheToolWithNoWindow)
{
    for (const char* rest : {" /inside-info abcd", " /compile-files 1", ""}) {
        for (const char* tool : {"Skelbrand.exe", "Farrowick.exe"}) {
            Program program("\"" + bin + "\\" + tool + "\"" + rest);
            EXPECT_TRUE(program.Ended(60000)) << tool << rest;
        }
    }
    EXPECT_EQ(Settings("ExecuteDebug.set"), "");
}

TEST_F(ToolsE2e, EveryWayOfClosingSavesThePageSettings)
{
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } ways[] = {
        {"caption X", WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(10, 10)},
        {"Esc", WM_COMMAND, IDCANCEL, 0},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(1u << 29)},
        {"system menu Close", WM_SYSCOMMAND, SC_CLOSE, 0},
        {"Close button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0},
    };
    const struct {
        const char* tool;
        const char* caption;
        const char* file;
    } tools[] = {{"Skelbrand.exe", kSkelbrandCaption, "ExecuteDebug.set"},
                 {"Farrowick.exe", kFarrowickCaption, "Compile.set"}};
    for (const auto& t : tools) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(t.tool) + ", " + way.name);
            RemoveFile(root + "\\Setting\\" + t.file);
            Program tool(Command(t.tool, "1\n" + selection));
            HWND sheet = tool.WaitForDialog(t.caption);
            ASSERT_NE(sheet, nullptr);
            // The check box off, so that the save shows in the file.
            HWND page = FindWindowExA(sheet, nullptr, "#32770", nullptr);
            SendMessageA(GetDlgItem(page, 1002), BM_SETCHECK, BST_UNCHECKED, 0);
            if (way.message == WM_SYSKEYDOWN)
                SetForegroundWindow(sheet);
            PostMessageA(sheet, way.message, way.wParam, way.lParam);
            ASSERT_TRUE(tool.Ended(60000));
            EXPECT_EQ(Settings(t.file), Golden(std::string("closed_") + t.file));
        }
    }
}

}  // namespace
