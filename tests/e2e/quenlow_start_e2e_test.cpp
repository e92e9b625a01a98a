// Quenlow.exe started for real under Wine in a throw-away installation tree,
// its siblings replaced by recorders.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "classfile/class_check.h"
#include "settings/settings_file.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"

namespace {

const std::string kSep(1, '\xA5');
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::vector<std::string> SplitFields(const std::string& payload)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = payload.find('\xA5', start)) != std::string::npos; start = end + 1)
        fields.push_back(payload.substr(start, end - start));
    fields.push_back(payload.substr(start));
    return fields;
}

std::string RunAndRecord(const Tree& tree, const std::string& arguments)
{
    Program program("\"" + tree.Exe() + "\" " + arguments);
    EXPECT_TRUE(program.Ended(60000)) << arguments;
    WaitFor([&] { return !Records(tree.Log()).empty(); }, 60000);
    const std::vector<std::string> records = Records(tree.Log());
    EXPECT_EQ(records.size(), 1u) << arguments;
    return records.empty() ? std::string() : records[0];
}

std::string ClassesWithSample(const std::string& tree, const std::string& packageFolder)
{
    const std::string classes = tree + "\\classes";
    CreateDirectoryA(classes.c_str(), nullptr);
    CreateDirectoryA((classes + packageFolder).c_str(), nullptr);
    const std::string target = classes + packageFolder + "\\Main.class";
    EXPECT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", target.c_str(), FALSE));
    return target;
}

TEST(QuenlowSwitches, StartTheirProgramWithTheExactPayload)
{
    const Tree tree = MakeTree("switches");
    const std::string folder = tree.dir + "\\src";
    const std::string bin = tree.Bin();
    struct Case {
        std::string arguments;
        std::string expected;
        size_t separators;  // of the payload after the program path
    } cases[] = {
        {"/compile-files 1\n" + folder + "\n",
         "\"" + bin + "\\Farrowick.exe\" /inside-info 1" + kSep + "0" + kSep + kSep + kSep + kSep + kSep + "1\n" +
             folder + kSep,
         7},
        {"/execute-files 2\n" + folder + "\n" + folder + "\\b\n",
         "\"" + bin + "\\Skelbrand.exe\" /inside-info 1" + kSep + "0" + kSep + kSep + kSep + kSep + kSep + "2\n" +
             folder + "\n" + folder + "\\b" + kSep,
         7},
        {"/class-info \"" + folder + "\\A B.class\"",
         "\"" + bin + "\\Hembrook.exe\" /inside-info 1" + kSep + "0" + kSep + kSep + kSep + kSep + kSep + "-Xmx64m" +
             kSep + "\"" + folder + "\\A B.class\"",
         7},
        {"/compress-file " + folder + "\\lib.jar", "\"" + bin + "\\Ferrudel.exe\" /inside-info " + folder + "\\lib.jar",
         0},
        {"  /jdkdochelp  ", "\"" + bin + "\\Dovrekell.exe\"", 0},
    };
    for (const Case& c : cases) {
        RemoveFile(tree.Log());
        const std::string record = RunAndRecord(tree, c.arguments);
        EXPECT_EQ(record, c.expected) << c.arguments;
        EXPECT_EQ(SplitFields(record).size(), c.separators + 1) << c.arguments;
    }
}

TEST(QuenlowSwitches, DoubleClickStartsTheRunnerWithTheCheckedClass)
{
    const Tree tree = MakeTree("double click");
    const std::string classFile = ClassesWithSample(tree.dir, "\\demo");
    const std::string record = RunAndRecord(tree, "/double-click \"" + classFile + "\"");
    const std::string prefix = "\"" + tree.Bin() + "\\Wendmire.exe\" ";
    ASSERT_EQ(record.substr(0, prefix.size()), prefix);
    // Read back field by field, as the runner would.
    const std::vector<std::string> fields = SplitFields(record.substr(prefix.size()));
    const std::vector<std::string> expected = {"0",  "1", "0", "0", "500", "400", "1", "0", "",
                                               "",   "",  "",  "",  tree.dir + "\\classes", "-Xmx64m", "demo.Main"};
    EXPECT_EQ(fields, expected);
}

