// The option dialogs on a settings file of their own: what each shows,
// refuses and stores, and the page its "?" opens. The dialogs run modeless
// here, driven by window messages as a user's clicks would.
#include <windows.h>
#include <commctrl.h>
#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls.h"
#include "controls_ids.h"
#include "install_registry.h"
#include "java_properties_dialog.h"
#include "option_dialogs.h"
#include "option_dialogs_ids.h"
#include "paths/file_system.h"
#include "registry.h"
#include "rich_edit.h"
#include "seams.h"
#include "settings/main_args.h"
#include "support/message_pump.h"
#include "support/test_files.h"

namespace {

class OptionDialogsTest : public ::testing::Test {
protected:
    static inline std::vector<std::string> messages;
    static inline std::vector<std::string> helpOpened;
    static int RecordMessage(HWND, const char* text, const char* caption, UINT)
    {
        EXPECT_STREQ(caption, "Message");
        messages.push_back(text);
        return IDOK;
    }
    static HWND RecordHelp(HWND, const char* file, UINT command, DWORD_PTR)
    {
        EXPECT_EQ(command, static_cast<UINT>(HH_DISPLAY_TOPIC));
        helpOpened.push_back(file);
        return nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        const std::string folder = ScratchPath(::testing::UnitTest::GetInstance()->current_test_info()->name());
        CreateDirectoryA(folder.c_str(), nullptr);
        settingsPath = folder + "\\Quenlow.set";
        argsPath = folder + "\\mainargs.data";
        RemoveFile(settingsPath);
        RemoveFile(argsPath);
        messages.clear();
        helpOpened.clear();
        seams::ShowMessage = RecordMessage;
        seams::OpenHelp = RecordHelp;
    }
    void TearDown() override { seams::Restore(); }

    void MakeSettings()
    {
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenAndInit(settingsPath.c_str()));
        settings.Close();
    }
    // The settings as they are on disk now.
    struct Stored {
        explicit Stored(const std::string& path) { EXPECT_TRUE(settings.OpenExisting(path.c_str())); }
        ~Stored() { settings.Close(); }
        SettingsFile settings;
    };

    static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }
    static std::string Text(HWND window)
    {
        return Control(window).GetText().Data();
    }
    static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    static void Close(HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); }
    static std::vector<std::string> ListItems(HWND list)
    {
        std::vector<std::string> items;
        for (int i = 0; i < ListBox(list).GetCount(); ++i)
            items.push_back(ListBox(list).GetItemText(i).Data());
        return items;
    }
    static void ExpectOneMessage(const std::string& text, const std::string& context)
    {
        ASSERT_EQ(messages.size(), 1u) << context;
        EXPECT_EQ(messages[0], text) << context;
    }

    std::string settingsPath;
    std::string argsPath;
};

