// The Create button as a user presses it: an executable or an executable jar
// built from the sample project by the real jar tool, each run afterwards;
// bad inputs refused with their message and nothing created.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls.h"
#include "exe_container.h"
#include "icon_convert.h"
#include "info_dialogs_ids.h"
#include "java_home.h"
#include "main_dialog_fixture.h"
#include "paths/file_system.h"
#include "settings/main_args.h"
#include "support/child_process.h"
#include "support/known_settings.h"

namespace {

constexpr DWORD kJavaLimitMs = 60000;

void Put16(std::string& s, unsigned v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, unsigned v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// An icon file with one square image of the given size and depth (16 or
// more bits, no palette): a diagonal colour ramp and an empty mask.
std::string MakeIcon(int size, int bits)
{
    const unsigned rowBytes = ((static_cast<unsigned>(size) * bits + 31) / 32) * 4;
    const unsigned maskRow = ((static_cast<unsigned>(size) + 31) / 32) * 4;
    const unsigned imageBytes = 40 + rowBytes * size + maskRow * size;
    std::string icon;
    Put16(icon, 0);
    Put16(icon, 1);
    Put16(icon, 1);
    icon += static_cast<char>(size);
    icon += static_cast<char>(size);
    icon += '\0';
    icon += '\0';
    Put16(icon, 1);
    Put16(icon, static_cast<unsigned>(bits));
    Put32(icon, imageBytes);
    Put32(icon, 22);
    Put32(icon, 40);
    Put32(icon, static_cast<unsigned>(size));
    Put32(icon, static_cast<unsigned>(2 * size));
    Put16(icon, 1);
    Put16(icon, static_cast<unsigned>(bits));
    for (int i = 0; i < 6; ++i)
        Put32(icon, 0);
    for (int y = 0; y < size; ++y) {
        std::string row;
        for (int x = 0; x < size; ++x) {
            for (int b = 0; b < bits / 8; ++b)
                row += static_cast<char>((x * 7 + y * 3 + b * 40) & 0xFF);
        }
        row.resize(rowBytes, '\0');
        icon += row;
    }
    icon += std::string(maskRow * size, '\0');
    return icon;
}

BOOL CALLBACK CollectIcon(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR images)
{
    HRSRC found = FindResourceA(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes)
        reinterpret_cast<std::vector<std::string>*>(images)->emplace_back(bytes, SizeofResource(module, found));
    return TRUE;
}

// The RT_ICON images of an executable, in resource order.
std::vector<std::string> IconImagesOf(const std::string& exe)
{
    std::vector<std::string> images;
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return images;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(3), CollectIcon, reinterpret_cast<LONG_PTR>(&images));
    FreeLibrary(module);
    return images;
}

class CreateTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        project = folder + "\\proj";
        CreateDirectoryA(project.c_str(), nullptr);
        CreateDirectoryA((project + "\\demo").c_str(), nullptr);
        mainClass = project + "\\demo\\Main.class";
        ASSERT_TRUE(CopyFileA(SampleClass().c_str(), mainClass.c_str(), FALSE));
        const std::string settingFolder = std::string(GetProgramDir().Data()) + "\\Setting";
        CreateDirectoryA(settingFolder.c_str(), nullptr);
        argsPath = settingFolder + "\\mainargs.data";
        seams::ShowMessage = AnswerNo;
        OpenDialog();
        UseKnownSettings(settings);
    }
    void TearDown() override
    {
        MainDialogTest::TearDown();
        RemoveFile(argsPath);
    }

    // Every question is answered No (or Yes); what was shown is recorded.
    static int AnswerNo(HWND, const char* text, const char* caption, UINT type)
    {
        shownMessages.push_back({text, caption});
        return (type & MB_YESNO) ? IDNO : IDOK;
    }
    static int AnswerYes(HWND, const char* text, const char* caption, UINT type)
    {
        shownMessages.push_back({text, caption});
        return (type & MB_YESNO) ? IDYES : IDOK;
    }

    void Choose(bool exe)
    {
        Click(exe ? IDC_CREATE_EXE : IDC_CREATE_JAR);
    }
    void SetCheck(int id, bool on)
    {
        Button(Item(id)).SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
        dialog->UpdateControls();
    }
    // Create runs the jar tool on this thread: the click returns when it is done.
    void Create()
    {
        Click(IDC_CREATE);
        PumpFor(200);
        // The end banner comes from the run's own thread, after the click.
        for (DWORD waited = 0; PaneText().find("start  creating ") != std::string::npos &&
                               PaneText().find("end of creating ") == std::string::npos && waited < kRunLimitMs;
             waited += 50)
            PumpFor(50);
    }
    std::string InfoText(int id)
    {
        return PaneLines(Control(dialog->CreateInfo().Item(id)).GetText());
    }
    std::string JavaExe()
    {
        return std::string(FindJavaToolExe("\\bin\\java.exe", 1, 1).Data());
    }

    std::string project;
    std::string mainClass;
    std::string argsPath;
};

