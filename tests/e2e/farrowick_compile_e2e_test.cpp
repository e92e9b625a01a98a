// Farrowick.exe compiling with the real javac through the JDK bridge: sources
// in three folders, one of which does not compile and one of which compiles
// with a deprecation warning, compiled from the Find page's tree in each
// style, started directly and through Quenlow's compile switch, paused and
// stopped; the report at the end against its golden text.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "payloads.h"
#include "support/debug_page.h"
#include "support/farrowick_controls.h"
#include "support/java_version_switch.h"
#include "settings/settings_file.h"
#include "support/pane_text.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/remote_tree.h"
#include "support/sheet_page.h"
#include "support/test_files.h"
#include "support/tool_report.h"
#include "support/window_text.h"

namespace {

using namespace farrowick_controls;


// Long enough to compile for seconds, few enough for one command line.
constexpr int kSlowSources = 200;
constexpr int kSlowMethods = 400;
// Far more names than one command line holds.
constexpr int kManySources = 600;

std::string Pane(HWND page, int id)
{
    return PaneLines(XString(WindowText(GetDlgItem(page, id)).c_str()));
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
        // Short: a folder's run carries every source path on one command line.
        const std::string name =
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 12);
        root = WindowsPath(ScratchPath("farrowick compile " + name));
        bin = root + "\\bin";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(bin.c_str(), nullptr);
        CreateDirectoryA((root + "\\Setting").c_str(), nullptr);
        DeleteFileA((root + "\\Setting\\Compile.set").c_str());
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_FARROWICK).c_str(), (bin + "\\Farrowick.exe").c_str(), FALSE));
        selection = WindowsPath(ScratchPath("farrowick sources " + name));
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

    std::string Command(const ClassPathRecord& record = ClassPathRecord())
    {
        const std::string folder = "1\n" + selection;
        return "\"" + bin + "\\Farrowick.exe\" /inside-info " + InsideInfo(record, folder.c_str()).Data();
    }

    // Quenlow's compile switch as the context menu writes it, with a folder:
    // Quenlow hands it to the compile tool and ends.
    void OpenThroughQuenlow()
    {
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_EXE).c_str(), (root + "\\Quenlow.exe").c_str(), FALSE));
        {
            SettingsFile settings;
            ASSERT_EQ(settings.OpenAndInit((root + "\\Setting\\Quenlow.set").c_str()), 1);
            settings.SetProgramInit(1);  // the association is not this test's business
        }
        Program quenlow("\"" + root + "\\Quenlow.exe\" /compile-files 1\n" + selection + "\n");
        EXPECT_TRUE(quenlow.Ended(60000));
        ASSERT_TRUE(WaitFor([&] { return (sheet = FindWindowA("#32770", kCaption)) != nullptr; }, 60000));
        tool = std::make_unique<Program>(sheet);
    }

    // Opens the tool on the selection folder (unless it is open), lets the
    // caller set options, compiles all files from the Find page's root and
    // waits for the end.
    template <class SetOptions>
    void Compile(SetOptions setOptions, bool reportExpected)
    {
        Compile(setOptions, reportExpected, [](HWND) {});
    }

    // duringCompile: called with the Compile page once it shows.
    template <class SetOptions, class DuringCompile>
    void Compile(SetOptions setOptions, bool reportExpected, DuringCompile duringCompile,
                 const ClassPathRecord& record = ClassPathRecord())
    {
        if (!tool) {
            tool = std::make_unique<Program>(Command(record));
            sheet = tool->WaitForDialog(kCaption);
        }
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
        // The root holds folders only: its menu's one command compiles all.
        HWND tree = GetDlgItem(find, kTree);
        const HTREEITEM treeRoot = RemoteTree(tree).Next(nullptr, TVGN_ROOT);
        ASSERT_TRUE(ChooseFromItemMenu(sheet, tree, treeRoot, 0)) << tool->Windows();
        HWND compile = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (compile = PageWith(sheet, kContinue)) != nullptr; }, 60000));
        duringCompile(compile);
        std::string before;
        const bool ended = WaitFor(
            [&] {
                compile = compile ? compile : PageWith(sheet, kContinue);
                if (!compile)
                    return false;
                errors = WindowText(GetDlgItem(compile, kErrPane));
                // The report may reach the pane in more than one append: it
                // is whole once a later look finds the same text.
                if (reportExpected) {
                    const bool whole = errors.find("Compiling ended") != std::string::npos && errors == before;
                    before = errors;
                    return whole;
                }
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
        for (int attempt = 0; attempt < 30; ++attempt) {
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
            ASSERT_TRUE(WaitFor([&] { return (box = tool->FindDialog("Message")) != nullptr; }, 60000));
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

TEST_F(FarrowickCompileE2e, AsAWholePastTheLongestCommandLineReadsTheNamesFromAnArgumentFile)
{
    // Enough names that one command line cannot hold them.
    DeleteFileA((selection + "\\bad\\Bad.java").c_str());
    std::string lastSource;
    for (int i = 0; i < kManySources; ++i) {
        const std::string name = "ArgumentFileSourceNumber" + std::to_string(1000 + i);
        DeleteFileA((selection + "\\" + name + ".class").c_str());
        lastSource = selection + "\\good\\" + name + ".java";
        ASSERT_TRUE(WriteFileBytes(lastSource, "public class " + name + " { int x = " + std::to_string(i) + "; }\n"));
    }
    ASSERT_GT(static_cast<int>(lastSource.size() + 3) * kManySources, 32767);
    Compile([](HWND options) { SendMessageA(GetDlgItem(options, kStyleWhole), BM_CLICK, 0, 0); }, false);
    EXPECT_EQ(errors.find("************************************** Start compiling ...\nNote: "), 0u) << errors;
    EXPECT_NE(errors.find("warn/Warn.java uses or overrides a deprecated API.\n"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("error"), std::string::npos) << errors;
    for (int i = 0; i < kManySources; ++i)
        EXPECT_TRUE(FileExists(selection + "\\ArgumentFileSourceNumber" + std::to_string(1000 + i) + ".class")) << i;
    EXPECT_TRUE(FileExists(selection + "\\Good.class"));
    EXPECT_TRUE(FileExists(selection + "\\w\\Warn.class"));
    // The command pane still names every source; the file is gone with the run.
    HWND compile = PageWith(sheet, kContinue);
    const std::string command = WindowText(GetDlgItem(compile, kCommandPane));
    EXPECT_NE(command.find("\"" + lastSource + "\""), std::string::npos) << command.substr(0, 400);
    EXPECT_EQ(command.find('@'), std::string::npos);
    EXPECT_FALSE(FileExists(root + "\\temp\\javacfiles.txt"));
    Close();
}

TEST_F(FarrowickCompileE2e, QuenlowsCompileSwitchOpensTheToolThatCompilesEachFolderWithJavacsMessagesShown)
{
    OpenThroughQuenlow();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(ToolReport(sheet, selection), ReadFileBytes(TestDataPath("e2e/golden/tools/chain_compile_folder.txt")));
    // Each folder's run waits for Continue, so that its messages can be read.
    std::vector<std::string> panes;
    Compile(
        [&](HWND) {
            SendMessageA(sheet, PSM_SETCURSEL, kCompilePage, 0);
            HWND compile = PageWith(sheet, kContinue);
            ASSERT_NE(compile, nullptr);
            SendMessageA(GetDlgItem(compile, kPauseAlways), BM_CLICK, 0, 0);
        },
        true,
        [&](HWND compile) {
            HWND resume = GetDlgItem(compile, kContinue);
            for (int folder = 0; folder < 3; ++folder) {
                ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(resume) != FALSE; }, 60000)) << folder;
                panes.push_back(Canonical(Pane(compile, kErrPane), selection));
                SendMessageA(resume, BM_CLICK, 0, 0);
            }
        });
    EXPECT_EQ(errors, ReadFileBytes(TestDataPath("e2e/golden/tools/compile_by_directory.txt")));
    ASSERT_EQ(panes.size(), 3u);
    const std::string start = "************************************** Start compiling ...\n";
    const std::string end = "\n************************************** End   compiling ...\n";
    // javac names the sources by the paths it was given through the bridge.
    EXPECT_EQ(panes[0].find(start), 0u) << panes[0];
    EXPECT_NE(panes[0].find("bad/Bad.java:1: error: ';' expected\n"), std::string::npos) << panes[0];
    EXPECT_NE(panes[0].find("1 error\n" + end), std::string::npos) << panes[0];
    EXPECT_EQ(panes[1], start + end);
    EXPECT_EQ(panes[2].find(start + "Note: "), 0u) << panes[2];
    EXPECT_NE(panes[2].find("warn/Warn.java uses or overrides a deprecated API.\n"), std::string::npos) << panes[2];
    HWND compile = PageWith(sheet, kContinue);
    EXPECT_EQ(Canonical(Pane(compile, kUnitList), selection),
              "1   : <SEL>\\bad\n2   : <SEL>\\good\n3   : <SEL>\\warn\n");
    EXPECT_TRUE(FileExists(selection + "\\good\\Good.class"));
    EXPECT_TRUE(FileExists(selection + "\\warn\\w\\Warn.class"));
    EXPECT_FALSE(FileExists(selection + "\\bad\\Bad.class"));
    Close();
}

TEST_F(FarrowickCompileE2e, StopDuringTheSecondFolderLetsItsRunEndAndLeavesTheThirdUncompiled)
{
    // Sources that keep the second folder's run busy for seconds.
    for (int i = 0; i < kSlowSources; ++i) {
        const std::string name = "G" + std::to_string(1000 + i);
        std::string source = "public class " + name + " {\n";
        for (int m = 0; m < kSlowMethods; ++m)
            source += " int m" + std::to_string(m) + "(int x) { return x * " + std::to_string(m) + " + (x ^ " +
                      std::to_string(i) + ") - m" + std::to_string(m > 0 ? m - 1 : 0) + "(x >> 1); }\n";
        ASSERT_TRUE(WriteFileBytes(selection + "\\good\\" + name + ".java", source + "}\n"));
    }
    bool stoppedWhileRunning = false;
    Compile([](HWND) {}, true, [&](HWND compile) {
        ASSERT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(compile, kUnitLine)).find(" Directory 2:") == 0; },
                            60000));
        PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = tool->FindDialog("Message")) != nullptr; }, 60000));
        EXPECT_EQ(MessageText(box), "It is in compiling, please wait...");
        Press(box, IDOK);
        PostMessageA(GetDlgItem(compile, kStop), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return (box = tool->FindDialog("Message")) != nullptr; }, 60000));
        EXPECT_EQ(MessageText(box), "Stop compiling?");
        Press(box, IDYES);
        stoppedWhileRunning = Pane(compile, kErrPane).find("End   compiling") == std::string::npos;
    });
    EXPECT_TRUE(stoppedWhileRunning) << "the second folder's run ended before Stop: too few sources";
    EXPECT_EQ(errors, ReadFileBytes(TestDataPath("e2e/golden/tools/compile_stopped.txt")));
    HWND compile = PageWith(sheet, kContinue);
    EXPECT_EQ(Canonical(Pane(compile, kUnitList), selection), "1   : <SEL>\\bad\n2   : <SEL>\\good\n");
    EXPECT_TRUE(FileExists(selection + "\\good\\Good.class"));
    EXPECT_TRUE(FileExists(selection + "\\good\\G" + std::to_string(1000 + kSlowSources - 1) + ".class"));
    EXPECT_FALSE(FileExists(selection + "\\warn\\w\\Warn.class"));
    Close();
}