TEST_F(OptionDialogsTest, FileOptionsRefuseWhatTheyCanNotKeepAndStoreTheRest)
{
    MakeSettings();
    DlgFileOptions dialog(nullptr, settingsPath.c_str());
    ASSERT_TRUE(dialog.Create());
    const HWND d = dialog.Handle();
    // The first start's lists, all files included, exclusion on.
    EXPECT_EQ(ListItems(GetDlgItem(d, IDC_INCLUDE_LIST)), (std::vector<std::string>{"class"}));
    EXPECT_TRUE(Checked(d, IDC_INCLUDE_ALL));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_INCLUDE_EDIT)));
    Click(d, IDC_INCLUDE_ALL);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_INCLUDE_EDIT)));

    const struct {
        const char* name;
        int edit;  // 0: a removal
        std::string typed;
        int button;
        int select;  // the list entry selected before a removal; -1 none
        const char* message;  // nullptr: taken
    } steps[] = {
        {"empty", IDC_INCLUDE_EDIT, "  ", IDC_INCLUDE_ADD, -1, "Please input file extension"},
        {"a.b", IDC_INCLUDE_EDIT, "a.b", IDC_INCLUDE_ADD, -1,
         "Only english characters, numbers and _ can be file extension"},
        {"class excluded", IDC_EXCLUDE_EDIT, "Class", IDC_EXCLUDE_ADD, -1, "Error: class file can not be excluded"},
        {"duplicate in another case", IDC_INCLUDE_EDIT, "CLASS", IDC_INCLUDE_ADD, -1,
         "The file extension is in list box already"},
        {"added trimmed", IDC_INCLUDE_EDIT, " txt ", IDC_INCLUDE_ADD, -1, nullptr},
        {"excluded", IDC_EXCLUDE_EDIT, "old_1", IDC_EXCLUDE_ADD, -1, nullptr},
        {"nothing selected", 0, "", IDC_INCLUDE_REMOVE, -1, "Please select a file extension for removing"},
        {"removing class", 0, "", IDC_INCLUDE_REMOVE, 0, "Error: class file can not be removed"},
    };
    for (const auto& step : steps) {
        messages.clear();
        if (step.edit)
            SetText(d, step.edit, step.typed);
        else
            ListBox(GetDlgItem(d, IDC_INCLUDE_LIST)).SetCurSel(step.select);
        Click(d, step.button);
        if (step.message) {
            ExpectOneMessage(step.message, step.name);
        } else {
            EXPECT_TRUE(messages.empty()) << step.name;
            EXPECT_EQ(Text(GetDlgItem(d, step.edit)), "") << step.name;
        }
    }
    EXPECT_EQ(ListItems(GetDlgItem(d, IDC_INCLUDE_LIST)), (std::vector<std::string>{"class", "txt"}));

    const struct {
        const char* timeout;
        bool closes;
    } closes[] = {{"15", false}, {"121", false}, {"x", false}, {"20", true}};
    for (const auto& attempt : closes) {
        messages.clear();
        SetText(d, IDC_COMPRESS_TIMEOUT, attempt.timeout);
        Close(d);
        EXPECT_EQ(IsWindow(d) == FALSE, attempt.closes) << attempt.timeout;
        if (!attempt.closes)
            ExpectOneMessage("Error\n\"Compressing timeout\" must be from 20 to 120 seconds\n", attempt.timeout);
        else
            EXPECT_TRUE(messages.empty());
    }

    Stored stored(settingsPath);
    int includeAll = -1;
    int exclusionDisabled = -1;
    stored.settings.GetFileOptions(&includeAll, &exclusionDisabled);
    EXPECT_EQ(includeAll, 0);
    EXPECT_EQ(exclusionDisabled, 0);
    EXPECT_EQ(stored.settings.GetFileInts(), 20);
    StringList included;
    stored.settings.GetList(included, kSectionIncludeExtensions);
    ASSERT_EQ(included.Count(), 2);
    EXPECT_STREQ(included.At(1)->Data(), "txt");
    const std::string golden = ReadFileBytes(TestDataPath("quenlow/dialogs/data/file_options.set"));
    // Only the keys and lists of the file options were written.
    EXPECT_EQ(ReadFileBytes(settingsPath), golden);
}

TEST_F(OptionDialogsTest, FileOptionsWithoutSettingsShowFifteenSecondsWhichTheStoreRefuses)
{
    DlgFileOptions dialog(nullptr, settingsPath.c_str());
    ASSERT_TRUE(dialog.Create());
    const HWND d = dialog.Handle();
    EXPECT_EQ(Text(GetDlgItem(d, IDC_COMPRESS_TIMEOUT)), "15");
    EXPECT_TRUE(Checked(d, IDC_INCLUDE_ALL));
    EXPECT_FALSE(Checked(d, IDC_EXCLUSION_DISABLED));
    Close(d);
    ExpectOneMessage("Error\n\"Compressing timeout\" must be from 20 to 120 seconds\n", "15");
    // Nothing included and not all files: refused before the time-out is looked at.
    messages.clear();
    Click(d, IDC_INCLUDE_ALL);
    SetText(d, IDC_COMPRESS_TIMEOUT, "30");
    Close(d);
    ExpectOneMessage("Error\nYou must select \"Include All files\"\nor add some file extensions\nas \"Inclusive "
                     "extesions\"\n",
                     "empty list");
    // Closes once what it shows is sound, storing nothing: there is no file.
    Click(d, IDC_INCLUDE_ALL);
    Close(d);
    EXPECT_FALSE(IsWindow(d));
    EXPECT_FALSE(FileExists(settingsPath));
}

