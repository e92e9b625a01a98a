// Quenlow.exe in an installation tree with its stub file, driven from this
// process by window messages as a user's clicks would: Run runs the sample
// main class, Create builds a Windows executable and an executable jar of the
// sample project that run, a refused input shows its message box, and the
// histories outlive the run. The test JDK is known only by the key today's
// installers write, in the 64-bit view. Built executables are windowed
// programs for javaw and console programs for java, stream to the pane in
// both kinds, run real applications as java does, and a project may lie in a
// drive root (Q:, a folder of the test's own).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "info_dialogs_ids.h"
#include "java_home.h"
#include "main_dialog_ids.h"
#include "settings/main_args.h"
#include "settings/settings_file.h"
#include "support/child_process.h"
#include "support/pe_header.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

constexpr DWORD kBuildLimitMs = 90000;

class CreateE2eTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree = MakeTree("create_e2e");
        ASSERT_TRUE(CopyFileA(QUENLOW_STUB_FILE, (tree.Bin() + "\\compress.ies").c_str(), FALSE));
        CreateDirectoryA((tree.dir + "\\temp").c_str(), nullptr);
        project = tree.dir + "\\project";
        CreateDirectoryA(project.c_str(), nullptr);
        CreateDirectoryA((project + "\\demo").c_str(), nullptr);
        mainClass = project + "\\demo\\Main.class";
        ASSERT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE));
        BeforeStart();
        dialog = StartMainDialog(tree, quenlow);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        EXPECT_TRUE(CloseMainDialog(dialog, quenlow.get()));
    }

    virtual void BeforeStart() {}

    // main() arguments that Create adds to the executable, as the main()
    // arguments dialog leaves them.
    void StoreMainArguments(const char* arguments)
    {
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenAndInit(tree.Settings().c_str()));
        int addToExe[SettingsFile::kFlagCount] = {1};
        settings.SetMainArgsFlags(addToExe);
        settings.Close();
        ASSERT_TRUE(WriteMainArgsFile((tree.dir + "\\Setting\\mainargs.data").c_str(), arguments));
    }

    void SetText(int id, const std::string& text)
    {
        SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Click(int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    void SetCheck(int id, bool on) { SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
    // Posted: the dialog's thread runs the jar tool inside the click.
    void PressCreate() { PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0); }

    // The creating information once it shows, its report read and the window
    // closed again; a message box instead ends the wait, its text returned.
    std::string WaitForReport()
    {
        HWND info = nullptr;
        HWND box = nullptr;
        WaitFor(
            [&] {
                info = quenlow->FindDialog("Creating information");
                box = quenlow->FindDialog("Message");
                return info || box;
            },
            kBuildLimitMs);
        if (!info && box) {
            const std::string text = "message box: " + MessageText(box);
            Press(box, IDOK);
            return text;
        }
        if (!info)
            return "";
        const std::string report = WindowText(GetDlgItem(info, IDC_CREATE_INFO_REPORT));
        SendMessageA(GetDlgItem(info, IDC_INFO_CLOSE), BM_CLICK, 0, 0);
        WaitFor([&] { return !IsWindowVisible(info); }, 60000);
        return report;
    }

    std::string PaneText() const { return WindowText(GetDlgItem(dialog, IDC_OUTPUT_PANE)); }
    bool PaneHolds(const std::vector<std::string>& texts, DWORD timeoutMs) const
    {
        return WaitFor(
            [&] {
                const std::string pane = PaneText();
                for (const std::string& text : texts) {
                    if (pane.find(text) == std::string::npos)
                        return false;
                }
                return true;
            },
            timeoutMs);
    }

    Tree tree;
    std::string project;
    std::string mainClass;
    std::unique_ptr<Program> quenlow;
    HWND dialog = nullptr;
};

TEST_F(CreateE2eTest, CreateBuildsAnExecutableAndAJarThatRun)
{
    const struct {
        int radio;
        const char* output;
        const char* reportLine;
    } builds[] = {
        {IDC_CREATE_EXE, "Demo.exe", "Windows exe"},
        {IDC_CREATE_JAR, "Demo.jar", "executable jar"},
    };
    for (const auto& build : builds) {
        const std::string output = tree.dir + "\\" + build.output;
        Click(build.radio);
        SetText(IDC_MAIN_CLASS, mainClass);
        SetText(IDC_OUTPUT_FILE, output);
        PressCreate();
        const std::string report = WaitForReport();
        EXPECT_NE(report.find(build.reportLine), std::string::npos) << build.output << ": " << report;
        ASSERT_TRUE(FileExists(output)) << build.output;
    }
    const ChildResult exe = RunChild("\"" + tree.dir + "\\Demo.exe\" one", "", 60000);
    EXPECT_EQ(exe.exitCode, 0u) << exe.out << exe.err;
    EXPECT_NE(exe.out.find("Hello from demo.Main"), std::string::npos) << exe.out << exe.err;
    const std::string java = FindJavaToolExe("\\bin\\java.exe", 1, 1).Data();
    const ChildResult jar = RunChild(java + " -jar \"" + tree.dir + "\\Demo.jar\" two", "", 60000);
    EXPECT_EQ(jar.exitCode, 0u) << jar.out << jar.err;
    EXPECT_NE(jar.out.find("arguments: two"), std::string::npos) << jar.out << jar.err;

    // Closing keeps the class and the last output at the top of their histories.
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(quenlow->Ended(60000));
    dialog = nullptr;
    const std::string settings = ReadFileBytes(tree.Settings());
    EXPECT_NE(settings.find(mainClass), std::string::npos) << settings;
    EXPECT_NE(settings.find(tree.dir + "\\Demo.jar"), std::string::npos) << settings;
}

// A class of the default package right in a drive root: its base folder is
// the root itself, and every file keeps its whole name in the archive.
TEST_F(CreateE2eTest, AClassInADriveRootBuildsBothKindsWithEitherFileChoice)
{
    ASSERT_TRUE(CopyFileA(QUENLOW_SAMPLE_ROOT_CLASSES "\\Hello.class", "Q:\\Hello.class", FALSE))
        << "the e2e_drive_q fixture makes the drive Q:";
    const struct {
        int radio;
        bool mainClassDirectoryOnly;
        const char* output;
        const char* reportLine;
    } builds[] = {
        {IDC_CREATE_EXE, true, "RootDir.exe", "Windows exe"},
        {IDC_CREATE_EXE, false, "RootAll.exe", "Windows exe"},
        {IDC_CREATE_JAR, true, "RootDir.jar", "executable jar"},
        {IDC_CREATE_JAR, false, "RootAll.jar", "executable jar"},
    };
    const std::string java = FindJavaToolExe("\\bin\\java.exe", 1, 1).Data();
    for (const auto& build : builds) {
        const std::string output = tree.dir + "\\" + build.output;
        Click(build.radio);
        SetCheck(IDC_MAIN_CLASS_DIR_ONLY, build.mainClassDirectoryOnly);
        SetText(IDC_MAIN_CLASS, "Q:\\Hello.class");
        SetText(IDC_OUTPUT_FILE, output);
        PressCreate();
        const std::string report = WaitForReport();
        EXPECT_NE(report.find(build.reportLine), std::string::npos) << build.output << ": " << report;
        ASSERT_TRUE(FileExists(output)) << build.output << ": " << report;
        const ChildResult run = build.radio == IDC_CREATE_EXE
                                    ? RunChild("\"" + output + "\" x y", "", 60000)
                                    : RunChild(java + " -jar \"" + output + "\" x y", "", 60000);
        EXPECT_EQ(run.exitCode, 0u) << build.output << ": " << run.out << run.err;
        EXPECT_NE(run.out.find("Hello from the default package\narguments: x y"), std::string::npos)
            << build.output << ": " << run.out << run.err;
    }
}

TEST_F(CreateE2eTest, RunRunsTheSampleMainClass)
{
    SetText(IDC_MAIN_CLASS, mainClass);
    Click(IDC_RUN_MAIN_CLASS);
    std::string pane;
    WaitFor(
        [&] {
            pane = WindowText(GetDlgItem(dialog, IDC_OUTPUT_PANE));
            return pane.find("end of launching main class") != std::string::npos;
        },
        60000);
    EXPECT_NE(pane.find("Hello from demo.Main"), std::string::npos) << pane;
}

TEST_F(CreateE2eTest, ARefusedInputShowsItsMessageBox)
{
    Click(IDC_CREATE_EXE);
    SetText(IDC_MAIN_CLASS, mainClass);
    SetText(IDC_OUTPUT_FILE, tree.dir + "\\missing\\Demo.exe");
    PressCreate();
    HWND box = quenlow->WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box),
              "Error in field   \"Output file\"\n\nDirectory\n" + tree.dir + "\\missing\ndoes not exist\n");
    Press(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_CREATE)) != FALSE; }, 60000));
    EXPECT_FALSE(FileExists(tree.dir + "\\missing\\Demo.exe"));
}

