// Quenlow.exe without a usable JDK, and with a JRE of the test's own whose
// javaw records how the main dialog's Run starts it. The tests point the
// registry entries elsewhere and put them back, so they run while no other
// test runs.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <string>

#include "main_dialog_ids.h"
#include "settings/settings_file.h"
#include "support/java_version_switch.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"

namespace {

// The key today's JDK installers write (the test JDK's), and the old JRE key.
constexpr char kJdkKey[] = "SOFTWARE\\JavaSoft\\JDK";
constexpr char kJreKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
constexpr char kMessage[] =
    "You did not install Java development kit (JDK),\nor it may become corrupted,\nplease install or re-install "
    "JDK.\n\nDo you want to view your Java installation now?\n";

TEST(QuenlowJdk, MissingOrIncompleteJdkOffersTheLibraryChecker)
{
    const std::string partial = ScratchPath("partial jdk");
    CreateDirectoryA(partial.c_str(), nullptr);
    CreateDirectoryA((partial + "\\bin").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(partial + "\\bin\\java.exe", "MZ"));
    ASSERT_TRUE(WriteFileBytes(partial + "\\bin\\javaw.exe", "MZ"));
    const struct {
        const char* name;
        std::string home;  // empty: the version names no key
        int answer;
    } cases[] = {
        {"no jdk yes", "", IDYES},
        {"no jdk no", "", IDNO},
        {"jdk without jar", partial, IDYES},
    };
    for (const auto& c : cases) {
        const Tree tree = MakeTree(c.name);
        JavaVersionSwitch jdk(kJdkKey, "0.0-quenlow-test", c.home);
        Program program("\"" + tree.Exe() + "\" /jdkdochelp");
        HWND box = program.WaitForDialog("Quenlow");
        ASSERT_NE(box, nullptr) << c.name;
        EXPECT_EQ(MessageText(box), kMessage) << c.name;
        Press(box, c.answer);
        EXPECT_TRUE(program.Ended(60000)) << c.name;
        if (c.answer == IDYES) {
            WaitFor([&] { return !Records(tree.Log()).empty(); }, 60000);
        } else {
            Sleep(500);
        }
        const std::vector<std::string> expected =
            c.answer == IDYES ? std::vector<std::string>{"\"" + tree.Bin() + "\\Tollgarth.exe\""}
                              : std::vector<std::string>{};
        // Only the checker may start; the switch itself does not run.
        EXPECT_EQ(Records(tree.Log()), expected) << c.name;
    }
}

// A JRE of the test's own whose javaw records how it is started; the path
// of its record.
std::string MakeRecordingJre(const std::string& jre)
{
    for (const char* folder : {"", "\\bin", "\\lib"})
        CreateDirectoryA((jre + folder).c_str(), nullptr);
    EXPECT_TRUE(CopyFileA(QUENLOW_RECORDER, (jre + "\\bin\\javaw.exe").c_str(), FALSE));
    const std::string log = jre + "\\bin\\commandline.log";
    RemoveFile(log);
    return log;
}

// A project folder with the sample class in its package folder; the class file.
std::string MakeProject(const std::string& base)
{
    CreateDirectoryA(base.c_str(), nullptr);
    CreateDirectoryA((base + "\\demo").c_str(), nullptr);
    const std::string mainClass = base + "\\demo\\Main.class";
    EXPECT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE));
    return mainClass;
}