// Whether the button paints exactly the pixels of the bitmap resource.
bool DrawnAs(HWND button, int bitmapId)
{
    RECT area;
    GetClientRect(button, &area);
    HDC screen = GetDC(button);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP drawn = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ oldDrawn = SelectObject(canvas, drawn);
    SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas), PRF_CLIENT);
    HDC source = CreateCompatibleDC(screen);
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HGDIOBJ oldPicture = SelectObject(source, picture);
    int differing = 0;
    for (int y = 0; y < area.bottom; ++y) {
        for (int x = 0; x < area.right; ++x)
            differing += GetPixel(canvas, x, y) != GetPixel(source, x, y);
    }
    SelectObject(source, oldPicture);
    SelectObject(canvas, oldDrawn);
    DeleteObject(picture);
    DeleteObject(drawn);
    DeleteDC(source);
    DeleteDC(canvas);
    ReleaseDC(button, screen);
    return picture && differing == 0;
}

TEST_F(OptionDialogsTest, FileOptionsListButtonsAreDrawnFromTheirBitmapsAndFollowTheirBoxes)
{
    MakeSettings();
    DlgFileOptions dialog(nullptr, settingsPath.c_str());
    ASSERT_TRUE(dialog.Create());
    const HWND d = dialog.Handle();
    // Away from the buttons, so that none shows its focused face.
    SetFocus(GetDlgItem(d, IDC_COMPRESS_TIMEOUT));
    const struct {
        int id;
        int normal;
        int pressed;
    } buttons[] = {
        {IDC_INCLUDE_ADD, IDB_UP, IDB_UP_PRESSED},
        {IDC_INCLUDE_REMOVE, IDB_DOWN, IDB_DOWN_PRESSED},
        {IDC_EXCLUDE_ADD, IDB_UP, IDB_UP_PRESSED},
        {IDC_EXCLUDE_REMOVE, IDB_DOWN, IDB_DOWN_PRESSED},
    };
    for (const auto& b : buttons) {
        const HWND button = GetDlgItem(d, b.id);
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << b.id;
        RECT place;
        GetWindowRect(button, &place);
        EXPECT_EQ(place.right - place.left, 24) << b.id;
        EXPECT_EQ(place.bottom - place.top, 21) << b.id;
        // The inclusive list's buttons start disabled ("Include all files"):
        // their picture greyed, not the normal one.
        const bool enabled = IsWindowEnabled(button) != FALSE;
        EXPECT_EQ(DrawnAs(button, b.normal), enabled) << b.id;
        if (!enabled)
            continue;
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
        EXPECT_TRUE(DrawnAs(button, b.pressed)) << b.id;
        SendMessageA(button, BM_SETSTATE, FALSE, 0);
    }

    // Each box turns its own list's buttons off, and only those.
    const struct {
        int clicked;  // 0: as opened
        bool inclusive;
        bool exclusive;
    } states[] = {{0, false, true}, {IDC_INCLUDE_ALL, true, true}, {IDC_EXCLUSION_DISABLED, true, false},
                  {IDC_INCLUDE_ALL, false, false}};
    for (const auto& state : states) {
        if (state.clicked)
            Click(d, state.clicked);
        for (int id : {IDC_INCLUDE_ADD, IDC_INCLUDE_REMOVE})
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(d, id)) != FALSE, state.inclusive) << state.clicked << " " << id;
        for (int id : {IDC_EXCLUDE_ADD, IDC_EXCLUDE_REMOVE})
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(d, id)) != FALSE, state.exclusive) << state.clicked << " " << id;
    }
}