// The quoted archives of a command line that lie under the folder, in
// order, each followed by ';'.
std::string ArchivesUnder(const std::string& command, const std::string& folder)
{
    std::string archives;
    const std::string start = "\"" + folder + "\\";
    for (size_t at = command.find(start); at != std::string::npos; at = command.find(start, at + 1)) {
        const std::string quoted = command.substr(at, command.find('"', at + 1) + 1 - at);
        if (quoted.size() > 5 && quoted.compare(quoted.size() - 5, 5, ".jar\"") == 0)
            archives += quoted + ";";
    }
    return archives;
}

// A JDK that only today's key names, whose javac and java are recorders: the
// compile tool's javac gets the archives of the system class path from its
// library folders, the same that the execute tool's java gets.
TEST_F(FarrowickCompileE2e, WithOnlyTodaysKeyJavacGetsTheSystemArchivesThatSkelbrandsJavaGets)
{
    const std::string kit = root + "\\kit";
    for (const char* folder : {"", "\\bin", "\\lib", "\\jre", "\\jre\\lib"})
        CreateDirectoryA((kit + folder).c_str(), nullptr);
    for (const char* tool : {"javac.exe", "java.exe", "javaw.exe"})
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_RECORDER).c_str(), (kit + "\\bin\\" + tool).c_str(), FALSE));
    ASSERT_TRUE(WriteFileBytes(kit + "\\lib\\tools.jar", "PK"));
    ASSERT_TRUE(WriteFileBytes(kit + "\\jre\\lib\\rt.jar", "PK"));
    const std::string log = kit + "\\bin\\commandline.log";
    RemoveFile(log);
    JavaVersionSwitch today("SOFTWARE\\JavaSoft\\JDK", "0.0-quenlow-test", kit);
    ClassPathRecord record;
    record.systemClassPath.Assign("rt.jar;nosuch.jar;tools.jar;");
    // Found in the order of the kit's library folders; a name found nowhere is left out.
    const std::string archives = "\"" + kit + "\\lib\\tools.jar\";\"" + kit + "\\jre\\lib\\rt.jar\";";

    Compile([](HWND options) { SendMessageA(GetDlgItem(options, kStyleWhole), BM_CLICK, 0, 0); }, false,
            [](HWND) {}, record);
    Close();
    std::vector<std::string> starts = Records(log);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].rfind("\"" + kit + "\\bin\\javac.exe\"", 0), 0u) << starts[0];
    EXPECT_EQ(ArchivesUnder(starts[0], kit), archives) << starts[0];

    ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_SKELBRAND).c_str(), (bin + "\\Skelbrand.exe").c_str(), FALSE));
    RemoveFile(root + "\\Setting\\ExecuteDebug.set");
    const std::string classes = WindowsPath(QUENLOW_SAMPLE_CLASSES);
    Program skelbrand("\"" + bin + "\\Skelbrand.exe\" /inside-info " +
                      InsideInfo(record, ("1\n" + classes).c_str()).Data());
    HWND executeSheet = skelbrand.WaitForDialog("Quenlow: execute and debug");
    ASSERT_NE(executeSheet, nullptr);
    debug_page::ChooseOnDeepestItem(executeSheet, 32772);  // "Execute ..." on the main class
    ASSERT_TRUE(WaitFor([&] { return (starts = Records(log)).size() == 2; }, 30000)) << skelbrand.Windows();
    EXPECT_NE(starts[1].find("\\bin\\java"), std::string::npos) << starts[1];
    EXPECT_EQ(ArchivesUnder(starts[1], kit), archives) << starts[1];
    // The Execute page (its input field 1089) ends the run before the tool closes.
    HWND execute = PageWith(executeSheet, 1089);
    ASSERT_NE(execute, nullptr);
    EXPECT_TRUE(
        WaitFor([&] { return WindowText(GetDlgItem(execute, 1090)) == "Executing ended"; }, 30000));
    PostMessageA(executeSheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(skelbrand.Ended(20000));
}

}  // namespace