TEST_F(CreateTest, BadInputsGiveTheirMessageAndCreateNothing)
{
    ASSERT_TRUE(CopyFileA(SampleClass().c_str(), (folder + "\\Main.class").c_str(), FALSE));
    const std::string noEntry = folder + "\\noentry.mf";
    const std::string otherClass = folder + "\\other.mf";
    const std::string binary = folder + "\\binary.mf";
    const std::string notIcon = folder + "\\notes.txt";
    const std::string deepIcon = folder + "\\deep.ico";
    ASSERT_TRUE(WriteFileBytes(noEntry, "Manifest-Version: 1.0\r\n\r\n"));
    ASSERT_TRUE(WriteFileBytes(otherClass, "Main-Class: demo.Other\r\n\r\n"));
    ASSERT_TRUE(WriteFileBytes(binary, std::string("Main-Class: demo.Main\r\n\0\r\n", 26)));
    ASSERT_TRUE(WriteFileBytes(notIcon, "x"));
    ASSERT_TRUE(WriteFileBytes(deepIcon, MakeIcon(32, 32)));
    const std::string outputField = "Error in field   \"Output file\"\n";
    const std::string manifestEnd =
        "\n\nPlease input an available manifest file or do not add manifest file (by default)\n";
    const struct {
        const char* name;
        bool exe;
        std::string mainClass;
        std::string output;
        std::string manifest;  // jar: added when not empty, "-" added but not named
        std::string icon;      // exe: user icon when not empty
        std::string message;
    } cases[] = {
        {"no main class", true, "", "app.exe", "", "", "Please input an application class as Main class"},
        {"class outside its package", true, folder + "\\Main.class", "app.exe", "", "",
         "Main class is in wrong package directory"},
        {"no output", true, "*", "", "", "", outputField + "Please input an output file"},
        {"jar named for an exe", true, "*", "app.jar", "", "",
         outputField + "Please input an exe file for \"Windows exe file\""},
        {"exe named for a jar", false, "*", "app.exe", "", "",
         outputField + "Please input a jar file for \"Executable jar file\""},
        {"missing output folder", true, "*", "no\\such\\app.exe", "", "",
         outputField + "\nDirectory\n" + folder + "\\no\\such\ndoes not exist\n"},
        {"manifest not named", false, "*", "app.jar", "-", "",
         "You add manifest file but the file has not been specified" + manifestEnd},
        {"manifest missing", false, "*", "app.jar", folder + "\\gone.mf", "",
         "You add manifest file but the file is unavailable" + manifestEnd},
        {"manifest not text", false, "*", "app.jar", binary, "",
         "You add manifest file but the file is not an ASCII file" + manifestEnd},
        {"manifest without the entry", false, "*", "app.jar", noEntry, "", "Error: can not find entry \"main-class:\""},
        {"manifest naming another class", false, "*", "app.jar", otherClass, "",
         "Error: can not find entry main-class 'demo.Main' in manifest file\nDo you want to try anyway?\n"},
        {"icon that is no icon", true, "*", "app.exe", "", notIcon, "It is not an available icon file"},
        {"icon of 32-bit images only", true, "*", "app.exe", "", deepIcon,
         "The icon file is not in standard format,\ndo you want to read help file now?"},
    };
    for (const auto& c : cases) {
        shownMessages.clear();
        const std::string output = c.output.empty() ? "" : folder + "\\" + c.output;
        Choose(c.exe);
        SetText(IDC_MAIN_CLASS, c.mainClass == "*" ? mainClass : c.mainClass);
        SetText(IDC_OUTPUT_FILE, output);
        SetCheck(IDC_ADD_MANIFEST, !c.manifest.empty());
        SetText(IDC_MANIFEST_FILE, c.manifest == "-" ? "" : c.manifest);
        SetCheck(IDC_USER_ICON, !c.icon.empty());
        SetText(IDC_ICON_FILE, c.icon);
        Create();
        ASSERT_NO_FATAL_FAILURE(ExpectOneMessage(c.message, c.name));
        if (!output.empty()) {
            EXPECT_FALSE(FileExists(output.c_str())) << c.name;
        }
        EXPECT_TRUE(IsEnabled(IDC_CREATE)) << c.name;
        EXPECT_FALSE(IsWindowVisible(dialog->CreateInfo().Handle())) << c.name;
        EXPECT_FALSE(FileExists((std::string(GetTempDir().Data()) + "\\tempfile.jar").c_str())) << c.name;
    }
}