TEST_F(OptionDialogsTest, SmallDialogsStoreWhatTheyShowOnTheirWayOut)
{
    MakeSettings();
    {
        DlgMenuStyle dialog(nullptr, settingsPath.c_str());
        ASSERT_TRUE(dialog.Create());
        EXPECT_TRUE(Checked(dialog.Handle(), IDC_MENU_EXPANDED));  // the default
        Click(dialog.Handle(), IDC_MENU_COLLAPSED);
        Click(dialog.Handle(), IDC_MENU_STYLE_APPLY);
        EXPECT_FALSE(IsWindow(dialog.Handle()));
        EXPECT_EQ(Stored(settingsPath).settings.GetMenuExpand(), 0);
    }
    for (const bool apply : {false, true}) {
        DlgOtherJava dialog(nullptr, settingsPath.c_str());
        ASSERT_TRUE(dialog.Create());
        const HWND d = dialog.Handle();
        EXPECT_TRUE(Checked(d, IDC_OTHER_JAVA_FOR_EXE)) << apply;  // stored only by the Apply below
        RichEdit(GetDlgItem(d, IDC_OTHER_JAVA_TEXT)).SetText("-Xmx64m\r\n-Dq=1");
        Click(d, IDC_OTHER_JAVA_FOR_EXE);
        Click(d, apply ? IDC_OTHER_JAVA_APPLY : IDC_OTHER_JAVA_CANCEL);
        EXPECT_FALSE(IsWindow(d));
        Stored stored(settingsPath);
        int flags[SettingsFile::kFlagCount] = {};
        stored.settings.GetOtherJavaFlags(flags);
        XString options;
        stored.settings.GetOtherJavaOptions(options, 1);
        EXPECT_EQ(flags[0], apply ? 0 : 1);
        EXPECT_EQ(flags[1] + flags[2], 2);
        EXPECT_STREQ(options.Data(), apply ? "-Xmx64m -Dq=1" : "") << apply;
    }
    {
        WriteFileBytes(argsPath, "one\r\ntwo");
        DlgMainArgs dialog(nullptr, settingsPath.c_str(), argsPath.c_str());
        ASSERT_TRUE(dialog.Create());
        const HWND d = dialog.Handle();
        EXPECT_EQ(Text(GetDlgItem(d, IDC_MAIN_ARGS_TEXT)), "one\r\ntwo");
        SetText(d, IDC_MAIN_ARGS_TEXT, "three \"four five\"");
        Click(d, IDC_MAIN_ARGS_FOR_DOUBLE_CLICK);
        Click(d, IDC_MAIN_ARGS_APPLY);
        EXPECT_FALSE(IsWindow(d));
        EXPECT_EQ(ReadFileBytes(argsPath), "three \"four five\"");
        int flags[SettingsFile::kFlagCount] = {};
        Stored(settingsPath).settings.GetMainArgsFlags(flags);
        EXPECT_EQ(flags[kArgsForExe], 0);
        EXPECT_EQ(flags[kArgsForDoubleClick], 1);
    }
    // Stored whichever way the dialog closes.
    for (const UINT closing : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(IDCANCEL)}) {
        DlgIconOptions dialog(nullptr, settingsPath.c_str());
        ASSERT_TRUE(dialog.Create());
        const HWND d = dialog.Handle();
        Click(d, closing == WM_CLOSE ? IDC_ICON_RICH_COLORS : IDC_ICON_SAME_SIZE);
        if (closing == WM_CLOSE)
            Close(d);
        else
            SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(IsWindow(d));
        int flags[SettingsFile::kFlagCount] = {};
        Stored(settingsPath).settings.GetIconOptions(flags);
        EXPECT_EQ(flags[0], 0);
        EXPECT_EQ(flags[1], closing == WM_CLOSE ? 1 : 0);
    }
    EXPECT_TRUE(messages.empty());
}