TEST(QuenlowSwitches, MisplacedClassShowsTheCheckMessageAndStartsNothing)
{
    const Tree tree = MakeTree("misplaced");
    const std::string classFile = ClassesWithSample(tree.dir, "\\wrong");
    int isApplication = 0, isApplet = 0;
    XString root, name, message;
    ASSERT_FALSE(CheckClassFile(classFile.c_str(), &isApplication, &isApplet, root, name, message));

    Program program("\"" + tree.Exe() + "\" /double-click \"" + classFile + "\"");
    HWND box = program.WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), message.Data());
    Press(box, IDOK);
    EXPECT_TRUE(program.Ended(60000));
    EXPECT_TRUE(Records(tree.Log()).empty());
}

// A folder name may hold the byte that ends a payload's field: the start is
// refused with one message that names the selection, and nothing starts.
TEST(QuenlowSwitches, ASelectionHoldingTheFieldEndShowsOneMessageAndStartsNothing)
{
    const Tree tree = MakeTree("reserved byte");
    const std::string selection = "1\n" + tree.dir + "\\a" + kSep + "b\\src\n";
    Program program("\"" + tree.Exe() + "\" /compile-files " + selection);
    HWND box = program.WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    EXPECT_EQ(text.find("The selection\n" + selection), 0u) << text;
    EXPECT_NE(text.find("(byte 0xA5)"), std::string::npos) << text;
    Press(box, IDOK);
    EXPECT_TRUE(program.Ended(60000));
    EXPECT_TRUE(Records(tree.Log()).empty());
}

TEST(QuenlowStart, RefusalsShowTheirText)
{
    struct Case {
        const char* name;
        bool withSettings;
        const char* leaveOut;
        const char* caption;
        std::string text;
        int answer;
    } cases[] = {
        {"no settings", false, nullptr, "Quenlow",
         "Error:\ncan not read setting file,\nplease try again or restart your computer.\n", IDNO},
        {"no help browser", true, "Dovrekell.exe", "Message", "", IDOK},
    };
    for (const Case& c : cases) {
        const Tree tree = MakeTree(c.name, c.withSettings, c.leaveOut);
        Program program("\"" + tree.Exe() + "\" /jdkdochelp");
        HWND box = program.WaitForDialog(c.caption);
        ASSERT_NE(box, nullptr) << c.name;
        const std::string text = MessageText(box);
        if (!c.text.empty())
            EXPECT_EQ(text, c.text) << c.name;
        else
            EXPECT_NE(text.find("Dovrekell"), std::string::npos) << text;
        Press(box, c.answer);
        EXPECT_TRUE(program.Ended(60000)) << c.name;
        if (!c.withSettings) {
            EXPECT_FALSE(FileExists(tree.Settings())) << "the start created the settings file";
        }
    }
}

// A settings file the engine can not use gets the sections a first start
// writes, behind every byte it had: the start's own change is then found in
// the file, as every later one is.
TEST(QuenlowStart, AnEmptyDamagedOrLfOnlySettingsFileIsRepaired)
{
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"garbage", std::string("\x89PNG\r\n\x1A\n\0\0{\r\n\xAB\xBB\r\x01{SECT_MAIN\n\xFF", 26)},
        {"lf only", "{SECT_MAIN}\n<KEY>\n[KEY_PROGRAMINIT]0\n<LIST>\n{SECT_FILE_INCEXT}\n<KEY>\n<LIST>\n(class)\n"},
    };
    for (const auto& c : cases) {
        const Tree tree = MakeTree(std::string("repair ") + c.name);
        ASSERT_TRUE(WriteFileBytes(tree.Settings(), c.bytes));
        RunAndRecord(tree, "/jdkdochelp");
        const std::string after = ReadFileBytes(tree.Settings());
        EXPECT_EQ(after.compare(0, c.bytes.size(), c.bytes), 0) << c.name << ": bytes of the file were lost";
        SettingsFile settings;
        ASSERT_TRUE(settings.Open(tree.Settings().c_str()));
        for (const char* section : kMainSections)
            EXPECT_TRUE(settings.FindSection((std::string("{") + section + "}").c_str())) << c.name << section;
        EXPECT_EQ(settings.GetProgramInit(), 1) << c.name;
    }
}

