// Quenlow.exe without a usable JDK, and with a JRE of the test's own whose
// javaw records how the main dialog's Run starts it; executables it built,
// with a JDK of the test's own (the JDK bridge's tools, which record how they
// are started) and without any. The tests point the registry entries
// elsewhere and put them back, so they run while no other test runs.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info_dialogs_ids.h"
#include "java_home.h"
#include "main_dialog_ids.h"
#include "settings/settings_file.h"
#include "support/child_process.h"
#include "support/java_version_switch.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"

namespace {

// The keys today's installers write: the JDK's (the test JDK's) and the JRE's.
constexpr char kJdkKey[] = "SOFTWARE\\JavaSoft\\JDK";
constexpr char kJreKey[] = "SOFTWARE\\JavaSoft\\JRE";
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

// A Java kit of the test's own: the JDK bridge's tools and a system archive.
std::string MakeBridgeKit(const std::string& kit)
{
    XString bridge;
    EXPECT_TRUE(FindJavaHome(kJdkOnly, "\\bin\\java.exe", bridge));
    for (const char* folder : {"", "\\bin", "\\lib"})
        CreateDirectoryA((kit + folder).c_str(), nullptr);
    for (const char* file : {"java.exe", "javaw.exe", "javac.exe", "jar.exe", "jdb.exe", "jdk-bridge.cfg"}) {
        EXPECT_TRUE(CopyFileA((std::string(bridge.Data()) + "\\bin\\" + file).c_str(),
                              (kit + "\\bin\\" + file).c_str(), FALSE))
            << file;
    }
    EXPECT_TRUE(CopyFileA(QUENLOW_SAMPLE_JAR, (kit + "\\lib\\sys.jar").c_str(), FALSE));
    return kit;
}

// Builds the sample's executable through the running Quenlow's Create.
bool CreateExe(HWND dialog, const Program& quenlow, const std::string& mainClass, const std::string& output,
               bool useJavaw)
{
    SendMessageA(GetDlgItem(dialog, IDC_CREATE_EXE), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dialog, IDC_USE_JAVAW), BM_SETCHECK, useJavaw ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(GetDlgItem(dialog, IDC_MAIN_CLASS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mainClass.c_str()));
    SendMessageA(GetDlgItem(dialog, IDC_OUTPUT_FILE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(output.c_str()));
    PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0);  // the jar tool runs inside the click
    HWND info = nullptr;
    if (!WaitFor([&] { return (info = quenlow.FindDialog("Creating information")) != nullptr; }, 90000)) {
        ADD_FAILURE() << "no creating information for " << output << "; Quenlow's windows:\n" << quenlow.Windows();
        return false;
    }
    SendMessageA(GetDlgItem(info, IDC_INFO_CLOSE), BM_CLICK, 0, 0);
    return FileExists(output);
}

// The entries of a recorded java command line's class path, without their
// quotes; empty when it has none.
std::vector<std::string> ClassPathEntries(const std::string& commandLine)
{
    static const std::string kSwitch = " -classpath ";
    const size_t at = commandLine.find(kSwitch);
    std::vector<std::string> entries;
    if (at == std::string::npos)
        return entries;
    std::string entry;
    bool quoted = false;
    for (size_t i = at + kSwitch.size(); i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' || (c == ' ' && !quoted)) {
            if (!entry.empty())
                entries.push_back(entry);
            entry.clear();
            if (c == ' ')
                return entries;
        } else {
            entry += c;
        }
    }
    if (!entry.empty())
        entries.push_back(entry);
    return entries;
}

// The first recorded java start whose class path begins with the entry.
std::vector<std::string> RecordedClassPath(const std::string& log, const std::string& first)
{
    for (const std::string& record : Records(log)) {
        const std::vector<std::string> entries = ClassPathEntries(record);
        if (!entries.empty() && entries[0] == first)
            return entries;
    }
    return {};
}