// An arguments file that can not be written is said, naming it; the dialog
// stays with the text typed, and nothing else is stored.
TEST_F(OptionDialogsTest, MainArgumentsThatCanNotBeSavedSaySoAndStay)
{
    MakeSettings();
    const std::string before = ReadFileBytes(settingsPath);
    const struct {
        const char* name;
        bool folder;  // a folder in the file's place; else a file held open without sharing
    } cases[] = {{"a folder in its place", true}, {"held by another program", false}};
    for (const auto& c : cases) {
        RemoveFile(argsPath);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.folder) {
            ASSERT_TRUE(CreateDirectoryA(argsPath.c_str(), nullptr)) << c.name;
        } else {
            ASSERT_TRUE(WriteFileBytes(argsPath, "kept"));
            held = CreateFileA(argsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.name;
        }
        messages.clear();
        DlgMainArgs dialog(nullptr, settingsPath.c_str(), argsPath.c_str());
        ASSERT_TRUE(dialog.Create());
        const HWND d = dialog.Handle();
        SetText(d, IDC_MAIN_ARGS_TEXT, "typed -x");
        Click(d, IDC_MAIN_ARGS_FOR_DOUBLE_CLICK);
        Click(d, IDC_MAIN_ARGS_APPLY);
        ExpectOneMessage("The arguments of main() were not saved:\n" + argsPath + "\ncan not be written.", c.name);
        ASSERT_TRUE(IsWindow(d)) << c.name;
        EXPECT_EQ(Text(GetDlgItem(d, IDC_MAIN_ARGS_TEXT)), "typed -x") << c.name;
        DestroyWindow(d);
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        RemoveDirectoryA(argsPath.c_str());
        EXPECT_EQ(ReadFileBytes(settingsPath), before) << c.name;
    }
    RemoveFile(argsPath);
}

// Only the entry "class" itself is kept in the inclusive list: any other,
// "classic" too, goes.
TEST_F(OptionDialogsTest, FileOptionsRemoveEveryInclusiveExtensionButClass)
{
    MakeSettings();
    DlgFileOptions dialog(nullptr, settingsPath.c_str());
    ASSERT_TRUE(dialog.Create());
    const HWND d = dialog.Handle();
    Click(d, IDC_INCLUDE_ALL);
    for (const char* extension : {"classic", "classes", "xclass", "cla"}) {
        SetText(d, IDC_INCLUDE_EDIT, extension);
        Click(d, IDC_INCLUDE_ADD);
    }
    const HWND list = GetDlgItem(d, IDC_INCLUDE_LIST);
    const struct {
        const char* entry;
        bool removed;
    } cases[] = {
        {"classic", true}, {"class", false}, {"classes", true}, {"xclass", true}, {"cla", true},
    };
    for (const auto& c : cases) {
        messages.clear();
        const int at = static_cast<int>(
            SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(c.entry)));
        ASSERT_GE(at, 0) << c.entry;
        ListBox(list).SetCurSel(at);
        Click(d, IDC_INCLUDE_REMOVE);
        const std::vector<std::string> items = ListItems(list);
        EXPECT_EQ(std::find(items.begin(), items.end(), c.entry) == items.end(), c.removed) << c.entry;
        if (c.removed)
            EXPECT_TRUE(messages.empty()) << c.entry;
        else
            ExpectOneMessage("Error: class file can not be removed", c.entry);
    }
    EXPECT_EQ(ListItems(list), std::vector<std::string>{"class"});
    DestroyWindow(d);
}

TEST_F(OptionDialogsTest, TextsThatAPayloadCanNotCarryAreRefused)
{
    MakeSettings();
    DlgOtherJava other(nullptr, settingsPath.c_str());
    ASSERT_TRUE(other.Create());
    RichEdit(GetDlgItem(other.Handle(), IDC_OTHER_JAVA_TEXT)).SetText("-Dq=a\xA5z");
    Click(other.Handle(), IDC_OTHER_JAVA_APPLY);
    DlgMainArgs args(nullptr, settingsPath.c_str(), argsPath.c_str());
    ASSERT_TRUE(args.Create());
    SetText(args.Handle(), IDC_MAIN_ARGS_TEXT, "\xBB");
    Click(args.Handle(), IDC_MAIN_ARGS_APPLY);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("The other Java options\n-Dq=a\xA5z\nholds the character", 0), 0u) << messages[0];
    EXPECT_EQ(messages[1].rfind("The arguments for main()\n\xBB\n", 0), 0u) << messages[1];
    EXPECT_TRUE(IsWindow(other.Handle()));
    EXPECT_TRUE(IsWindow(args.Handle()));
    XString options;
    Stored(settingsPath).settings.GetOtherJavaOptions(options, 1);
    EXPECT_STREQ(options.Data(), "");
    EXPECT_FALSE(FileExists(argsPath));
}