// A read-only settings file still serves the switches, which only read it;
// where a write is refused the user is told so, and the switch still runs.
TEST(QuenlowStart, AReadOnlySettingsFileServesTheSwitchesAndSaysWhereAWriteIsRefused)
{
    for (const bool firstStart : {false, true}) {
        const Tree tree = MakeTree(firstStart ? "read-only first start" : "read-only");
        if (!firstStart) {
            SettingsFile settings;
            ASSERT_TRUE(settings.Open(tree.Settings().c_str()));
            settings.SetProgramInit(1);
        }
        ASSERT_TRUE(SetFileAttributesA(tree.Settings().c_str(), FILE_ATTRIBUTE_READONLY));
        // Run as root, Wine would still write a read-only file: a reader that
        // shares no writing keeps it unwritable, as the attribute does for a user.
        HANDLE reader = CreateFileA(tree.Settings().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                    nullptr);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        const std::string before = ReadFileBytes(tree.Settings());
        Program program("\"" + tree.Exe() + "\" /compile-files 1\n" + tree.dir + "\n");
        if (firstStart) {
            HWND box = program.WaitForDialog("Quenlow");
            ASSERT_NE(box, nullptr);
            EXPECT_NE(MessageText(box).find("can not write setting file"), std::string::npos) << MessageText(box);
            Press(box, IDOK);
        }
        EXPECT_TRUE(program.Ended(60000)) << firstStart;
        EXPECT_TRUE(WaitFor([&] { return Records(tree.Log()).size() == 1; }, 60000)) << firstStart;
        CloseHandle(reader);
        EXPECT_EQ(ReadFileBytes(tree.Settings()), before);
        SetFileAttributesA(tree.Settings().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(QuenlowStart, SecondStartRaisesTheFirstWindowAndEnds)
{
    const Tree tree = MakeTree("single");
    Program first("\"" + tree.Exe() + "\"");
    HWND window = first.WaitForDialog("Quenlow 3.201");
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(window) != FALSE; }, 60000));

    Program second("\"" + tree.Exe() + "\"");
    EXPECT_TRUE(second.Ended(60000));
    EXPECT_EQ(second.FindDialog("Quenlow 3.201"), nullptr);
    EXPECT_TRUE(WaitFor([&] { return IsIconic(window) == FALSE; }, 60000)) << "the first window stayed minimised";

    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(first.Ended(60000));
}

std::string ReadDefault(HKEY root, const std::string& key)
{
    char text[1024] = {};
    LONG size = sizeof text;
    if (RegQueryValueA(root, key.c_str(), text, &size) != ERROR_SUCCESS)
        return "<missing>";
    return text;
}

bool KeyExists(HKEY root, const char* key)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::string RunValue(const char* name)
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "<missing>";
    return text;
}

void SetRunValue(const char* name, const std::string& text)
{
    HKEY run;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &run, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(run, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(run);
}

TEST(QuenlowInstallation, FirstStartAssociatesAndUninstallRestoresAndRemoves)
{
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, ".class", REG_SZ, "earlier.type", 12), ERROR_SUCCESS);
    const Tree tree = MakeTree("association");
    RunAndRecord(tree, "/jdkdochelp");
    EXPECT_EQ(ReadDefault(HKEY_CLASSES_ROOT, ".class"), "quenlow.document");
    EXPECT_EQ(ReadDefault(HKEY_CLASSES_ROOT, "quenlow.document\\shell\\open\\command"),
              "\"" + tree.Exe() + "\" /double-click \"%1\"");

    ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, "Software\\Quenlow\\Some", REG_SZ, "x", 1), ERROR_SUCCESS);
    ASSERT_TRUE(WriteFileBytes(tree.Bin() + "\\Pivrellon.dll", "not loaded by anyone"));
    Program uninstall("\"" + tree.Exe() + "\" /uninstall");
    ASSERT_TRUE(uninstall.Ended(60000));
    EXPECT_EQ(ReadDefault(HKEY_CLASSES_ROOT, ".class"), "earlier.type");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "quenlow.document"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Quenlow"));
    EXPECT_FALSE(FileExists(tree.Bin() + "\\Pivrellon.dll"));
    EXPECT_EQ(RunValue("QuenlowUninstall"), "<missing>");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".class");
}

// HKCR\.class as text: every key below it with its values, in order.
std::string DumpKey(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    std::string dump = "[" + path + "]\n";
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        BYTE data[1024];
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        dump += std::string(name, nameSize) + "=" + std::to_string(type) + ":" +
                std::string(reinterpret_cast<char*>(data), dataSize) + "\n";
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        dump += DumpKey(root, path + "\\" + name);
    }
    RegCloseKey(key);
    return dump;
}

void SetKeyValue(const char* key, const char* name, const char* text)
{
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(opened);
}