TEST(QuenlowJdk, RunStartsTheJresJavawWithTheClassPathsOfTheSettings)
{
    const Tree tree = MakeTree("run with the settings");
    const std::string jre = tree.dir + "\\jre";
    const std::string log = MakeRecordingJre(jre);
    ASSERT_TRUE(WriteFileBytes(jre + "\\lib\\rt.jar", "x"));
    // The project: its class in its package folder, two archives beside the package.
    const std::string base = tree.dir + "\\project";
    const std::string mainClass = MakeProject(base);
    ASSERT_TRUE(WriteFileBytes(base + "\\a.jar", "x"));
    ASSERT_TRUE(WriteFileBytes(base + "\\B.jar", "x"));
    {
        // Every list used for double clicks, which the main dialog's Run shares.
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenAndInit(tree.Settings().c_str()));
        int forRuns[SettingsFile::kFlagCount] = {0, 1};
        settings.SetClasspathFlags(forRuns);
        settings.SetUserClasspathFlags(forRuns);
        int sibling[SettingsFile::kFlagCount] = {0, 1, 0, 0, 0, 0, 1};
        settings.SetSiblingFlags(sibling);
        settings.AddListItem("SECT_DLGOP_SYSCP", "rt.jar", 1, 0);
        settings.AddListItem("SECT_DLGOP_SYSCP", "nosuch.jar", 1, 0);
        settings.AddListItem("SECT_DLGOP_USERCPZIP", "C:\\z.zip", 1, 0);
        settings.AddListItem("SECT_DLGOP_USERCPNAKE", "C:\\classes", 1, 0);
        settings.AddListItem("SECT_DLGOP_SIBLING", "a.jar", 1, 0);
    }
    JavaVersionSwitch jreVersion(kJreKey, "0.0-quenlow-test", jre);
    Program quenlow("\"" + tree.Exe() + "\"");
    HWND dialog = quenlow.WaitForDialog("Quenlow 3.201");
    ASSERT_NE(dialog, nullptr);
    SendMessageA(GetDlgItem(dialog, IDC_MAIN_CLASS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mainClass.c_str()));
    SendMessageA(GetDlgItem(dialog, IDC_RUN_MAIN_CLASS), BM_CLICK, 0, 0);
    if (!WaitFor([&] { return !Records(log).empty(); }, 60000))
    {
        char pane[4096] = {};
        GetDlgItemTextA(dialog, IDC_OUTPUT_PANE, pane, sizeof pane);
        ADD_FAILURE() << "no javaw start recorded; Quenlow's windows:\n" << quenlow.Windows() << "its pane:\n" << pane;
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(quenlow.Ended(60000));

    // The base folder first, the JRE's rt.jar (nosuch.jar is nowhere), the
    // user's archive and folder, then the sibling entry and the detected
    // jars in one byte-wise order; no main() arguments, so one blank ends it.
    const auto quoted = [](const std::string& path) { return "\"" + path + "\";"; };
    const std::string expected = "\"" + jre + "\\bin\\javaw.exe\" -classpath " + quoted(base) +
                                 quoted(jre + "\\lib\\rt.jar") + quoted("C:\\z.zip") + quoted("C:\\classes") +
                                 quoted(base + "\\B.jar") + quoted(base + "\\a.jar") + " demo.Main ";
    EXPECT_EQ(Records(log), std::vector<std::string>{expected});
}

// The class-path sheet of the running program, opened from its menu command
// and driven by window messages: the sibling entry it stores for double
// clicks reaches the main dialog's Run.
TEST(QuenlowJdk, TheSheetsSiblingEntryReachesTheRun)
{
    const Tree tree = MakeTree("sheet then run");
    const std::string jre = tree.dir + "\\jre";
    const std::string log = MakeRecordingJre(jre);
    const std::string base = tree.dir + "\\project";
    const std::string mainClass = MakeProject(base);
    {
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenAndInit(tree.Settings().c_str()));
    }
    JavaVersionSwitch jreVersion(kJreKey, "0.0-quenlow-test", jre);
    Program quenlow("\"" + tree.Exe() + "\"");
    HWND dialog = quenlow.WaitForDialog("Quenlow 3.201");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_COMMAND, ID_CLASSPATH_OPTIONS, 0);
    HWND sheet = nullptr;
    WaitFor([&] { return (sheet = FindWindowA(nullptr, "Classpaths - for exe files and features in Windows explorer")) != nullptr; },
            60000);
    ASSERT_NE(sheet, nullptr) << quenlow.Windows();
    SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    HWND sibling = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_INDEXTOHWND, 2, 0));
    ASSERT_NE(sibling, nullptr);
    SendMessageA(GetDlgItem(sibling, 1120), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("lib\\x.jar"));
    SendMessageA(GetDlgItem(sibling, 1124), BM_CLICK, 0, 0);  // add
    SendMessageA(GetDlgItem(sibling, 1095), BM_CLICK, 0, 0);  // "For double-click"
    SendMessageA(sheet, WM_COMMAND, 0x3021, 0);              // Apply
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }, 60000));

    SendMessageA(GetDlgItem(dialog, IDC_MAIN_CLASS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mainClass.c_str()));
    SendMessageA(GetDlgItem(dialog, IDC_RUN_MAIN_CLASS), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !Records(log).empty(); }, 60000)) << quenlow.Windows();
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(quenlow.Ended(60000));
    const auto quoted = [](const std::string& path) { return "\"" + path + "\";"; };
    EXPECT_EQ(Records(log), std::vector<std::string>{"\"" + jre + "\\bin\\javaw.exe\" -classpath " + quoted(base) +
                                                     quoted(base + "\\lib\\x.jar") + " demo.Main "});
}

}  // namespace