TEST_F(CreateE2eTest, ClosingEndsTheProcessPromptly)
{
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    const DWORD asked = GetTickCount();
    while (IsWindowVisible(dialog) && GetTickCount() - asked < 60000)
        Sleep(1);
    const DWORD windowGone = GetTickCount();
    ASSERT_TRUE(quenlow->Ended(60000));
    const DWORD lived = GetTickCount() - windowGone;
    dialog = nullptr;
    // How soon is quenlow_close_bench's to tell, beside its goal.
    RecordProperty("ms_after_window", static_cast<int>(lived));
    std::printf("the window went %lu ms after the close, the process %lu ms after the window\n",
                static_cast<unsigned long>(windowGone - asked), static_cast<unsigned long>(lived));
}

// Main() arguments stored for executables keep the sample waiting until it
// is stopped.
class CreateWaitingE2eTest : public CreateE2eTest {
protected:
    void BeforeStart() override { StoreMainArguments("--sleep=600000"); }
};

// With "Use Javaw" the executable is a windowed program, which opens no
// console; without, a console program. Either streams the program's output
// and errors to the pane when launched from the dialog, and ends on the line
// "Terminate".
TEST_F(CreateWaitingE2eTest, UseJavawBuildsAWindowedProgramJavaAConsoleOneAndBothStream)
{
    const struct {
        bool useJavaw;
        const char* output;
        unsigned subsystem;
    } kinds[] = {
        {true, "Windowed.exe", IMAGE_SUBSYSTEM_WINDOWS_GUI},
        {false, "Console.exe", IMAGE_SUBSYSTEM_WINDOWS_CUI},
    };
    for (const auto& kind : kinds) {
        const std::string output = tree.dir + "\\" + kind.output;
        Click(IDC_CREATE_EXE);
        SetCheck(IDC_USE_JAVAW, kind.useJavaw);
        SetText(IDC_MAIN_CLASS, mainClass);
        SetText(IDC_OUTPUT_FILE, output);
        PressCreate();
        const std::string report = WaitForReport();
        ASSERT_TRUE(FileExists(output)) << kind.output << ": " << report;
        EXPECT_EQ(PeSubsystemOf(ReadFileBytes(output)), kind.subsystem) << kind.output;

        Click(IDC_LAUNCH_OUTPUT);
        EXPECT_TRUE(PaneHolds({"Hello from demo.Main", "a line on standard error"}, 60000))
            << kind.output << ": " << PaneText();
        Click(IDC_STOP_OUTPUT);
        EXPECT_TRUE(PaneHolds({"end of launching exe file"}, 30000)) << kind.output << ": " << PaneText();

        // Nothing but the line ends it here: the program would wait ten minutes.
        const ChildResult run = RunChild("\"" + output + "\" /streams", "Terminate\r\n", 60000);
        EXPECT_FALSE(run.timedOut) << kind.output;
        EXPECT_EQ(run.exitCode, 1u) << kind.output << ": " << run.out << run.err;
    }
}

