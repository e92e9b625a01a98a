// The main program's parts that run in-process, with the effects that leave
// the program replaced.
#include <windows.h>
#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help.h"
#include "install_registry.h"
#include "jdk_check.h"
#include "main_app.h"
#include "paths/file_system.h"
#include "process/start_child.h"
#include "registry.h"
#include "seams.h"
#include "sibling_starts.h"
#include "support/test_files.h"

namespace {

struct Shown {
    std::string text;
    std::string caption;
    UINT type;
};
std::vector<Shown> shown;
int answer = IDNO;
std::vector<std::string> helpOpened;

int RecordMessage(HWND, const char* text, const char* caption, UINT type)
{
    shown.push_back({text, caption, type});
    return answer;
}

HWND RecordHelp(HWND, const char* file, UINT command, DWORD_PTR)
{
    EXPECT_EQ(command, static_cast<UINT>(HH_DISPLAY_TOPIC));
    helpOpened.push_back(file);
    return GetDesktopWindow();  // the viewer opened the file
}

class MainProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        shown.clear();
        helpOpened.clear();
        seams::ShowMessage = RecordMessage;
        seams::OpenHelp = RecordHelp;
    }
    void TearDown() override { seams::Restore(); }
};

TEST_F(MainProgram, AFailedSiblingStartNamesTheProgram)
{
    const std::string missing = ScratchPath("no such folder");
    const struct {
        XString line;
        const char* expectedPart;
    } cases[] = {
        {XString(("\"" + missing + "\\Farrowick.exe\" /inside-info x").c_str()), "no such folder\\Farrowick.exe"},
        {XString(("\"" + missing + "\\Farrowick.exe\" /inside-info " + std::string(kMaxCommandLine, 'x')).c_str()),
         "longer than Windows allows"},
    };
    for (const auto& c : cases) {
        shown.clear();
        EXPECT_EQ(StartSibling(nullptr, "Farrowick", c.line), 0);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "Message");
        EXPECT_NE(shown[0].text.find("Can not start Farrowick"), std::string::npos) << shown[0].text;
        EXPECT_NE(shown[0].text.find(c.expectedPart), std::string::npos) << shown[0].text;
        EXPECT_EQ(shown[0].text.find("/inside-info"), std::string::npos) << "the payload is not the user's business";
    }
}

// Each start whose payload would carry the field end in a field is refused
// with one message naming the text, before anything is started.
TEST_F(MainProgram, StartsRefuseATextHoldingTheFieldEnd)
{
    const XString bad("C:\\a\xA5" "b");
    const struct {
        const char* what;
        int (*start)(const XString& text);
        const char* name;
    } cases[] = {
        {"compile tool", [](const XString& t) { return MainApp::StartCompileTool(ClassPathRecord(), t.Data()); },
         "selection"},
        {"execute tool",
         [](const XString& t) {
             ClassPathRecord r;
             r.siblingClassPath = t;
             return MainApp::StartExecuteDebugTool(r, "1\nC:\\s\n");
         },
         "sibling class path"},
        {"class information",
         [](const XString& t) { return StartClassInfoViewer("X.class", ClassPathRecord(), t.Data()); },
         "other Java options"},
    };
    for (const auto& c : cases) {
        shown.clear();
        EXPECT_EQ(c.start(bad), 0) << c.what;
        ASSERT_EQ(shown.size(), 1u) << c.what;
        EXPECT_EQ(shown[0].text.find(std::string("The ") + c.name + "\n" + bad.Data() + "\n"), 0u) << shown[0].text;
        EXPECT_EQ(shown[0].text.find("Can not start"), std::string::npos) << c.what;
    }
}

TEST_F(MainProgram, AskShowHelpOpensTheFileOptionsTopicOnYesOnly)
{
    const std::string topic = std::string(GetProgramDir().Data()) + "\\quenlow.chm::\\html\\options\\FileOps.htm#Remark";
    const struct {
        int answer;
        size_t helpCount;
    } cases[] = {{IDYES, 1}, {IDNO, 0}};
    for (const auto& c : cases) {
        shown.clear();
        helpOpened.clear();
        answer = c.answer;
        EXPECT_EQ(AskShowHelp(nullptr, "The icon file is missing."), 0);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "The icon file is missing.\ndo you want to see help file?\n");
        EXPECT_EQ(shown[0].caption, "Message");
        EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_ICONERROR | MB_YESNO));
        ASSERT_EQ(helpOpened.size(), c.helpCount);
        if (c.helpCount) {
            EXPECT_EQ(helpOpened[0], topic);
        }
    }
    answer = IDNO;
    ShowHelpFile(nullptr);
    ASSERT_EQ(helpOpened.size(), 1u);
    EXPECT_EQ(helpOpened[0], std::string(GetProgramDir().Data()) + "\\quenlow.chm");
}

// "/install" over a library Explorer holds asks for the reboot; on Yes the
// shutdown privilege that NT requires is asked for before the restart, and a
// restart the system refuses is said.
std::vector<std::string> rebootSteps;
BOOL restartTaken = TRUE;

BOOL RecordPrivilege(const char* name)
{
    rebootSteps.push_back(std::string("privilege ") + name);
    return TRUE;
}

BOOL RecordRestart(UINT flags, DWORD)
{
    rebootSteps.push_back("restart " + std::to_string(flags));
    SetLastError(ERROR_ACCESS_DENIED);
    return restartTaken;
}