// The executable's trailer ends its fields at 0xA5 and its texts at the marks
// 0xAB and 0xBB: a text that holds one is named in one message before the
// jar tool runs, and nothing is built.
TEST_F(CreateTest, ATextTheTrailerCanNotCarryIsNamedAndNothingIsBuilt)
{
    const struct {
        const char* name;
        std::string text;  // as the message names it
        const char* byte;
        void (*use)(SettingsFile& settings, const std::string& text);
    } cases[] = {
        {"arguments for main()", "\xABquoted\xBB", "(byte 0xAB)",
         [](SettingsFile& s, const std::string& text) {
             int flags[SettingsFile::kFlagCount] = {1};
             s.SetMainArgsFlags(flags);
             WriteMainArgs(text.c_str());
         }},
        {"other Java options", "-Dname=\xBB", "(byte 0xBB)",
         [](SettingsFile& s, const std::string& text) { s.SetOtherJavaOptions(text.c_str()); }},
        {"system class path", "C:\\lib\\\xA5\\a.jar;", "(byte 0xA5)",
         [](SettingsFile& s, const std::string&) {
             StringList paths;
             paths.Add(XString("C:\\lib\\\xA5\\a.jar"));
             s.SaveSystemClasspaths(paths);
             int flags[SettingsFile::kFlagCount] = {1};  // for exe files
             s.SetClasspathFlags(flags);
         }},
    };
    const std::string output = folder + "\\app.exe";
    for (const auto& c : cases) {
        UseKnownSettings(settings);
        c.use(settings, c.text);
        shownMessages.clear();
        Choose(true);
        SetText(IDC_MAIN_CLASS, mainClass);
        SetText(IDC_OUTPUT_FILE, output);
        Create();
        ASSERT_EQ(shownMessages.size(), 1u) << c.name;
        const std::string& text = shownMessages[0].text;
        EXPECT_EQ(text.find(std::string("The ") + c.name + "\n" + c.text + "\n"), 0u) << text;
        EXPECT_NE(text.find(c.byte), std::string::npos) << text;
        EXPECT_FALSE(FileExists(output.c_str())) << c.name;
        EXPECT_EQ(PaneText().find("creating exe file"), std::string::npos) << c.name << ": the jar tool ran";
        EXPECT_TRUE(IsEnabled(IDC_CREATE)) << c.name;
    }
    StringList none;
    settings.SaveSystemClasspaths(none);
    RemoveFile(argsPath);
}