// A real application's layout: packages and resources in sub-folders,
// main() arguments stored at Create time and more given to the executable.
class CreateAppE2eTest : public CreateE2eTest {
protected:
    void BeforeStart() override { StoreMainArguments("stored \"s t\""); }
    static std::string WindowsPath(std::string path)
    {
        for (char& c : path)
            c = c == '/' ? '\\' : c;
        return path;
    }
    // The classes folder as Windows names it.
    static std::string AppClasses() { return WindowsPath(QUENLOW_SAMPLE_APP_CLASSES); }
    // The Main-Class of a manifest; empty when there is none.
    static std::string ManifestMainClass(const std::string& manifest)
    {
        const std::string text = ReadFileBytes(manifest);
        const size_t at = text.find("Main-Class: ");
        if (at == std::string::npos)
            return "";
        const size_t start = at + 12;
        return text.substr(start, text.find_first_of("\r\n", start) - start);
    }
};

// The executables of real applications, windowed (javaw) and console
// (java), run as "java -cp" runs the application: the test's own sample with
// its resources, and an executable jar of the machine's Java packages,
// unpacked.
TEST_F(CreateAppE2eTest, TheExecutableRunsTheApplicationAsJavaDoes)
{
    struct App {
        std::string name;
        std::string classes;    // the folder Create packs
        std::string mainClass;  // qualified
        std::string classPath;  // what java -cp is given
        std::string says;       // a piece of its output
        DWORD exitCode;
    };
    std::vector<App> apps = {{"sample", AppClasses(), "shop.App", AppClasses(),
                              "[stored]\n[s t]\n[a b]\n[c]\n[]\n[\xF6]\ngreeting from a resource\nversion 1.4\n", 6}};
    const std::string realMainClass = ManifestMainClass(WindowsPath(QUENLOW_REAL_APP_CLASSES) + "\\META-INF\\MANIFEST.MF");
    if (realMainClass.empty()) {
        std::printf("%s is not installed: only the test's own sample is built\n", QUENLOW_REAL_APP_JAR);
    } else {
        apps.push_back({"unpacked jar", WindowsPath(QUENLOW_REAL_APP_CLASSES), realMainClass,
                        WindowsPath(QUENLOW_REAL_APP_JAR), "", 0});
    }
    const std::string userArguments = "\"a b\" c \"\" \xF6";
    const std::string java = FindJavaToolExe("\\bin\\java.exe", 1, 1).Data();
    Click(IDC_CREATE_EXE);
    SetCheck(IDC_MAIN_CLASS_DIR_ONLY, false);  // the resources lie beside the package folders
    for (const App& app : apps) {
        const ChildResult direct =
            RunChild(java + " -cp \"" + app.classPath + "\" " + app.mainClass + " stored \"s t\" " + userArguments, "", 60000);
        EXPECT_EQ(direct.exitCode, app.exitCode) << app.name << ": " << direct.out << direct.err;
        EXPECT_NE(direct.out.find(app.says), std::string::npos) << app.name << ": " << direct.out;
        for (const bool useJavaw : {false, true}) {
            const std::string appExe = tree.dir + "\\App" + (useJavaw ? "w" : "") + ".exe";
            std::string classFile = app.mainClass;
            for (char& c : classFile)
                c = c == '.' ? '\\' : c;
            SetCheck(IDC_USE_JAVAW, useJavaw);
            SetText(IDC_MAIN_CLASS, app.classes + "\\" + classFile + ".class");
            SetText(IDC_OUTPUT_FILE, appExe);
            PressCreate();
            const std::string report = WaitForReport();
            EXPECT_NE(report.find("Include files                 all"), std::string::npos) << report;
            ASSERT_TRUE(FileExists(appExe)) << app.name << ": " << report;
            const ChildResult run = RunChild("\"" + appExe + "\" " + userArguments, "", 60000);
            EXPECT_EQ(run.out, direct.out) << app.name << (useJavaw ? " with javaw: " : " with java: ") << run.err;
            EXPECT_EQ(run.exitCode, direct.exitCode) << app.name << (useJavaw ? " with javaw" : " with java");
        }
    }
}

TEST_F(CreateAppE2eTest, NonAsciiOutputReachesThePaneIntact)
{
    SetText(IDC_MAIN_CLASS, AppClasses() + "\\shop\\App.class");
    PostMessageA(GetDlgItem(dialog, IDC_RUN_MAIN_CLASS), BM_CLICK, 0, 0);
    std::string pane;
    EXPECT_TRUE(WaitFor(
        [&] { return (pane = WindowText(GetDlgItem(dialog, IDC_OUTPUT_PANE))).find("end of launching") != std::string::npos; },
        60000));
    EXPECT_NE(pane.find("Gr\xFC\xDF" "e \xB6 \xE9"), std::string::npos) << pane;
}

}  // namespace