// Quenlow's first start and its uninstallation leave HKCR\.class as they
// found it: another program's type and sub-keys, with a settings file that
// can be written or only read. A type that can not be kept is not replaced.
TEST(QuenlowInstallation, TheAssociationRoundTripLeavesDotClassAsItWas)
{
    const struct {
        const char* name;
        const char* type;  // the default value before; nullptr: none
        bool subKeys;      // another program's sub-keys and values under .class
        bool readOnly;
        const char* whileInstalled;  // .class's type after the first start
    } cases[] = {
        {"another type and its sub-keys", "other.type", true, false, "quenlow.document"},
        {"another type and its sub-keys, read-only settings", "other.type", true, true, "other.type"},
        {"only another program's sub-keys", nullptr, true, false, "quenlow.document"},
        {"only another program's sub-keys, read-only settings", nullptr, true, true, "quenlow.document"},
        {"no .class, read-only settings", nullptr, false, true, "quenlow.document"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SHDeleteKeyA(HKEY_CLASSES_ROOT, ".class");
        if (c.type)
            SetKeyValue(".class", "", c.type);
        if (c.subKeys) {
            SetKeyValue(".class", "Content Type", "application/java-vm");
            SetKeyValue(".class\\OpenWithProgids", "other.type", "");
            SetKeyValue(".class\\ShellNew", "NullFile", "");
        }
        const std::string before = DumpKey(HKEY_CLASSES_ROOT, ".class");
        const Tree tree = MakeTree(std::string("round trip ") + (c.type ? "typed" : "untyped") +
                                   (c.subKeys ? " sub-keys" : "") + (c.readOnly ? " read-only" : ""));
        HANDLE reader = INVALID_HANDLE_VALUE;
        if (c.readOnly) {
            ASSERT_TRUE(SetFileAttributesA(tree.Settings().c_str(), FILE_ATTRIBUTE_READONLY));
            // As root, Wine would still write a read-only file: a reader that
            // shares no writing keeps it unwritable.
            reader = CreateFileA(tree.Settings().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
            ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        }
        {
            Program first("\"" + tree.Exe() + "\" /jdkdochelp");
            if (c.readOnly) {
                HWND box = first.WaitForDialog("Quenlow");
                ASSERT_NE(box, nullptr);
                EXPECT_NE(MessageText(box).find("can not write setting file"), std::string::npos) << MessageText(box);
                Press(box, IDOK);
            }
            EXPECT_TRUE(first.Ended(20000));
        }
        EXPECT_EQ(ReadDefault(HKEY_CLASSES_ROOT, ".class"), c.whileInstalled);
        if (c.subKeys) {
            EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, ".class\\OpenWithProgids"));
        }
        {
            Program uninstall("\"" + tree.Exe() + "\" /uninstall");
            EXPECT_TRUE(uninstall.Ended(20000));
        }
        if (reader != INVALID_HANDLE_VALUE)
            CloseHandle(reader);
        SetFileAttributesA(tree.Settings().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(DumpKey(HKEY_CLASSES_ROOT, ".class"), before);
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "quenlow.document"));
    }
    SHDeleteKeyA(HKEY_CLASSES_ROOT, ".class");
}

TEST(QuenlowInstallation, InstallCancelsAPendingUninstallOfItsOwnFolderOnly)
{
    const Tree tree = MakeTree("reinstall");
    struct Case {
        std::string pending;
        bool cancelled;
    } cases[] = {
        {"\"C:\\windows\\system32\\Ostrabec.exe\" /uninstall " + tree.dir, true},
        {" \"C:\\windows\\system32\\Ostrabec.exe\"  /uninstall  " + tree.dir, true},
        {"\"C:\\windows\\system32\\Ostrabec.exe\" /uninstall C:\\other folder", false},
    };
    for (const Case& c : cases) {
        SetRunValue("QuenlowUninstall", c.pending);
        Program install("\"" + tree.Exe() + "\" /install");
        // No new library waits in the system folder: nothing to reboot for.
        EXPECT_TRUE(install.Ended(60000)) << c.pending;
        EXPECT_EQ(install.FindDialog("Message"), nullptr);
        EXPECT_EQ(RunValue("QuenlowUninstall"), c.cancelled ? "<missing>" : c.pending);
        EXPECT_EQ(RunValue("QuenlowInstall"), "<missing>");
    }
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, "QuenlowUninstall");
        RegCloseKey(run);
    }
}