TEST_F(CreateTest, ExecutableHoldsStubTrailerAndJarAndRuns)
{
    int argsFlags[SettingsFile::kFlagCount] = {1};
    settings.SetMainArgsFlags(argsFlags);
    ASSERT_TRUE(WriteMainArgs("first\r\nsecond"));
    const std::string output = folder + "\\Demo App.exe";
    ASSERT_TRUE(WriteFileBytes(output, "an older build"));
    Choose(true);
    SetText(IDC_MAIN_CLASS, mainClass);
    SetText(IDC_OUTPUT_FILE, output);
    Create();
    ASSERT_TRUE(shownMessages.empty()) << shownMessages[0].text;
    EXPECT_NE(PaneText().find("start  creating exe file (1 files)\n"), std::string::npos) << PaneText();
    EXPECT_NE(PaneText().find("end of creating exe file"), std::string::npos) << PaneText();

    // Row by row: the plain stub, the trailer, then the jar.
    const std::string stubFile = ReadFileBytes(std::string(GetProgramDir().Data()) + "\\bin\\compress.ies");
    Bytes stub;
    Bytes table;
    ASSERT_TRUE(ReadStubParts(reinterpret_cast<const unsigned char*>(stubFile.data()), stubFile.size(), false, stub,
                              table));
    const std::string built = ReadFileBytes(output);
    ASSERT_GT(built.size(), stub.size());
    EXPECT_EQ(built.substr(0, stub.size()), std::string(stub.begin(), stub.end()));
    const std::string trailer = std::string(10, '\xAB') + std::string("\x01\x01\x00", 3) +
                                "\xA5\xA5\xA5\xA5-Xmx64m\xA5" + "demo.Main first second" + std::string(10, '\xBB');
    EXPECT_EQ(built.substr(stub.size(), trailer.size()), trailer);
    EXPECT_EQ(built.substr(stub.size() + trailer.size(), 4), "PK\x03\x04");

    // The creating information and the histories.
    EXPECT_TRUE(IsWindowVisible(dialog->CreateInfo().Handle()));
    EXPECT_EQ(InfoText(IDC_CREATE_INFO_TITLE).find(output.substr(output.size() - 12)) != std::string::npos, true)
        << InfoText(IDC_CREATE_INFO_TITLE);
    const std::string report = InfoText(IDC_CREATE_INFO_REPORT);
    EXPECT_NE(report.find("Windows exe"), std::string::npos) << report;
    EXPECT_NE(report.find("Other java options"), std::string::npos) << report;
    EXPECT_STREQ(ComboBox(Item(IDC_MAIN_CLASS)).GetItemText(0).Data(), mainClass.c_str());
    EXPECT_STREQ(ComboBox(Item(IDC_OUTPUT_FILE)).GetItemText(0).Data(), output.c_str());

    const ChildResult run = RunChild("\"" + output + "\"", "", kJavaLimitMs);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u) << run.out << run.err;
    EXPECT_NE(run.out.find("Hello from demo.Main"), std::string::npos) << run.out << run.err;
    EXPECT_NE(run.out.find("arguments: first second"), std::string::npos) << run.out;
}

TEST_F(CreateTest, LaunchShowsTheBuiltProgramAndStopEndsIt)
{
    int argsFlags[SettingsFile::kFlagCount] = {1};
    settings.SetMainArgsFlags(argsFlags);
    ASSERT_TRUE(WriteMainArgs("--sleep=600000"));
    const std::string output = folder + "\\waits.exe";
    Choose(true);
    SetText(IDC_MAIN_CLASS, mainClass);
    SetText(IDC_OUTPUT_FILE, output);
    Create();
    ASSERT_TRUE(shownMessages.empty()) << shownMessages[0].text;
    ASSERT_TRUE(FileExists(output.c_str()));
    Click(IDC_LAUNCH_OUTPUT);
    ASSERT_TRUE(WaitForPane("arguments: --sleep=600000\n")) << PaneText();
    EXPECT_TRUE(IsShown(IDC_STOP_OUTPUT));
    const DWORD start = GetTickCount();
    Click(IDC_STOP_OUTPUT);
    ASSERT_TRUE(WaitForPane("end of launching exe file\n")) << PaneText();
    EXPECT_LT(GetTickCount() - start, 60000u);
    // The buttons come back after the end banner, from the worker thread.
    for (DWORD waited = 0; (!IsShown(IDC_LAUNCH_OUTPUT) || IsShown(IDC_STOP_OUTPUT)) && waited < kRunLimitMs; waited += 50)
        PumpFor(50);
    EXPECT_TRUE(IsShown(IDC_LAUNCH_OUTPUT));
    EXPECT_FALSE(IsShown(IDC_STOP_OUTPUT));
}