// The association is HKCR's: the test leaves ".class" as it found it.
class DoubleClickDialogTest : public OptionDialogsTest {
protected:
    void SetUp() override
    {
        OptionDialogsTest::SetUp();
        hadType = ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, typeBefore) != 0;
    }
    void TearDown() override
    {
        DeleteKeyTree(HKEY_CLASSES_ROOT, "quenlow.document");
        DeleteKeyTree(HKEY_CLASSES_ROOT, ".class");
        if (hadType)
            WriteRegistryString(HKEY_CLASSES_ROOT, ".class", typeBefore.Data());
        OptionDialogsTest::TearDown();
    }
    static std::string ClassType()
    {
        XString type;
        ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, type);
        return type.Data();
    }
    bool hadType = false;
    XString typeBefore;
};

TEST_F(DoubleClickDialogTest, ApplyWritesTheAssociationAndDisableRestoresTheTypeBefore)
{
    MakeSettings();
    WriteRegistryString(HKEY_CLASSES_ROOT, ".class", "earlier.type");
    DlgDoubleClick dialog(nullptr, settingsPath.c_str(), "C:\\Q\\Quenlow.exe");
    ASSERT_TRUE(dialog.Create());
    const HWND d = dialog.Handle();
    EXPECT_EQ(Text(d), "Double click to run - disabled");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_DOUBLE_CLICK_DISABLE)));
    EXPECT_EQ(Text(GetDlgItem(d, IDC_APPLET_WIDTH)), "500");
    EXPECT_EQ(Text(GetDlgItem(d, IDC_APPLET_HEIGHT)), "400");

    // Refusals: nothing allowed; a size below 100 or not a number.
    for (int id : {IDC_ALLOW_ERRORS, IDC_ALLOW_APPLICATIONS, IDC_ALLOW_APPLETS})
        Click(d, id);
    Click(d, IDC_DOUBLE_CLICK_APPLY);
    ExpectOneMessage(DlgDoubleClick::kNoAllowMessage, "no Allow");
    Click(d, IDC_ALLOW_APPLETS);
    for (const char* width : {"99", "wide"}) {
        messages.clear();
        SetText(d, IDC_APPLET_WIDTH, width);
        Click(d, IDC_DOUBLE_CLICK_APPLY);
        ExpectOneMessage(DlgDoubleClick::kSizeMessage, width);
    }
    EXPECT_EQ(ClassType(), "earlier.type");

    messages.clear();
    SetText(d, IDC_APPLET_WIDTH, "100");
    Click(d, IDC_MONITOR_STREAMS);
    Click(d, IDC_DOUBLE_CLICK_APPLY);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ClassType(), "quenlow.document");
    XString command;
    ReadRegistryString(HKEY_CLASSES_ROOT, "quenlow.document\\shell\\open\\command", nullptr, command);
    EXPECT_STREQ(command.Data(), "\"C:\\Q\\Quenlow.exe\" /double-click \"%1\"");
    EXPECT_EQ(Text(d), "Double click to run - enabled");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_DOUBLE_CLICK_DISABLE)));
    {
        int flags[SettingsFile::kFlagCount] = {};
        int width = 0;
        int height = 0;
        Stored(settingsPath).settings.GetExplorerOptions(flags, &width, &height);
        // Run applications, run applets, show errors, monitor streams.
        EXPECT_EQ((std::vector<int>{flags[0], flags[1], flags[2], flags[3], width, height}),
                  (std::vector<int>{0, 1, 0, 1, 100, 400}));
    }

    Click(d, IDC_DOUBLE_CLICK_DISABLE);
    EXPECT_EQ(ClassType(), "earlier.type");
    EXPECT_EQ(Text(d), "Double click to run - disabled");
    Click(d, IDC_DOUBLE_CLICK_CLOSE);
    EXPECT_FALSE(IsWindow(d));
}

