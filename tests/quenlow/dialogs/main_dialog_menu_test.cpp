// The main dialog's menu bar, its class information and its help: captions
// clicked, the popup answered by the test, and the programs of the
// installation replaced by recorders in the test program's own bin folder.
#include <windows.h>
#include <commctrl.h>
#include <htmlhelp.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "controls.h"
#include "jdk_check.h"
#include "main_dialog_fixture.h"
#include "paths/file_system.h"
#include "support/known_settings.h"
#include "support/shell_opens.h"

namespace {

const std::string kSep(1, '\xA5');

struct MenuItem {
    std::string text;
    UINT id;
    bool checked;
    bool operator==(const MenuItem& other) const
    {
        return text == other.text && id == other.id && checked == other.checked;
    }
};
std::ostream& operator<<(std::ostream& out, const MenuItem& item)
{
    return out << '"' << item.text << "\" " << item.id << (item.checked ? " checked" : "");
}

class MainDialogMenuTest : public MainDialogTest {
protected:
    struct ShownMenu {
        std::vector<MenuItem> items;
        UINT flags;
        POINT at;
    };
    static inline std::vector<ShownMenu> shownMenus;
    static inline UINT chosenCommand = 0;
    static inline int answer = IDOK;
    static inline std::vector<std::string> helpOpened;
    static inline bool helpFileThere = true;

    // Stands in for the popup's own loop: notes what it shows and picks the command.
    static BOOL ChooseFromMenu(HMENU menu, UINT flags, int x, int y, HWND)
    {
        ShownMenu shown{{}, flags, {x, y}};
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[128] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            shown.items.push_back({text, GetMenuItemID(menu, i), (state & MF_CHECKED) != 0});
        }
        shownMenus.push_back(shown);
        return static_cast<BOOL>(chosenCommand);
    }
    static int Answer(HWND, const char* text, const char* caption, UINT)
    {
        shownMessages.push_back({text, caption});
        return answer;
    }
    static HWND RecordHelp(HWND, const char* file, UINT command, DWORD_PTR)
    {
        EXPECT_EQ(command, static_cast<UINT>(HH_DISPLAY_TOPIC));
        helpOpened.push_back(file);
        // The viewer's window when it opened the file, none when the file is missing.
        return helpFileThere ? GetDesktopWindow() : nullptr;
    }

    void SetUp() override
    {
        MainDialogTest::SetUp();
        shownMenus.clear();
        helpOpened.clear();
        helpFileThere = true;
        chosenCommand = 0;
        answer = IDOK;
        seams::TrackPopup = ChooseFromMenu;
        seams::ShowMessage = Answer;
        seams::OpenHelp = RecordHelp;
        programDir = GetProgramDir().Data();
        CreateDirectoryA(Bin().c_str(), nullptr);
        for (const char* sibling : {"Tollgarth.exe", "Hembrook.exe"})
            ASSERT_TRUE(CopyFileA(QUENLOW_RECORDER, (Bin() + "\\" + sibling).c_str(), FALSE));
        RemoveFile(Log());
    }
    void TearDown() override
    {
        MainDialogTest::TearDown();
        for (const char* file : {"Tollgarth.exe", "Hembrook.exe", "commandline.log"})
            RemoveFile(Bin() + "\\" + file);
    }

    std::string Bin() const { return programDir + "\\bin"; }
    std::string Log() const { return Bin() + "\\commandline.log"; }
    // The recorders' log once a start has written to it; empty at the time-out.
    std::string WaitForLog()
    {
        for (DWORD waited = 0; waited < 60000; waited += 50) {
            const std::string log = ReadFileBytes(Log());
            if (!log.empty() && log.back() == '\0')
                return log;
            PumpFor(50);
        }
        return std::string();
    }