TEST_F(CreateTest, UserIconReplacesTheStubsImages)
{
    const std::string icon = folder + "\\user.ico";
    const std::string iconBytes = MakeIcon(32, 24);
    ASSERT_TRUE(WriteFileBytes(icon, iconBytes));
    const std::string output = folder + "\\iconic.exe";
    Choose(true);
    SetCheck(IDC_USER_ICON, true);
    SetText(IDC_ICON_FILE, icon);
    SetText(IDC_MAIN_CLASS, mainClass);
    SetText(IDC_OUTPUT_FILE, output);
    Create();
    ASSERT_TRUE(shownMessages.empty()) << shownMessages[0].text;

    // A 24-bit icon with rich colours on (the default): the rich stub, with
    // each of its images replaced by the user's image at that size.
    IconFile user;
    ASSERT_TRUE(user.Parse(reinterpret_cast<const unsigned char*>(iconBytes.data()), iconBytes.size()));
    std::vector<std::string> expected;
    for (int size : {16, 32, 48}) {
        const IconImage* image = user.FindImage(size, true, true);
        ASSERT_NE(image, nullptr);
        Bytes converted;
        ASSERT_TRUE(ConvertImage(user, *image, converted, size, true));
        expected.emplace_back(converted.begin(), converted.end());
    }
    std::vector<std::string> images = IconImagesOf(output);
    std::sort(images.begin(), images.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(images, expected);
    EXPECT_NE(InfoText(IDC_CREATE_INFO_REPORT).find("updated"), std::string::npos);
}

TEST_F(CreateTest, ExecutableJarRunsWithJava)
{
    const std::string userManifest = folder + "\\user.mf";
    ASSERT_TRUE(WriteFileBytes(userManifest, "Main-Class:   demo.Main\r\nX-Built-By: test\r\n\r\n"));
    const struct {
        const char* name;
        std::string manifest;
        const char* reportLine;
    } cases[] = {
        {"default.jar", "", "default"},
        {"user.jar", userManifest, "user file"},
    };
    for (const auto& c : cases) {
        shownMessages.clear();
        const std::string output = folder + "\\" + c.name;
        Choose(false);
        SetCheck(IDC_ADD_MANIFEST, !c.manifest.empty());
        SetText(IDC_MANIFEST_FILE, c.manifest);
        SetText(IDC_MAIN_CLASS, mainClass);
        SetText(IDC_OUTPUT_FILE, output);
        Create();
        ASSERT_TRUE(shownMessages.empty()) << shownMessages[0].text;
        EXPECT_NE(InfoText(IDC_CREATE_INFO_TITLE).find("has been created successfully"), std::string::npos);
        EXPECT_NE(InfoText(IDC_CREATE_INFO_REPORT).find(c.reportLine), std::string::npos) << c.name;
        // The temporary manifest and jar are gone.
        EXPECT_FALSE(FileExists((std::string(GetTempDir().Data()) + "\\temp.mf").c_str()));
        EXPECT_FALSE(FileExists((std::string(GetTempDir().Data()) + "\\tempfile.jar").c_str()));
        const ChildResult run = RunChild(JavaExe() + " -jar \"" + output + "\" x", "", kJavaLimitMs);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.exitCode, 0u) << run.out << run.err;
        EXPECT_NE(run.out.find("arguments: x"), std::string::npos) << c.name << run.out << run.err;
    }
}

TEST_F(CreateTest, AnOutputThatCannotBeWrittenIsReportedAndLeftAlone)
{
    const std::string output = folder + "\\taken.exe";
    CreateDirectoryA(output.c_str(), nullptr);
    Choose(true);
    SetText(IDC_MAIN_CLASS, mainClass);
    SetText(IDC_OUTPUT_FILE, output);
    Create();
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0].text, "Can not create\n" + output);
    EXPECT_TRUE(IsDirectory(output.c_str()));
    EXPECT_FALSE(IsWindowVisible(dialog->CreateInfo().Handle()));
    EXPECT_TRUE(IsEnabled(IDC_CREATE));
}

}  // namespace