TEST_F(DoubleClickDialogTest, TheCaptionSaysEnabledOnlyWhenTheAssociationReadsBack)
{
    MakeSettings();
    DlgDoubleClick dialog(nullptr, settingsPath.c_str(), "C:\\Q\\Quenlow.exe");
    ASSERT_TRUE(dialog.Create());
    WriteRegistryString(HKEY_CLASSES_ROOT, ".class", "other.type");
    SetText(dialog.Handle(), IDC_APPLET_WIDTH, "200");
    // The settings can not be opened (held without sharing): the association
    // is not written, and the caption, read from the registry, does not
    // claim it was.
    HANDLE held = CreateFileA(settingsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Click(dialog.Handle(), IDC_DOUBLE_CLICK_APPLY);
    CloseHandle(held);
    EXPECT_EQ(ClassType(), "other.type");
    EXPECT_EQ(Text(dialog.Handle()), "Double click to run - disabled");
}

TEST_F(OptionDialogsTest, EachQuestionMarkOpensItsPage)
{
    MakeSettings();
    const std::string file = GetProgramDir().Data() + std::string("\\quenlow.chm::\\html\\");
    auto check = [&](Dialog& dialog, const std::string& page) {
        ASSERT_TRUE(dialog.Create());
        helpOpened.clear();
        SendMessageA(dialog.Handle(), WM_NCLBUTTONDOWN, HTHELP, 0);
        ASSERT_EQ(helpOpened.size(), 1u) << page;
        EXPECT_EQ(helpOpened[0], file + page);
        EXPECT_TRUE(IsWindow(dialog.Handle())) << page;
    };
    DlgMenuStyle menuStyle(nullptr, settingsPath.c_str());
    check(menuStyle, "Options\\ContextMenuStyle.htm");
    DlgOtherJava other(nullptr, settingsPath.c_str());
    check(other, "options\\OtherJavaOps.htm");
    DlgMainArgs args(nullptr, settingsPath.c_str(), argsPath.c_str());
    check(args, "options\\Argsofmain.htm");
    DlgDoubleClick doubleClick(nullptr, settingsPath.c_str(), "C:\\Q\\Quenlow.exe");
    check(doubleClick, "feature\\explorer\\03doubleclick.htm");
    DlgFileOptions fileOptions(nullptr, settingsPath.c_str());
    check(fileOptions, "options\\FileOps.htm");
    DlgIconOptions icon(nullptr, settingsPath.c_str());
    check(icon, "options\\IconOps.htm");
    // The Java properties have a Help button instead.
    DlgJavaProperty properties(nullptr);
    ASSERT_TRUE(properties.Create());
    helpOpened.clear();
    SendMessageA(GetDlgItem(properties.Handle(), IDC_PROPERTIES_HELP), BM_CLICK, 0, 0);
    ASSERT_EQ(helpOpened.size(), 1u);
    EXPECT_EQ(helpOpened[0], file + "information\\javaproperty.htm");
    // Enter closes none of the option dialogs.
    for (Dialog* dialog : std::vector<Dialog*>{&menuStyle, &other, &args, &doubleClick, &fileOptions, &icon}) {
        SendMessageA(dialog->Handle(), WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(IsWindow(dialog->Handle())) << dialog->TemplateId();
    }
}

}  // namespace

namespace {

// The Java properties of the test JDK (real java through the bridge), read
// by the probe that the build put into this program's bin folder.
class JavaPropertiesDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(LoadRichEditLibrary()); }

    struct Node {
        std::string text;
        std::vector<std::string> children;
    };
    static std::string ItemText(HWND tree, LPARAM item)
    {
        char text[1024] = {};
        TVITEMA request = {};
        request.mask = TVIF_TEXT;
        request.hItem = reinterpret_cast<HTREEITEM>(item);
        request.pszText = text;
        request.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
        return text;
    }
    static std::vector<Node> Roots(HWND tree)
    {
        std::vector<Node> roots;
        for (LRESULT item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0); item;
             item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item)) {
            Node node{ItemText(tree, item), {}};
            for (LRESULT child = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, item); child;
                 child = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, child))
                node.children.push_back(ItemText(tree, child));
            roots.push_back(node);
        }
        return roots;
    }
};