TEST(QuenlowInstallation, LockedLibraryIsReplacedAfterTheReboot)
{
    const Tree tree = MakeTree("locked library");
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const std::string fresh = std::string(system) + "\\Pivrellon.dll";
    const std::string working = tree.Bin() + "\\Pivrellon.dll";
    ASSERT_TRUE(WriteFileBytes(working, "old library"));
    ASSERT_TRUE(WriteFileBytes(fresh, "new library"));
    {
        // As Explorer holds a loaded library: no delete, no replace.
        HANDLE held = CreateFileA(working.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        Program install("\"" + tree.Exe() + "\" /install");
        HWND box = install.WaitForDialog("Message");
        EXPECT_NE(box, nullptr);
        if (box) {
            EXPECT_EQ(MessageText(box), "You must reboot computer to complet installation,\ndo you want to reboot now?");
            Press(box, IDNO);  // never Yes: that would end the Wine session
        }
        EXPECT_TRUE(install.Ended(60000));
        CloseHandle(held);
    }
    EXPECT_EQ(ReadFileBytes(working), "old library") << "the working library went before the new one came";
    EXPECT_EQ(RunValue("QuenlowInstall"), "\"" + tree.Exe() + "\" /reboot");

    Program reboot("\"" + tree.Exe() + "\" /reboot");
    EXPECT_TRUE(reboot.Ended(60000));
    EXPECT_EQ(RunValue("QuenlowInstall"), "<missing>");
    EXPECT_EQ(ReadFileBytes(working), "new library");
    EXPECT_FALSE(FileExists(fresh));
    RemoveFile(fresh);
}

struct MessageBoxSearch {
    const std::string* beginning;
    HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM data)
{
    auto* s = reinterpret_cast<MessageBoxSearch*>(data);
    char className[16] = {}, title[32] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (std::string(className) == "#32770" && std::string(title) == "Message" && IsWindowVisible(window) &&
        MessageText(window).compare(0, s->beginning->size(), *s->beginning) == 0) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

// Any process's visible message box with the caption whose text begins so.
HWND FindMessageBox(const std::string& beginning)
{
    MessageBoxSearch search = {&beginning, nullptr};
    EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(QuenlowInstallation, UninstallWithAHeldLibraryFinishesAfterTheReboot)
{
    const Tree tree = MakeTree("held library");
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const std::string finisher = std::string(system) + "\\Ostrabec.exe";
    const std::string library = tree.Bin() + "\\Pivrellon.dll";
    ASSERT_TRUE(WriteFileBytes(library, "library"));
    ASSERT_TRUE(CopyFileA(QUENLOW_OSTRABEC, (tree.Bin() + "\\Ostrabec.exe").c_str(), FALSE));
    {
        // As Explorer holds the loaded library: it cannot be deleted now.
        HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        Program uninstall("\"" + tree.Exe() + "\" /uninstall");
        EXPECT_TRUE(uninstall.Ended(60000));
        HWND box = nullptr;
        EXPECT_TRUE(WaitFor([&] { return (box = FindMessageBox("You must reboot computer to complete uninstallation")) != nullptr; },
                            60000))
            << "the finisher did not ask for the reboot";
        if (box)
            Press(box, IDNO);  // never Yes: that would end the Wine session
        CloseHandle(held);
    }
    EXPECT_TRUE(FileExists(library));
    EXPECT_TRUE(FileExists(finisher));
    const std::string command = RunValue("QuenlowUninstall");
    EXPECT_EQ(command, "\"" + finisher + "\" /uninstall " + tree.dir);

    // The installer empties the folders; after the reboot the Run value runs.
    for (const char* name : {"Farrowick.exe", "Skelbrand.exe", "Dovrekell.exe", "Hembrook.exe", "Ferrudel.exe",
                             "Wendmire.exe", "Tollgarth.exe", "Ostrabec.exe", "commandline.log"})
        DeleteFileA((tree.Bin() + "\\" + name).c_str());
    DeleteFileA(tree.Exe().c_str());
    DeleteFileA(tree.Settings().c_str());
    RemoveDirectoryA((tree.dir + "\\Setting").c_str());
    RemoveDirectoryA((tree.dir + "\\temp").c_str());
    {
        Program finish(command);
        EXPECT_TRUE(finish.Ended(60000));
    }
    EXPECT_EQ(RunValue("QuenlowUninstall"), "<missing>");
    EXPECT_FALSE(FileExists(library));
    EXPECT_EQ(GetFileAttributesA(tree.dir.c_str()), INVALID_FILE_ATTRIBUTES) << "the program folder is still there";
    EXPECT_TRUE(WaitFor([&] { return !FileExists(finisher); }, 60000)) << "the finisher did not delete itself";
    RemoveFile(finisher);
}

}  // namespace
