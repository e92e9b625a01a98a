// Farrowick.exe compiling with the real javac through the JDK bridge: the
// Main page's "Compile" on a selection of sources in three folders, one of
// which does not compile, "Directory by directory" with the classes next to
// their sources; the report at the end against its golden text.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "payloads.h"
#include "support/pane_text.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/remote_tree.h"
#include "support/sheet_page.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

constexpr const char* kFarrowickCaption = "Quenlow: compile ...";
constexpr int kMainCompile = 1003;
constexpr int kMainFind = 1004;
constexpr int kTree = 1017;
constexpr int kOptionsPage = 3;
constexpr int kStyleWhole = 1019;
constexpr int kStyleByFile = 1021;
constexpr int kOutputFolder = 1037;
constexpr int kFolderCombo = 1134;
constexpr int kCreateFolder = 1014;
constexpr int kStop = 1028;
constexpr int kCompilePage = 2;
constexpr int kPauseIfError = 1030;
constexpr int kUnitList = 1017;
constexpr int kContinue = 1033;
constexpr int kErrPane = 1019;

// A right click on the tree's root label and the menu's only command chosen
// with the keyboard, as a user would.
bool CompileAllFromRoot(HWND sheet, HWND tree)
{
    const HTREEITEM root =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    RECT label;
    if (!root || !RemoteTree(tree).LabelRect(root, label))
        return false;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    POINT point = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT screen = point;
    ClientToScreen(tree, &screen);
    SetForegroundWindow(sheet);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(tree, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(tree, WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 20000))
        return false;
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

// The selection folder as <SEL>, and the padding of the report's directory
// lines (which depends on the folder's length) as one blank.
std::string Canonical(std::string text, const std::string& selection)
{
    for (size_t at = text.find(selection); at != std::string::npos; at = text.find(selection, at))
        text.replace(at, selection.size(), "<SEL>");
    for (size_t at = text.find("  ("); at != std::string::npos; at = text.find("  ("))
        text.erase(at, 1);
    return text;
}

class FarrowickCompileE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = WindowsPath(ScratchPath("farrowick compile"));
        bin = root + "\\bin";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(bin.c_str(), nullptr);
        CreateDirectoryA((root + "\\Setting").c_str(), nullptr);
        DeleteFileA((root + "\\Setting\\Compile.set").c_str());
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_FARROWICK).c_str(), (bin + "\\Farrowick.exe").c_str(), FALSE));
        selection = WindowsPath(ScratchPath("farrowick sources"));
        CreateDirectoryA(selection.c_str(), nullptr);
        for (const char* folder : {"\\bad", "\\good", "\\warn"}) {
            CreateDirectoryA((selection + folder).c_str(), nullptr);
        }
        for (const char* stale : {"\\good\\Good.class", "\\warn\\w\\Warn.class", "\\bad\\Bad.class",
                                  "\\Good.class", "\\w\\Warn.class"})
            DeleteFileA((selection + stale).c_str());
        output = WindowsPath(ScratchPath("farrowick output"));
        for (const char* stale : {"\\one\\two\\Good.class", "\\one\\two\\w\\Warn.class"})
            DeleteFileA((output + stale).c_str());
        RemoveDirectoryA((output + "\\one\\two\\w").c_str());
        RemoveDirectoryA((output + "\\one\\two").c_str());
        RemoveDirectoryA((output + "\\one").c_str());
        CreateDirectoryA(output.c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(selection + "\\good\\Good.java", "public class Good { int x = 1; }\n"));
        ASSERT_TRUE(WriteFileBytes(selection + "\\bad\\Bad.java", "public class Bad { int x = 1 }\n"));
        ASSERT_TRUE(WriteFileBytes(selection + "\\warn\\Warn.java",
                                   "package w;\npublic class Warn { @Deprecated static void old() {}\n"
                                   "  static class User { void f() { old(); } }\n"
                                   "  void g() { new java.util.Date(0).getYear(); } }\n"));
    }

    std::string Command()
    {
        ClassPathRecord record;
        const std::string folder = "1\n" + selection;
        return "\"" + bin + "\\Farrowick.exe\" /inside-info " + InsideInfo(record, folder.c_str()).Data();
    }

    // Opens the tool on the selection folder, lets the caller set options,
    // compiles all files from the Find page's root and waits for the end.
    template <class SetOptions>
    void Compile(SetOptions setOptions, bool reportExpected)
    {
        Compile(setOptions, reportExpected, [](HWND) {});
    }

    // duringCompile: called with the Compile page once it shows.
    template <class SetOptions, class DuringCompile>
    void Compile(SetOptions setOptions, bool reportExpected, DuringCompile duringCompile)
    {
        tool = std::make_unique<Program>(Command());
        sheet = tool->WaitForDialog(kFarrowickCaption);
        ASSERT_NE(sheet, nullptr);
        SendMessageA(sheet, PSM_SETCURSEL, kOptionsPage, 0);
        HWND options = PageWith(sheet, kStyleWhole);
        ASSERT_NE(options, nullptr);
        setOptions(options);
        HWND main = PageWith(sheet, kMainCompile);
        ASSERT_NE(main, nullptr);
        SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMainFind, BN_CLICKED), 0);
        HWND find = PageWith(sheet, kTree);
        ASSERT_NE(find, nullptr);
        ASSERT_TRUE(CompileAllFromRoot(sheet, GetDlgItem(find, kTree))) << tool->Windows();
        HWND compile = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (compile = PageWith(sheet, kContinue)) != nullptr; }, 20000));
        duringCompile(compile);
        const bool ended = WaitFor(
            [&] {
                compile = compile ? compile : PageWith(sheet, kContinue);
                if (!compile)
                    return false;
                errors = WindowText(GetDlgItem(compile, kErrPane));
                if (reportExpected)
                    return errors.find("Compiling ended") != std::string::npos;
                return IsWindowEnabled(GetDlgItem(compile, kStop)) == FALSE &&
                       errors.find("End   compiling") != std::string::npos;
            },
            180000);
        ASSERT_TRUE(ended) << errors << tool->Windows();
        errors = Canonical(PaneLines(XString(errors.c_str())), selection);
    }

    // The last step of a whole compile follows its run by a tick or two;
    // until then closing is refused, as a user would see.
    void Close()
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
            if (tool->Ended(2000))
                return;
            if (HWND box = tool->FindDialog("Message")) {
                EXPECT_EQ(MessageText(box), "It is in compiling, please wait...");
                Press(box, IDOK);
            }
        }
        ADD_FAILURE() << "the tool did not close";
    }

    std::string root, bin, selection, output, errors;
    std::unique_ptr<Program> tool;
    HWND sheet = nullptr;
};