// Each kind of class path switched on alone, for executables and for runs:
// the built executable starts java with the class path that Run gives the
// same main class, the executable in the place of the class folder, the
// system archives found in the Java home and the sibling entries resolved
// against the executable's folder (which is the class folder here).
TEST(QuenlowJdk, ABuiltExecutableGetsTheClassPathOfARun)
{
    const std::string kit = MakeBridgeKit(ScratchPath("bridge kit"));
    JavaVersionSwitch jdk(kJdkKey, "0.0-quenlow-test", kit);
    const struct {
        const char* name;
        void (*settings)(SettingsFile&);
        std::vector<std::string> entries;  // behind the class folder; "<base>" stands for it
    } cases[] = {
        {"system",
         [](SettingsFile& settings) {
             int forBoth[SettingsFile::kFlagCount] = {1, 1};
             settings.SetClasspathFlags(forBoth);
             settings.AddListItem("SECT_DLGOP_SYSCP", "sys.jar", 1, 0);
             settings.AddListItem("SECT_DLGOP_SYSCP", "nosuch.jar", 1, 0);
         },
         {kit + "\\lib\\sys.jar"}},
        {"user",
         [](SettingsFile& settings) {
             int forBoth[SettingsFile::kFlagCount] = {1, 1};
             settings.SetUserClasspathFlags(forBoth);
             settings.AddListItem("SECT_DLGOP_USERCPZIP", "C:\\z.zip", 1, 0);
             settings.AddListItem("SECT_DLGOP_USERCPNAKE", "C:\\classes", 1, 0);
         },
         {"C:\\z.zip", "C:\\classes"}},
        {"sibling",
         [](SettingsFile& settings) {
             int forBothAndJars[SettingsFile::kFlagCount] = {1, 1, 0, 0, 0, 0, 1};
             settings.SetSiblingFlags(forBothAndJars);
             settings.AddListItem("SECT_DLGOP_SIBLING", "lib\\x.jar", 1, 0);
         },
         {"<base>\\B.jar", "<base>\\a.jar", "<base>\\lib\\x.jar"}},
    };
    for (const auto& c : cases) {
        const Tree tree = MakeTree(std::string("class path ") + c.name);
        ASSERT_TRUE(CopyFileA(QUENLOW_STUB_FILE, (tree.Bin() + "\\compress.ies").c_str(), FALSE));
        const std::string base = tree.dir + "\\project";
        const std::string mainClass = MakeProject(base);
        if (std::string(c.name) == "sibling") {
            // Archives beside the package folders, for the detection.
            ASSERT_TRUE(WriteFileBytes(base + "\\a.jar", "x"));
            ASSERT_TRUE(WriteFileBytes(base + "\\B.jar", "x"));
        }
        {
            SettingsFile settings;
            ASSERT_TRUE(settings.OpenAndInit(tree.Settings().c_str()));
            c.settings(settings);
        }
        const std::string log = tree.dir + "\\java.log";
        SetEnvironmentVariableA("JDK_BRIDGE_LOG", log.c_str());
        Program quenlow("\"" + tree.Exe() + "\"");
        HWND dialog = quenlow.WaitForDialog("Quenlow 3.201");
        ASSERT_NE(dialog, nullptr);
        SendMessageA(GetDlgItem(dialog, IDC_MAIN_CLASS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mainClass.c_str()));
        SendMessageA(GetDlgItem(dialog, IDC_RUN_MAIN_CLASS), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitFor([&] { return !RecordedClassPath(log, base).empty(); }, 60000)) << c.name;
        const std::string exe = base + "\\Demo.exe";
        EXPECT_TRUE(CreateExe(dialog, quenlow, mainClass, exe, true)) << c.name;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(quenlow.Ended(20000));
        const ChildResult run = RunChild("\"" + exe + "\"", "", 60000);
        EXPECT_EQ(run.exitCode, 0u) << c.name << ": " << run.out << run.err;
        SetEnvironmentVariableA("JDK_BRIDGE_LOG", nullptr);

        std::vector<std::string> expected = {base};
        for (std::string entry : c.entries) {
            if (entry.compare(0, 6, "<base>") == 0)
                entry = base + entry.substr(6);
            expected.push_back(entry);
        }
        EXPECT_EQ(RecordedClassPath(log, base), expected) << c.name;
        expected[0] = exe;
        EXPECT_EQ(RecordedClassPath(log, exe), expected) << c.name;
    }
}

// An executable whose stub finds no Java home says so: the windowed one
// (javaw's) in a message box, since it has no console; the console one
// (java's) on its standard error. Started from the dialog (/streams) the
// windowed one writes it to the pane's stream instead.
TEST(QuenlowJdk, ABuiltExecutableWithoutAJavaHomeTellsTheUser)
{
    const Tree tree = MakeTree("no java home");
    ASSERT_TRUE(CopyFileA(QUENLOW_STUB_FILE, (tree.Bin() + "\\compress.ies").c_str(), FALSE));
    const std::string mainClass = MakeProject(tree.dir + "\\project");
    const std::string windowed = tree.dir + "\\Windowed.exe";
    const std::string console = tree.dir + "\\Console.exe";
    {
        Program quenlow("\"" + tree.Exe() + "\"");
        HWND dialog = quenlow.WaitForDialog("Quenlow 3.201");
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(CreateExe(dialog, quenlow, mainClass, windowed, true));
        ASSERT_TRUE(CreateExe(dialog, quenlow, mainClass, console, false));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(quenlow.Ended(20000));
    }
    static const char kNoHome[] = "No Java runtime is installed: the registry names no Java home.";
    JavaVersionSwitch jdk(kJdkKey, "0.0-quenlow-test", "");

    Program program("\"" + windowed + "\"");
    HWND box = program.WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), kNoHome);
    Press(box, IDOK);
    EXPECT_TRUE(program.Ended(20000));

    const struct {
        std::string commandLine;
        const char* kind;
    } streamed[] = {
        {"\"" + console + "\"", "console"},
        {"\"" + windowed + "\" /streams", "windowed, /streams"},
    };
    for (const auto& s : streamed) {
        const ChildResult run = RunChild(s.commandLine, "", 60000);
        EXPECT_FALSE(run.timedOut) << s.kind;
        EXPECT_EQ(run.exitCode, 1u) << s.kind;
        EXPECT_EQ(run.err, std::string(kNoHome) + "\r\n") << s.kind;
    }
}

}  // namespace