    void ClickAt(int x, int y)
    {
        SendMessageA(dialog->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    // Opens a caption's menu and picks the command in it.
    void Choose(int captionX, UINT command)
    {
        chosenCommand = command;
        ClickAt(captionX, 1);
        chosenCommand = 0;
    }

    // The known settings, the other Java options given to class
    // information or not.
    void UseKnownSettingsWithClassInfoOptions(bool otherOptionsForClassInfo)
    {
        UseKnownSettings(settings);
        int other[SettingsFile::kFlagCount] = {1, 1, otherOptionsForClassInfo ? 1 : 0};
        settings.SetOtherJavaFlags(other);
    }
    std::string ClassInfoLine(const std::string& options, const std::string& classFile) const
    {
        return "\"" + Bin() + "\\Hembrook.exe\" /inside-info 1" + kSep + "0" + kSep + kSep + kSep + kSep + kSep +
               options + kSep + classFile + std::string(1, '\0');
    }

    std::string programDir;
};

// Where each caption stands: left to right from the left edge.
constexpr int kExplorerX = 0;
constexpr int kGeneralX = 100;
constexpr int kInformationX = 200;
constexpr int kHelpX = 265;
constexpr int kBarEnd = 315;

TEST_F(MainDialogMenuTest, EachCaptionOpensItsMenuBelowItself)
{
    const int barHeight = GetSystemMetrics(SM_CYMENU);
    const MenuItem separator = {"", 0, false};
    const std::vector<MenuItem> explorer = {
        {"Double click to run applications and applets", ID_DOUBLE_CLICK_OPTIONS, false},
        {"Context menu style", ID_MENU_STYLE_OPTIONS, false},
    };
    const std::vector<MenuItem> general = {
        {"File options\tfor exe and jar files", ID_FILE_OPTIONS, false},
        {"Arguments of main method\tfor exe files and double click", ID_MAIN_ARGS_OPTIONS, false},
        separator,
        {"Icon options\tfor exe files", ID_ICON_OPTIONS, false},
        separator,
        {"Classpath options\tfor exe files, double click and class info etc", ID_CLASSPATH_OPTIONS, false},
        {"Other java options\tfor exe files, double click and class info", ID_OTHER_JAVA_OPTIONS, false},
        separator,
        {"Always on top", ID_ALWAYS_ON_TOP, false},
    };
    const std::vector<MenuItem> information = {
        {"Java properties", ID_JAVA_PROPERTIES, false},
        separator,
        {"Java libraries", ID_JAVA_LIBRARIES, false},
    };
    const std::vector<MenuItem> help = {
        {"Help contents", ID_HELP_CONTENTS, false}, {"About", ID_ABOUT, false}, separator, {"Home", ID_HOME, false}};
    const std::vector<MenuItem> none;
    const struct {
        int x;
        int y;
        const std::vector<MenuItem>& items;  // empty: no menu opens
        int captionLeft;
    } cases[] = {
        {kExplorerX, 0, explorer, kExplorerX},
        {kGeneralX - 1, barHeight - 1, explorer, kExplorerX},
        {kGeneralX, 0, general, kGeneralX},
        {kInformationX - 1, barHeight - 1, general, kGeneralX},
        {kInformationX, 0, information, kInformationX},
        {kHelpX - 1, 5, information, kInformationX},
        {kHelpX, 5, help, kHelpX},
        {kBarEnd - 1, 5, help, kHelpX},
        {kBarEnd, 5, none, 0},
        {kGeneralX + 50, barHeight, none, 0},
    };
    OpenDialog();
    for (const auto& c : cases) {
        shownMenus.clear();
        ClickAt(c.x, c.y);
        if (c.items.empty()) {
            EXPECT_TRUE(shownMenus.empty()) << c.x << "," << c.y;
            continue;
        }
        ASSERT_EQ(shownMenus.size(), 1u) << c.x << "," << c.y;
        EXPECT_EQ(shownMenus[0].items, c.items) << c.x << "," << c.y;
        EXPECT_NE(shownMenus[0].flags & TPM_RETURNCMD, 0u);
        POINT corner = {c.captionLeft, barHeight};
        ClientToScreen(dialog->Handle(), &corner);
        EXPECT_EQ(shownMenus[0].at.x, corner.x) << c.x;
        EXPECT_EQ(shownMenus[0].at.y, corner.y) << c.x;
    }
    // Nothing chosen, nothing done.
    EXPECT_TRUE(shownMessages.empty());
    EXPECT_TRUE(helpOpened.empty());
}

TEST_F(MainDialogMenuTest, AlwaysOnTopIsCheckedWhenOnAndKept)
{
    auto topmost = [this] { return (GetWindowLongA(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    OpenDialog();
    EXPECT_FALSE(topmost());
    // Wine (8.0) does not raise a window that owns a topmost tooltip into
    // the topmost band after its creation: switching on is seen at the next
    // opening, switching off at once.
    Choose(kGeneralX, ID_ALWAYS_ON_TOP);
    CloseDialog();
    OpenDialog();
    EXPECT_TRUE(topmost());
    Choose(kGeneralX, ID_ALWAYS_ON_TOP);
    EXPECT_FALSE(topmost());
    Choose(kGeneralX, 0);
    ASSERT_EQ(shownMenus.size(), 3u);
    EXPECT_FALSE(shownMenus[0].items.back().checked);
    EXPECT_TRUE(shownMenus[1].items.back().checked);
    EXPECT_FALSE(shownMenus[2].items.back().checked);
}

// What the class-path sheet showed when the timer found it, before it
// closed it with Cancel.
struct SeenSheet {
    HWND window = nullptr;
    HWND owner = nullptr;
    int pages = 0;
    int active = -1;
};
SeenSheet seenSheet;

void CALLBACK CloseClasspathSheet(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND sheet = FindWindowA(nullptr, "Classpaths - for exe files and features in Windows explorer");
    if (!sheet)
        return;
    KillTimer(nullptr, id);
    seenSheet.window = sheet;
    seenSheet.owner = GetWindow(sheet, GW_OWNER);
    HWND tabs = PropSheet_GetTabControl(sheet);
    seenSheet.pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    seenSheet.active = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
}

TEST_F(MainDialogMenuTest, ClasspathOptionsOpenTheSheetOnItsLastPage)
{
    OpenDialog();
    settings.SetSheetPage(2);
    seenSheet = SeenSheet();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseClasspathSheet);
    Choose(kGeneralX, ID_CLASSPATH_OPTIONS);
    KillTimer(nullptr, timer);
    ASSERT_NE(seenSheet.window, nullptr);
    EXPECT_EQ(seenSheet.owner, nullptr);  // a window of its own, not the dialog's
    EXPECT_EQ(seenSheet.pages, 4);
    EXPECT_EQ(seenSheet.active, 2);
    EXPECT_FALSE(IsWindow(seenSheet.window));
    EXPECT_TRUE(shownMessages.empty());
}

TEST_F(MainDialogMenuTest, JavaLibrariesStartsTheLibraryCheckerWithItsTools)
{
    OpenDialog();
    Choose(kInformationX, ID_JAVA_LIBRARIES);
    EXPECT_EQ(WaitForLog(), "\"" + Bin() + "\\Tollgarth.exe\" /t" + std::string(1, '\0'));
    EXPECT_TRUE(shownMessages.empty());
}

TEST_F(MainDialogMenuTest, HelpOpensItsPage)
{
    const std::string file = programDir + "\\quenlow.chm";
    const struct {
        int button;  // 0: the Help menu's "Help contents"
        std::string opened;
    } cases[] = {
        {0, file},
        {IDC_HELP_EXE, file + "::\\html\\feature\\creating\\01creatingExe.htm"},
        {IDC_HELP_JAR, file + "::\\html\\feature\\creating\\02creatingJar.htm"},
    };
    OpenDialog();
    // Without a help file installed: one message naming it, instead of silence.
    for (bool installed : {true, false}) {
        helpFileThere = installed;
        for (const auto& c : cases) {
            helpOpened.clear();
            shownMessages.clear();
            if (c.button)
                Click(c.button);
            else
                Choose(kHelpX, ID_HELP_CONTENTS);
            ASSERT_EQ(helpOpened.size(), 1u) << c.opened;
            EXPECT_EQ(helpOpened[0], c.opened);
            if (installed) {
                EXPECT_TRUE(shownMessages.empty()) << c.opened;
                continue;
            }
            ASSERT_EQ(shownMessages.size(), 1u) << c.opened;
            EXPECT_EQ(shownMessages[0].text, "Can not open the help file\n" + file + "\n");
            EXPECT_EQ(shownMessages[0].caption, "Message");
        }
    }
}

TEST_F(MainDialogMenuTest, HomeOpensTheProductsPageWithTheShell)
{
    ShellOpened().clear();
    seams::ShellOpen = RecordShellOpen;
    OpenDialog();
    Choose(kHelpX, ID_HOME);
    EXPECT_EQ(ShellOpened(), std::vector<std::string>{MainDlg::kHomePage});
}

// The About box runs its own modal loop: a timer in it notes what it shows and closes it.
HWND aboutOwner = nullptr;
std::string aboutCaption;
std::string aboutLabelClass;
void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = GetLastActivePopup(aboutOwner);
    if (box == aboutOwner)
        return;
    KillTimer(nullptr, timer);
    char text[64] = {};
    GetWindowTextA(box, text, sizeof text);
    aboutCaption = text;
    if (HWND label = FindWindowExA(box, nullptr, "QuenlowRichLabel", nullptr)) {
        GetClassNameA(label, text, sizeof text);
        aboutLabelClass = text;
    }
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MainDialogMenuTest, AboutOpensTheAboutBoxOverTheDialog)
{
    OpenDialog();
    aboutOwner = dialog->Handle();
    aboutCaption.clear();
    aboutLabelClass.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseAbout);
    Choose(kHelpX, ID_ABOUT);
    KillTimer(nullptr, timer);
    EXPECT_EQ(aboutCaption, "About");
    EXPECT_EQ(aboutLabelClass, "QuenlowRichLabel");
    EXPECT_TRUE(IsWindowEnabled(dialog->Handle()));
}

TEST_F(MainDialogMenuTest, ClassInfoStartsTheViewerWithTheClassInfoSettings)
{
    const std::string status =
        "=========================== start  launching class info\nExceptions are displayed on page of class "
        "Hierarchy if any\n=========================== end of launching class info\n\n";
    const struct {
        bool otherOptions;
        std::string typed;
        std::string options;
    } cases[] = {
        {true, SampleClass(), "-Xmx64m"},
        // The options only when given to class information; the class text trimmed.
        {false, "  " + SampleClass() + " ", ""},
    };
    OpenDialog();
    for (const auto& c : cases) {
        RemoveFile(Log());
        UseKnownSettingsWithClassInfoOptions(c.otherOptions);
        SetText(IDC_MAIN_CLASS, c.typed);
        Click(IDC_CLASS_INFO);
        EXPECT_EQ(WaitForLog(), ClassInfoLine(c.options, SampleClass())) << c.typed;
        EXPECT_TRUE(shownMessages.empty());
        EXPECT_TRUE(IsShown(IDC_OUTPUT_PANE));
        EXPECT_EQ(PaneText(), status);
    }
}

TEST_F(MainDialogMenuTest, ClassInfoRefusalsShowTheirMessageAndNoStatus)
{
    const struct {
        std::string typed;
        std::function<void()> arrange;
        const char* messagePart;
        const char* caption;
    } cases[] = {
        {"", nullptr, "Please input an application class", "Message"},
        {"   ", nullptr, "Please input an application class", "Message"},
        // A viewer that could not start is not reported as started.
        {SampleClass(), [this] { RemoveFile(Bin() + "\\Hembrook.exe"); },
         "Can not start Hembrook", "Message"},
        {SampleClass(), [this] { settings.Close(); }, kSettingsMissingMessage, "Quenlow"},
    };
    for (const auto& c : cases) {
        OpenDialog();
        shownMessages.clear();
        if (c.arrange)
            c.arrange();
        SetText(IDC_MAIN_CLASS, c.typed);
        Click(IDC_CLASS_INFO);
        ASSERT_EQ(shownMessages.size(), 1u) << c.messagePart;
        EXPECT_NE(shownMessages[0].text.find(c.messagePart), std::string::npos) << shownMessages[0].text;
        EXPECT_EQ(shownMessages[0].caption, c.caption);
        EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE)) << c.messagePart;
        CloseDialog();
    }
}

TEST_F(MainDialogMenuTest, BrowsingAClassWithoutMainOffersItsClassInformation)
{
    const std::string item = TestDataPath("foundation/classfile/fixtures/classes8/legacy/Legacy$Item.class");
    seams::ChooseOpenFile = PickFile;
    pickedPath = item;
    OpenDialog();
    UseKnownSettingsWithClassInfoOptions(true);
    for (int reply : {IDNO, IDYES}) {
        shownMessages.clear();
        answer = reply;
        Click(IDC_BROWSE_MAIN_CLASS);
        ASSERT_EQ(shownMessages.size(), 1u) << shownMessages.back().text;
        EXPECT_EQ(shownMessages[0].text, "The class is not an application\ndo you want to view its source code now?\n");
        EXPECT_EQ(ComboBox(Item(IDC_MAIN_CLASS)).GetCount(), 0);
    }
    // One start, for the Yes, and no status text.
    EXPECT_EQ(WaitForLog(), ClassInfoLine("-Xmx64m", item));
    EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE));
}

}  // namespace