TEST_F(FarrowickCompileE2e, DirectoryByDirectoryReportsTheBrokenFolderAndLeavesClassesNextToTheGoodSources)
{
    // The defaults: directory by directory, classes next to their sources.
    Compile([](HWND) {}, true);
    EXPECT_EQ(errors, ReadFileBytes(TestDataPath("e2e/golden/tools/compile_by_directory.txt")));
    EXPECT_TRUE(FileExists(selection + "\\good\\Good.class"));
    EXPECT_TRUE(FileExists(selection + "\\warn\\w\\Warn.class"));
    EXPECT_FALSE(FileExists(selection + "\\bad\\Bad.class"));
    Close();
}

TEST_F(FarrowickCompileE2e, FileByFileIntoAFolderCreatedLevelByLevel)
{
    const std::string target = output + "\\one\\two";
    Compile(
        [&](HWND options) {
            SendMessageA(GetDlgItem(options, kStyleByFile), BM_CLICK, 0, 0);
            SendMessageA(GetDlgItem(options, kOutputFolder), BM_CLICK, 0, 0);
            SetWindowTextA(GetDlgItem(options, kFolderCombo), target.c_str());
            PostMessageA(GetDlgItem(options, kCreateFolder), BM_CLICK, 0, 0);
            HWND box = nullptr;
            ASSERT_TRUE(WaitFor([&] { return (box = tool->FindDialog("Message")) != nullptr; }, 20000));
            EXPECT_EQ(MessageText(box), "The output directory has been created successfully");
            Press(box, IDOK);
        },
        true);
    EXPECT_EQ(errors, ReadFileBytes(TestDataPath("e2e/golden/tools/compile_by_file.txt")));
    EXPECT_TRUE(FileExists(target + "\\Good.class"));
    EXPECT_TRUE(FileExists(target + "\\w\\Warn.class"));
    EXPECT_FALSE(FileExists(selection + "\\good\\Good.class"));
    Close();
}

TEST_F(FarrowickCompileE2e, PauseIfErrorWaitsForContinueAfterTheFailingFolder)
{
    Compile(
        [&](HWND) {
            SendMessageA(sheet, PSM_SETCURSEL, kCompilePage, 0);
            HWND compile = PageWith(sheet, kContinue);
            ASSERT_NE(compile, nullptr);
            SendMessageA(GetDlgItem(compile, kPauseIfError), BM_CLICK, 0, 0);
        },
        true,
        [&](HWND compile) {
            // The broken folder sorts first: its run fails and the compile waits.
            HWND resume = GetDlgItem(compile, kContinue);
            ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(resume) != FALSE; }, 60000));
            Sleep(1000);
            EXPECT_EQ(WindowText(GetDlgItem(compile, kUnitList)).find("2   :"), std::string::npos);
            EXPECT_EQ(WindowText(GetDlgItem(compile, kErrPane)).find("Compiling ended"), std::string::npos);
            SendMessageA(resume, BM_CLICK, 0, 0);
        });
    EXPECT_EQ(errors, ReadFileBytes(TestDataPath("e2e/golden/tools/compile_by_directory.txt")));
    Close();
}

TEST_F(FarrowickCompileE2e, AsAWholeIsOneRunWithoutAReport)
{
    DeleteFileA((selection + "\\bad\\Bad.java").c_str());
    Compile([](HWND options) { SendMessageA(GetDlgItem(options, kStyleWhole), BM_CLICK, 0, 0); }, false);
    EXPECT_EQ(errors.find("Compiling ended"), std::string::npos);
    EXPECT_NE(errors.find("deprecated"), std::string::npos) << errors;
    // One run in the start folder: the classes go below it.
    EXPECT_TRUE(FileExists(selection + "\\Good.class"));
    EXPECT_TRUE(FileExists(selection + "\\w\\Warn.class"));
    Close();
}

}  // namespace