TEST_F(JavaPropertiesDialogTest, ReadShowsTheJdksPropertiesSortedWithTheirPieces)
{
    {
        DlgJavaProperty dialog(nullptr);
        ASSERT_TRUE(dialog.Create());
        const HWND d = dialog.Handle();
        EXPECT_EQ(Control(d, IDC_PROPERTIES_JDK_HOME).GetText().Data(), std::string("C:\\jdk17"));
        EXPECT_TRUE(IsDlgButtonChecked(d, IDC_PROPERTIES_JDK) == BST_CHECKED) << "only a JDK is installed";
        SendMessageA(GetDlgItem(d, IDC_PROPERTIES_READ), BM_CLICK, 0, 0);
        const HWND tree = GetDlgItem(d, IDC_PROPERTIES_TREE);
        EXPECT_NE(GetWindowLongA(tree, GWL_STYLE) & WS_VISIBLE, 0);
        const std::vector<Node> roots = Roots(tree);
        ASSERT_GT(roots.size(), 10u) << RichEdit(GetDlgItem(d, IDC_PROPERTIES_ERRORS)).GetText().Data();
        bool sorted = true;
        for (size_t i = 1; i < roots.size(); ++i)
            sorted = sorted && lstrcmpiA(roots[i - 1].text.c_str(), roots[i].text.c_str()) <= 0;
        EXPECT_TRUE(sorted);
        auto find = [&](const std::string& name) -> const Node* {
            for (const Node& node : roots) {
                if (node.text == name)
                    return &node;
            }
            return nullptr;
        };
        const Node* version = find("java.version");
        ASSERT_NE(version, nullptr);
        ASSERT_EQ(version->children.size(), 1u);
        EXPECT_EQ(version->children[0].rfind("17", 0), 0u) << version->children[0];
        const Node* classPath = find("java.class.path");
        ASSERT_NE(classPath, nullptr);
        ASSERT_FALSE(classPath->children.empty());
        EXPECT_NE(classPath->children[0].find("classes.jar"), std::string::npos) << classPath->children[0];
        // The class path's pieces, split at ';'.
        EXPECT_EQ(classPath->children.size(), 1u);
    }
}

TEST_F(JavaPropertiesDialogTest, AProbeThatFailsShowsItsErrors)
{
    // Without the probe's archive the virtual machine's own complaint is shown.
    DlgJavaProperty dialog(nullptr);
    ASSERT_TRUE(dialog.Create());
    const HWND d = dialog.Handle();
    const std::string jar = GetBinDir().Data() + std::string("\\classes.jar");
    const std::string aside = jar + ".aside";
    ASSERT_TRUE(MoveFileA(jar.c_str(), aside.c_str()));
    SendMessageA(GetDlgItem(d, IDC_PROPERTIES_READ), BM_CLICK, 0, 0);
    MoveFileA(aside.c_str(), jar.c_str());
    EXPECT_EQ(GetWindowLongA(GetDlgItem(d, IDC_PROPERTIES_TREE), GWL_STYLE) & WS_VISIBLE, 0);
    const std::string errors = RichEdit(GetDlgItem(d, IDC_PROPERTIES_ERRORS)).GetText().Data();
    EXPECT_NE(errors.find("property.Property"), std::string::npos) << errors;
}

}  // namespace