TEST_F(MainProgram, TheInstallationsRebootTakesTheShutdownPrivilegeFirst)
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const std::string newLibrary = std::string(system) + "\\Pivrellon.dll";
    const std::string bin = GetBinDir().Data();
    CreateDirectoryA(bin.c_str(), nullptr);
    const std::string library = bin + "\\Pivrellon.dll";
    seams::EnablePrivilege = RecordPrivilege;
    seams::ExitSystem = RecordRestart;
    answer = IDYES;
    const struct {
        const char* name;
        BOOL restart;
        size_t messages;
    } cases[] = {{"the restart begins", TRUE, 1}, {"the restart is refused", FALSE, 2}};
    for (const auto& c : cases) {
        shown.clear();
        rebootSteps.clear();
        restartTaken = c.restart;
        ASSERT_TRUE(WriteFileBytes(newLibrary, "new"));
        ASSERT_TRUE(WriteFileBytes(library, "old"));
        // As Explorer holds the loaded library: it can not be replaced now.
        HANDLE held = CreateFileA(library.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        MainApp::Install();
        CloseHandle(held);
        ASSERT_EQ(shown.size(), c.messages) << c.name;
        EXPECT_EQ(shown[0].text, "You must reboot computer to complet installation,\ndo you want to reboot now?");
        EXPECT_EQ(rebootSteps, (std::vector<std::string>{"privilege SeShutdownPrivilege", "restart 6"})) << c.name;
        if (c.messages > 1) {
            EXPECT_EQ(shown[1].text, "The computer could not be restarted (error 5).\n"
                                     "Please restart it yourself to complete the installation.");
        }
        DeleteRunValue(kInstallValue);
    }
    answer = IDNO;
    RemoveFile(newLibrary);
    RemoveFile(library);
}

TEST(PendingUninstall, RecognisesOnlyItsOwnFolder)
{
    const struct {
        const char* command;
        bool names;
    } cases[] = {
        {"\"C:\\windows\\system32\\Ostrabec.exe\" /uninstall C:\\Quenlow", true},
        {"  \"C:\\win dows\\Ostrabec.exe\"   /uninstall   c:\\QUENLOW", true},
        {"\"C:\\windows\\system32\\Ostrabec.exe\" /uninstall C:\\Quenlow2", false},
        {"\"C:\\windows\\system32\\Ostrabec.exe\" /restart C:\\Quenlow", false},
        {"C:\\windows\\system32\\Ostrabec.exe /uninstall C:\\Quenlow", false},
        {"\"C:\\windows\\system32\\Ostrabec.exe /uninstall C:\\Quenlow", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UninstallCommandNames(c.command, "C:\\Quenlow"), c.names) << c.command;
}

TEST(CheckBoxes, EightBoxesForEntriesZeroToFourAndSixToEight)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    HWND boxes[8] = {};
    for (int i = 0; i < 8; ++i) {
        if (i != 3)  // a page without the compile box
            boxes[i] = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 5, 5, parent, nullptr,
                                       nullptr, nullptr);
    }
    const int flags[9] = {1, 0, 1, 1, 0, 1, 1, 0, 1};
    SetCheckBoxes(boxes, flags);
    int read[9] = {7, 7, 7, 7, 7, 7, 7, 7, 7};
    GetCheckBoxes(read, boxes);
    const int expected[9] = {1, 0, 1, 7, 0, 7, 1, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(read[i], expected[i]) << "entry " << i;
    DestroyWindow(parent);
}

std::string ClassType()
{
    XString text;
    if (!ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, text))
        return "<missing>";
    return text.Data();
}

TEST(ClassAssociation, KeepsAndRestoresTheEarlierType)
{
    const struct {
        const char* before;   // nullptr: no .class key
        const char* restored;
    } cases[] = {
        {"other.type", "other.type"},
        {"Quenlow.DOCUMENT", "<missing>"},
        {nullptr, "<missing>"},
    };
    const std::string path = ScratchPath("association.set");
    for (const auto& c : cases) {
        RemoveFile(path);
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenAndInit(path.c_str()));
        DeleteKeyTree(HKEY_CLASSES_ROOT, ".class");
        if (c.before)
            WriteRegistryString(HKEY_CLASSES_ROOT, ".class", c.before);
        // Twice: the second time must not lose the type found the first time.
        for (int i = 0; i < 2; ++i)
            SetClassAssociation(settings, "C:\\Q\\Quenlow.exe", 1, 0, 1, 1, 300, 200);
        EXPECT_EQ(ClassType(), "quenlow.document");
        XString command;
        ReadRegistryString(HKEY_CLASSES_ROOT, "quenlow.document\\shell\\open\\command", nullptr, command);
        EXPECT_STREQ(command.Data(), "\"C:\\Q\\Quenlow.exe\" /double-click \"%1\"");
        int flags[SettingsFile::kFlagCount] = {};
        int width = 0, height = 0;
        settings.GetExplorerOptions(flags, &width, &height);
        EXPECT_EQ((std::vector<int>{flags[0], flags[1], flags[2], flags[3], width, height}),
                  (std::vector<int>{1, 0, 1, 1, 300, 200}));

        EXPECT_EQ(RemoveClassAssociation(settings), 1);
        EXPECT_EQ(ClassType(), c.restored) << (c.before ? c.before : "none");
        HKEY document;
        EXPECT_NE(RegOpenKeyExA(HKEY_CLASSES_ROOT, "quenlow.document", 0, KEY_READ, &document), ERROR_SUCCESS)
            << "the document type and its open command are left";
        XString kept;
        settings.GetDoubleClickDoc(kept);
        EXPECT_TRUE(kept.IsEmpty());
        settings.Close();
    }
    DeleteKeyTree(HKEY_CLASSES_ROOT, ".class");
}

}  // namespace