namespace {

// The jar tool processes this test started that are still there (other
// tests beside it may be running jar tools of their own).
int JarToolProcesses()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        count += lstrcmpiA(entry.szExeFile, "jar.exe") == 0 && entry.th32ParentProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

TEST_F(CreateTest, AProjectTooLargeForOneCommandLineIsPackedWhole)
{
    // Names of about twenty characters: two thousand of them pass Windows'
    // limit of a command line, so they reach the jar tool in a file. The
    // second build of the folder starts the tool while the files are found;
    // a build that packs nothing, and one whose folder has shrunk back,
    // leave no tool behind.
    const std::string many = project + "\\demo\\many";
    CreateDirectoryA(many.c_str(), nullptr);
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(WriteFileBytes(many + "\\F" + std::to_string(i) + ".class", "x"));
    const std::string output = folder + "\\large.jar";
    const std::string jarTool = std::string(FindJavaToolExe("\\bin\\jar.exe", 1, 1).Data());
    const struct {
        const char* name;
        bool packsNothing;
        bool shrunk;
        size_t manyEntries;
    } builds[] = {
        {"first build", false, false, 2000},
        {"second build", false, false, 2000},
        {"nothing to pack", true, false, 0},
        {"folder shrunk", false, true, 0},
    };
    for (const auto& build : builds) {
        shownMessages.clear();
        DeleteFileA(output.c_str());
        if (build.packsNothing) {
            settings.SetListText(kSectionExcludeExtensions, "class");
            settings.SetFileOptions(1, 0);
        } else {
            settings.SetFileOptions(1, 1);
        }
        if (build.shrunk) {
            for (int i = 0; i < 2000; ++i)
                DeleteFileA((many + "\\F" + std::to_string(i) + ".class").c_str());
        }
        Choose(false);
        SetText(IDC_MAIN_CLASS, mainClass);
        SetText(IDC_OUTPUT_FILE, output);
        Create();
        EXPECT_EQ(JarToolProcesses(), 0) << build.name;
        EXPECT_FALSE(FileExists((std::string(GetTempDir().Data()) + "\\jarfiles.txt").c_str())) << build.name;
        if (build.packsNothing) {
            ASSERT_EQ(shownMessages.size(), 1u) << build.name;
            EXPECT_FALSE(FileExists(output)) << build.name;
            continue;
        }
        ASSERT_TRUE(shownMessages.empty()) << build.name << ": " << shownMessages[0].text;
        const std::string count = build.shrunk ? "(1 files)" : "(2001 files)";
        EXPECT_NE(PaneText().find(count), std::string::npos) << build.name << PaneText().substr(0, 200);
        const ChildResult listing = RunChild(jarTool + " tf \"" + output + "\"", "", kJavaLimitMs);
        ASSERT_EQ(listing.exitCode, 0u) << build.name << listing.err;
        size_t entries = 0;
        for (size_t at = 0; (at = listing.out.find("demo/many/F", at)) != std::string::npos; ++at)
            ++entries;
        EXPECT_EQ(entries, build.manyEntries) << build.name;
        EXPECT_NE(listing.out.find("demo/Main.class"), std::string::npos) << build.name;
    }
}

TEST_F(CreateTest, NoFileToPackAsksToChangeTheFileOptionsAndOpensThemOnYes)
{
    // Class files left out by an exclusion list written elsewhere: nothing is left to pack.
    settings.SetListText(kSectionExcludeExtensions, "class");
    settings.SetFileOptions(1, 0);
    const std::string question =
        "There is no file to be compressed,\nYou my need to change file options.\n\nDo you want to change it now?\n";
    for (const int answer : {IDNO, IDYES}) {
        shownMessages.clear();
        seams::ShowMessage = answer == IDYES ? AnswerYes : AnswerNo;
        Choose(false);
        SetText(IDC_MAIN_CLASS, mainClass);
        SetText(IDC_OUTPUT_FILE, folder + "\\none.jar");
        // Not pumped: the file options would open, modal, from the posted command.
        Click(IDC_CREATE);
        ASSERT_EQ(shownMessages.size(), 1u);
        EXPECT_EQ(shownMessages[0].text, question);
        MSG posted = {};
        const bool opened = PeekMessageA(&posted, dialog->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE) != FALSE;
        EXPECT_EQ(opened, answer == IDYES);
        if (opened) {
            EXPECT_EQ(posted.wParam, static_cast<WPARAM>(ID_FILE_OPTIONS));
        }
        EXPECT_FALSE(FileExists(folder + "\\none.jar"));
    }
}

}  // namespace
