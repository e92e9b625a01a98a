// The main dialog as a user drives it: a main class typed into its combo and
// Run pressed, bad inputs answered with their messages, and the histories and
// options kept in the settings file from one opening to the next.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls.h"
#include "main_dialog_fixture.h"
#include "info_dialogs_ids.h"
#include "ole_control_site.h"
#include "paths/file_system.h"
#include "rich_edit.h"
#include "run_command.h"
#include "settings/main_args.h"
#include "seams.h"
#include "single_instance.h"
#include "support/pane_text.h"
#include "support/message_pump.h"
#include "support/test_files.h"
#include "web_browser.h"
#include "window_place.h"

namespace {

TEST_F(MainDialogTest, RunShowsTheProgramsOutputBetweenTheBanners)
{
    OpenDialog();
    SetText(IDC_MAIN_CLASS, SampleClass());
    Click(IDC_RUN_MAIN_CLASS);
    ASSERT_TRUE(WaitForPane("end of launching main class\n")) << PaneText();
    // The end step runs on a worker thread; let its last messages arrive.
    for (DWORD waited = 0; (!IsShown(IDC_RUN_MAIN_CLASS) || IsShown(IDC_STOP_MAIN_CLASS)) && waited < kRunLimitMs; waited += 50)
        PumpFor(50);
    const std::string pane = PaneText();
    EXPECT_TRUE(shownMessages.empty()) << shownMessages[0].text;
    EXPECT_EQ(pane.find("=========================== start  launching main class\n"), 0u) << pane;
    const size_t hello = pane.find("Hello from demo.Main\n");
    EXPECT_NE(hello, std::string::npos) << pane;
    EXPECT_NE(pane.find("arguments: \n"), std::string::npos) << pane;
    EXPECT_NE(pane.find("a line on standard error\n"), std::string::npos) << pane;
    const size_t end = pane.find("\n=========================== end of launching main class\n\n");
    EXPECT_NE(end, std::string::npos) << pane;
    EXPECT_LT(hello, end);
    EXPECT_TRUE(IsShown(IDC_OUTPUT_PANE));
    // Back to idle: the run button in place of the stop button, every run button usable.
    EXPECT_TRUE(IsShown(IDC_RUN_MAIN_CLASS));
    EXPECT_FALSE(IsShown(IDC_STOP_MAIN_CLASS));
    for (int id : {IDC_CREATE, IDC_RUN_MAIN_CLASS, IDC_LAUNCH_OUTPUT, IDC_VIEW_EXE_COMMAND, IDC_CLASS_INFO})
        EXPECT_TRUE(IsEnabled(id)) << id;
}

// The top of a line of a rich edit, in its client coordinates.
int LineTop(HWND pane, int line)
{
    POINTL at = {};
    SendMessageA(pane, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), SendMessageA(pane, EM_LINEINDEX, line, 0));
    return static_cast<int>(at.y);
}

TEST_F(MainDialogTest, ARunEndsWithItsLastLineInViewAndNoLineCutAtTheTop)
{
    // Arguments enough for a printed line that wraps over more lines than the pane shows.
    const std::string argsPath = std::string(GetProgramDir().Data()) + "\\Setting\\mainargs.data";
    CreateDirectoryA((std::string(GetProgramDir().Data()) + "\\Setting").c_str(), nullptr);
    std::string words;
    for (int i = 0; i < 80; ++i)
        words += "word" + std::to_string(i) + " ";
    ASSERT_TRUE(WriteMainArgs(words.c_str()));
    OpenDialog();
    int flags[SettingsFile::kFlagCount] = {0, 1};
    settings.SetMainArgsFlags(flags);
    SetText(IDC_MAIN_CLASS, SampleClass());
    Click(IDC_RUN_MAIN_CLASS);
    const bool ended = WaitForPane("end of launching main class\n");
    PumpFor(300);
    RemoveFile(argsPath);
    ASSERT_TRUE(ended) << PaneText();

    HWND pane = Item(IDC_OUTPUT_PANE);
    RECT format;
    SendMessageA(pane, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int lines = static_cast<int>(SendMessageA(pane, EM_GETLINECOUNT, 0, 0));
    const int first = static_cast<int>(SendMessageA(pane, EM_GETFIRSTVISIBLELINE, 0, 0));
    const int lineHeight = LineTop(pane, 1) - LineTop(pane, 0);
    ASSERT_GT(lineHeight, 0);
    ASSERT_GT(first, 0) << "the output should not fit the pane";
    EXPECT_EQ(LineTop(pane, first), format.top) << "the first visible line is cut";
    EXPECT_LE(LineTop(pane, lines - 1) + lineHeight, format.bottom) << "the last line is out of view";
}

TEST_F(MainDialogTest, BadMainClassesAreRefusedWithTheirMessage)
{
    const std::string sample = ReadFileBytes(SampleClass());
    ASSERT_FALSE(sample.empty());
    // The sample class of package demo, outside its package folder.
    ASSERT_TRUE(WriteFileBytes(folder + "\\Main.class", sample));
    ASSERT_TRUE(WriteFileBytes(folder + "\\Text.class", "not a class file"));
    ASSERT_TRUE(WriteFileBytes(folder + "\\Cut.class", sample.substr(0, sample.size() / 2)));
    ASSERT_TRUE(WriteFileBytes(folder + "\\Long.class", sample + "x"));
    ASSERT_TRUE(WriteFileBytes(folder + "\\Empty.class", ""));
    const struct {
        std::string mainClass;
        const char* message;
    } cases[] = {
        {"", "Please input an application class as Main class"},
        {"   ", "Please input an application class as Main class"},
        {".class", "Main class is not an available class file"},
        {folder + "\\Missing.class", "Main class is not an available class file"},
        {folder + "\\Text.class", "Main class is not an available class file"},
        {folder + "\\Cut.class", "Main class is not an available class file"},
        {folder + "\\Long.class", "Main class is not an available class file"},
        {folder + "\\Empty.class", "Main class is not an available class file"},
        {SampleClass().substr(0, SampleClass().size() - 5) + "CLASS", "Main class is not an available class file"},
        {folder + "\\Main.class", "Main class is in wrong package directory"},
    };
    OpenDialog();
    for (const auto& c : cases) {
        shownMessages.clear();
        SetText(IDC_MAIN_CLASS, c.mainClass);
        Click(IDC_RUN_MAIN_CLASS);
        ASSERT_NO_FATAL_FAILURE(ExpectOneMessage(c.message, c.mainClass));
        // Nothing was started.
        EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE)) << c.mainClass;
        EXPECT_TRUE(IsShown(IDC_RUN_MAIN_CLASS));
        EXPECT_TRUE(IsEnabled(IDC_CREATE));
    }
}

TEST_F(MainDialogTest, HistoriesAndOptionsSurviveClosingAndReopening)
{
    const struct {
        int combo;
        const char* older;
        const char* newest;
    } histories[] = {
        {IDC_MAIN_CLASS, "C:\\work\\a\\Old.class", "C:\\work\\demo\\Main.class"},
        {IDC_OUTPUT_FILE, "C:\\out\\old.exe", "C:\\out\\demo.jar"},
        {IDC_MANIFEST_FILE, "C:\\mf\\old.mf", "C:\\mf\\demo.mf"},
        {IDC_ICON_FILE, "C:\\ico\\old.ico", "C:\\ico\\demo.ico"},
    };
    OpenDialog();
    for (const auto& h : histories) {
        SendMessageA(Item(h.combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(h.older));
        SetText(h.combo, h.newest);
    }
    Click(IDC_CREATE_JAR);
    Click(IDC_ADD_MANIFEST);
    Click(IDC_COMPRESSION);
    CloseDialog();
    const std::string saved = ReadFileBytes(settingsPath);
    ASSERT_FALSE(saved.empty());

    OpenDialog();
    for (const auto& h : histories) {
        ComboBox combo(Item(h.combo));
        ASSERT_EQ(combo.GetCount(), 2) << h.newest;
        EXPECT_STREQ(combo.GetItemText(0).Data(), h.newest);
        EXPECT_STREQ(combo.GetItemText(1).Data(), h.older);
        EXPECT_STREQ(combo.GetText().Data(), h.newest);
    }
    EXPECT_EQ(Button(Item(IDC_CREATE_JAR)).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(Item(IDC_CREATE_EXE)).GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Button(Item(IDC_ADD_MANIFEST)).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(Item(IDC_COMPRESSION)).GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Button(Item(IDC_MAIN_CLASS_DIR_ONLY)).GetCheck(), BST_CHECKED);
    CloseDialog();
    // A second round without changes writes the same file.
    EXPECT_EQ(ReadFileBytes(settingsPath), saved);
}

// A settings file that can only be read still fills the dialog; closing it
// says that the session's choices could not be written, once.
TEST_F(MainDialogTest, AReadOnlySettingsFileLoadsAndClosingSaysItCanNotWrite)
{
    ASSERT_TRUE(settings.OpenAndInit(settingsPath.c_str()));
    settings.AddListItem("SECT_MAIN_MAINCLASS", "C:\\kept\\Main.class", 1, 1);
    settings.Close();
    const std::string before = ReadFileBytes(settingsPath);
    // Another program reads it and shares no writing: it can not be written.
    HANDLE reader =
        CreateFileA(settingsPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(settings.OpenExisting(settingsPath.c_str()));
    EXPECT_TRUE(settings.IsReadOnly());
    dialog.reset(new MainDlg(settings));
    ASSERT_TRUE(dialog->Create());
    PumpFor(50);
    EXPECT_STREQ(ComboBox(Item(IDC_MAIN_CLASS)).GetItemText(0).Data(), "C:\\kept\\Main.class");
    EXPECT_TRUE(shownMessages.empty());
    CloseDialog();
    CloseHandle(reader);
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_NE(shownMessages[0].text.find("can not write setting file"), std::string::npos) << shownMessages[0].text;
    EXPECT_EQ(ReadFileBytes(settingsPath), before);
}

TEST_F(MainDialogTest, CreateOptionsEnableWhatTheChosenBuildUses)
{
    const struct {
        bool exe;
        bool userIcon;
        bool addManifest;
        bool iconEnabled;
        bool manifestEnabled;
    } cases[] = {
        {true, false, false, false, false},
        {true, true, false, true, false},
        // An exe never takes a manifest, whatever its box shows.
        {true, true, true, true, false},
        {false, true, false, false, false},
        {false, false, true, false, true},
    };
    OpenDialog();
    for (const auto& c : cases) {
        Button(Item(IDC_USER_ICON)).SetCheck(c.userIcon ? BST_CHECKED : BST_UNCHECKED);
        Button(Item(IDC_ADD_MANIFEST)).SetCheck(c.addManifest ? BST_CHECKED : BST_UNCHECKED);
        Click(c.exe ? IDC_CREATE_EXE : IDC_CREATE_JAR);
        EXPECT_EQ(IsEnabled(IDC_USE_JAVAW), c.exe);
        EXPECT_EQ(IsEnabled(IDC_USER_ICON), c.exe);
        EXPECT_EQ(IsEnabled(IDC_ADD_MANIFEST), !c.exe);
        for (int id : {IDC_ICON_FILE, IDC_CONFIRM_ICON, IDC_REMOVE_ICON, IDC_OPEN_ICON})
            EXPECT_EQ(IsEnabled(id), c.iconEnabled) << id;
        for (int id : {IDC_MANIFEST_FILE, IDC_EDIT_MANIFEST, IDC_REMOVE_MANIFEST, IDC_OPEN_MANIFEST})
            EXPECT_EQ(IsEnabled(id), c.manifestEnabled) << id;
        EXPECT_EQ(dialog->GatherState().addManifest, c.addManifest && !c.exe ? 1 : 0);
    }
}

TEST_F(MainDialogTest, TheDialogPublishesItselfForASecondStart)
{
    OpenDialog();
    EXPECT_EQ(single_instance::Find("quenlow_mapfile"), dialog->Handle());
}

TEST_F(MainDialogTest, BadOutputFilesAreRefusedByLaunchAndView)
{
    ASSERT_TRUE(WriteFileBytes(folder + "\\notes.txt", "x"));
    ASSERT_TRUE(WriteFileBytes(folder + "\\app.JAR", "x"));
    const struct {
        std::string output;
        int button;
        const char* message;
    } cases[] = {
        {"", IDC_LAUNCH_OUTPUT, "Output file is unavailable"},
        {folder + "\\missing.exe", IDC_LAUNCH_OUTPUT, "Output file is unavailable"},
        {folder, IDC_VIEW_EXE_COMMAND, "Output file is unavailable"},
        {folder + "\\notes.txt", IDC_LAUNCH_OUTPUT, "The file must be an exe or jar file"},
        {folder + "\\notes.txt", IDC_VIEW_EXE_COMMAND, "The file must be an exe or jar file"},
        {folder + "\\app.JAR", IDC_VIEW_EXE_COMMAND, "The button is only available for exe file"},
    };
    OpenDialog();
    for (const auto& c : cases) {
        shownMessages.clear();
        SetText(IDC_OUTPUT_FILE, c.output);
        Click(c.button);
        ASSERT_NO_FATAL_FAILURE(ExpectOneMessage(c.message, c.output));
        EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE)) << c.output;
        EXPECT_TRUE(IsShown(IDC_LAUNCH_OUTPUT));
        EXPECT_FALSE(IsShown(IDC_STOP_OUTPUT));
    }
}

// Children that end at once: the buttons still end as the run's end step leaves them.
TEST_F(MainDialogTest, LaunchRunsTheOutputFileAndEndsIdle)
{
    const std::string exe = folder + "\\built.exe";
    ASSERT_TRUE(CopyFileA(QUENLOW_RECORDER, exe.c_str(), FALSE));
    const struct {
        std::string output;
        const char* endBanner;
    } cases[] = {
        {exe, "end of launching exe file\n\n"},
        // The sample archive names no main class: Java says so and ends.
        {QUENLOW_SAMPLE_JAR, "end of launching jar file\n\n"},
    };
    OpenDialog();
    for (const auto& c : cases) {
        SetText(IDC_OUTPUT_FILE, c.output);
        Click(IDC_LAUNCH_OUTPUT);
        ASSERT_TRUE(WaitForPane(c.endBanner)) << PaneText();
        // The buttons come back after the end banner, from the worker thread.
        for (DWORD waited = 0; (!IsShown(IDC_LAUNCH_OUTPUT) || IsShown(IDC_STOP_OUTPUT)) && waited < kRunLimitMs; waited += 50)
            PumpFor(50);
        EXPECT_TRUE(IsShown(IDC_LAUNCH_OUTPUT)) << c.output;
        EXPECT_FALSE(IsShown(IDC_STOP_OUTPUT)) << c.output;
        for (int id : {IDC_CREATE, IDC_RUN_MAIN_CLASS, IDC_LAUNCH_OUTPUT, IDC_VIEW_EXE_COMMAND, IDC_CLASS_INFO})
            EXPECT_TRUE(IsEnabled(id)) << id;
    }
    // The built exe was asked to show its streams.
    const std::string log = ReadFileBytes(folder + "\\commandline.log");
    EXPECT_EQ(log, "\"" + exe + "\" /streams" + std::string(1, '\0'));
    EXPECT_NE(PaneText().find("no main manifest attribute"), std::string::npos) << PaneText();
}

TEST_F(MainDialogTest, BrowsedFilesGoToTheTopOfTheirHistory)
{
    const std::string sample = ReadFileBytes(SampleClass());
    ASSERT_TRUE(WriteFileBytes(folder + "\\Text.class", "not a class file"));
    seams::ChooseOpenFile = PickFile;
    seams::ChooseSaveFile = PickFile;
    const struct {
        int button;
        int combo;
        std::string picked;
        const char* message;  // null: the pick goes to the top of the combo
        const char* filter;
    } cases[] = {
        {IDC_BROWSE_MAIN_CLASS, IDC_MAIN_CLASS, SampleClass(), nullptr, "class file (*.class)"},
        {IDC_BROWSE_MAIN_CLASS, IDC_MAIN_CLASS, folder + "\\notes.txt", "Please open a class file", "class file (*.class)"},
        {IDC_BROWSE_MAIN_CLASS, IDC_MAIN_CLASS, folder + "\\Text.class", "Format of the class file is not correct\n",
         "class file (*.class)"},
        {IDC_CHOOSE_OUTPUT, IDC_OUTPUT_FILE, folder + "\\demo.exe", nullptr, "exe file (*.exe)"},
        {IDC_OPEN_ICON, IDC_ICON_FILE, folder + "\\demo.ICO", nullptr, "icon file (*.ico)"},
        {IDC_OPEN_ICON, IDC_ICON_FILE, folder + "\\demo.png", "Please open an icon file", "icon file (*.ico)"},
        {IDC_OPEN_MANIFEST, IDC_MANIFEST_FILE, folder + "\\demo.mf", nullptr, "manifest files (*.mf;*.mft)"},
    };
    OpenDialog();
    Button(Item(IDC_USER_ICON)).SetCheck(BST_CHECKED);
    Click(IDC_CREATE_JAR);
    Button(Item(IDC_ADD_MANIFEST)).SetCheck(BST_CHECKED);
    Click(IDC_CREATE_EXE);
    for (const auto& c : cases) {
        shownMessages.clear();
        ComboBox combo(Item(c.combo));
        combo.ResetContent();
        combo.AddString("C:\\first");
        combo.AddString(c.picked.c_str());
        // The dialog opens in the nearest folder that exists.
        SetText(c.combo, folder + "\\gone\\deeper\\x");
        pickedPath = c.picked;
        Click(c.button);
        EXPECT_EQ(askedFolder, folder) << c.picked;
        EXPECT_EQ(askedFilter, c.filter) << c.picked;
        if (c.message) {
            ASSERT_EQ(shownMessages.size(), 1u) << c.picked;
            EXPECT_EQ(shownMessages[0].text, c.message);
            EXPECT_STREQ(combo.GetItemText(0).Data(), "C:\\first");
        } else {
            EXPECT_TRUE(shownMessages.empty()) << c.picked;
            // Moved from below, not added twice.
            EXPECT_EQ(combo.GetCount(), 2) << c.picked;
            EXPECT_STREQ(combo.GetItemText(0).Data(), c.picked.c_str());
            EXPECT_STREQ(combo.GetText().Data(), c.picked.c_str());
        }
    }
}

TEST_F(MainDialogTest, RemoveDeletesTheEntryOfTheText)
{
    int answer = IDYES;
    static int* answerOf = nullptr;
    answerOf = &answer;
    seams::ShowMessage = [](HWND, const char* text, const char* caption, UINT) {
        shownMessages.push_back({text, caption});
        return *answerOf;
    };
    const struct {
        const char* text;
        int answer;
        int asked;
        int countAfter;
        const char* textAfter;
    } cases[] = {
        {"C:\\b.class", IDYES, 1, 1, "C:\\a.class"},
        {"C:\\b.class", IDNO, 1, 2, "C:\\b.class"},
        // Not in the list: only the selection goes back to the first entry.
        {"C:\\other.class", IDYES, 1, 2, "C:\\a.class"},
        {"", IDYES, 0, 2, ""},
    };
    OpenDialog();
    for (const auto& c : cases) {
        shownMessages.clear();
        ComboBox combo(Item(IDC_MAIN_CLASS));
        combo.ResetContent();
        combo.AddString("C:\\a.class");
        combo.AddString("C:\\b.class");
        SetText(IDC_MAIN_CLASS, c.text);
        answer = c.answer;
        Click(IDC_REMOVE_MAIN_CLASS);
        ASSERT_EQ(static_cast<int>(shownMessages.size()), c.asked) << c.text;
        if (c.asked) {
            EXPECT_EQ(shownMessages[0].text, "Delete selection?");
        }
        EXPECT_EQ(combo.GetCount(), c.countAfter) << c.text;
        EXPECT_STREQ(combo.GetText().Data(), c.textAfter) << c.text;
    }
}

TEST_F(MainDialogTest, ThePaneHidesOnThe31stTickAfterItsLastText)
{
    OpenDialog();
    dialog->ShowStatus("status text");
    for (int tick = 1; tick <= MainDlg::kPaneTicks; ++tick)
        SendMessageA(dialog->Handle(), WM_TIMER, MainDlg::kPaneTimerId, 0);
    EXPECT_TRUE(IsShown(IDC_OUTPUT_PANE));
    EXPECT_EQ(PaneText(), "status text");
    SendMessageA(dialog->Handle(), WM_TIMER, MainDlg::kPaneTimerId, 0);
    EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE));
    EXPECT_EQ(PaneText(), "");
}

TEST_F(MainDialogTest, TheCreatingInformationWaitsHiddenWithTheDialog)
{
    OpenDialog();
    HWND info = dialog->CreateInfo().Handle();
    ASSERT_TRUE(IsWindow(info));
    EXPECT_EQ(GetWindow(info, GW_OWNER), dialog->Handle());
    EXPECT_FALSE(IsWindowVisible(info));
    CloseDialog();
    EXPECT_FALSE(IsWindow(info));
}

// What the manifest editor showed when it opened; it is closed at once.
std::string editorCaption;
std::string editorText;
BOOL CALLBACK FindManifestEditor(HWND window, LPARAM found)
{
    if (!GetDlgItem(window, IDC_MANIFEST_TEXT))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
void CALLBACK CloseManifestEditor(HWND, UINT, UINT_PTR, DWORD)
{
    HWND editor = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindManifestEditor, reinterpret_cast<LPARAM>(&editor));
    if (!editor)
        return;
    editorCaption = Control(editor).GetText().Data();
    editorText = Control(editor, IDC_MANIFEST_TEXT).GetText().Data();
    PostMessageA(editor, WM_CLOSE, 0, 0);
}

TEST_F(MainDialogTest, TheManifestButtonEditsOnlyAReadableTextFile)
{
    const std::string text = "Manifest-Version: 1.0\r\nMain-Class: demo.Main\r\n";
    ASSERT_TRUE(WriteFileBytes(folder + "\\demo.mf", text));
    ASSERT_TRUE(WriteFileBytes(folder + "\\empty.mf", ""));
    ASSERT_TRUE(WriteFileBytes(folder + "\\binary.mf", std::string("Main-Class: x\0y", 15)));
    const struct {
        std::string manifest;
        const char* message;  // null: the editor opens on the file's text
        std::string shownText;
    } cases[] = {
        {"", "Please input a manifest file", ""},
        {folder + "\\missing.mf", "Error: can not open the manifest file", ""},
        {folder, "Error: can not open the manifest file", ""},
        {folder + "\\binary.mf", "Error: the manifest file is not a text file", ""},
        {folder + "\\demo.mf", nullptr, text},
        {folder + "\\empty.mf", nullptr, ""},
    };
    OpenDialog();
    Button(Item(IDC_ADD_MANIFEST)).SetCheck(BST_CHECKED);
    Click(IDC_CREATE_JAR);
    ASSERT_TRUE(IsEnabled(IDC_EDIT_MANIFEST));
    for (const auto& c : cases) {
        shownMessages.clear();
        editorCaption = "(not opened)";
        SetText(IDC_MANIFEST_FILE, c.manifest);
        // Nothing is asked of an unchanged text, so the editor closes on the first tick.
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseManifestEditor);
        Click(IDC_EDIT_MANIFEST);
        KillTimer(nullptr, timer);
        if (c.message) {
            ASSERT_NO_FATAL_FAILURE(ExpectOneMessage(c.message, c.manifest));
            EXPECT_EQ(editorCaption, "(not opened)") << c.manifest;
        } else {
            EXPECT_TRUE(shownMessages.empty()) << c.manifest;
            EXPECT_EQ(editorCaption, "Manifest file - " + c.manifest);
            EXPECT_EQ(editorText, c.shownText) << c.manifest;
        }
    }
    // The file as it was: looking does not write.
    EXPECT_EQ(ReadFileBytes(folder + "\\demo.mf"), text);
}

bool IsAbove(HWND upper, HWND lower)
{
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
        if (below == lower)
            return true;
    }
    return false;
}

TEST_F(MainDialogTest, TheOutputPaneShowsOverTheWebPaneOnTheirSharedPlace)
{
    OpenDialog();
    // Wine's browser control is hosted (it renders nothing without its HTML engine).
    const HWND web = dialog->WebPane().Window();
    ASSERT_NE(web, nullptr);
    const RECT webTemplate = PlaceInParent(Item(IDC_WEB_PANE));
    const RECT shared = {webTemplate.left - 1, webTemplate.bottom - 102, webTemplate.left - 1 + 504,
                         webTemplate.bottom + 2};
    for (HWND window : {Item(IDC_OUTPUT_PANE), web}) {
        const RECT place = PlaceInParent(window);
        EXPECT_EQ(place.left, shared.left);
        EXPECT_EQ(place.top, shared.top);
        EXPECT_EQ(place.right, shared.right);
        EXPECT_EQ(place.bottom, shared.bottom);
    }
    RECT client;
    GetClientRect(dialog->Handle(), &client);
    RECT inside;
    IntersectRect(&inside, &client, &shared);
    EXPECT_TRUE(EqualRect(&inside, &shared)) << client.right << "x" << client.bottom;

    EXPECT_TRUE(GetWindowLongA(web, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE));
    dialog->ShowStatus("status text");
    EXPECT_TRUE(IsShown(IDC_OUTPUT_PANE));
    EXPECT_TRUE(IsAbove(Item(IDC_OUTPUT_PANE), web));
    for (int tick = 0; tick <= MainDlg::kPaneTicks; ++tick)
        SendMessageA(dialog->Handle(), WM_TIMER, MainDlg::kPaneTimerId, 0);
    EXPECT_FALSE(IsShown(IDC_OUTPUT_PANE));
    EXPECT_TRUE(GetWindowLongA(web, GWL_STYLE) & WS_VISIBLE);

    // The window's end lets go of the control and of our site, before the dialog object goes.
    DestroyWindow(dialog->Handle());
    EXPECT_FALSE(IsWindow(web));
    EXPECT_EQ(OleControlSite::Alive(), 0);
}

TEST_F(MainDialogTest, TheWebPaneOpensTheOnlinePageOnlyWhenItsOptionIsOn)
{
    const struct {
        int option;
        std::string location;
    } cases[] = {
        {0, ""},
        {1, MainDlg::kOnlinePage},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(settings.OpenAndInit(settingsPath.c_str()));
        const int menuFlags[SettingsFile::kFlagCount] = {0, c.option};
        settings.SetMenuOptions(menuFlags);
        settings.Close();
        OpenDialog();
        auto* browser = static_cast<IWebBrowser2*>(dialog->WebPane().Query(IID_IWebBrowser2));
        ASSERT_NE(browser, nullptr);
        BSTR url = nullptr;
        browser->get_LocationURL(&url);
        char location[256] = {};
        WideCharToMultiByte(CP_ACP, 0, url ? url : L"", -1, location, sizeof location, nullptr, nullptr);
        SysFreeString(url);
        browser->Release();
        EXPECT_EQ(location, c.location) << c.option;
        // Closing while the page loads (under Wine it never ends) leaves no site behind.
        CloseDialog();
        EXPECT_EQ(OleControlSite::Alive(), 0);
    }
}

// The Linux process is gone, or only a zombie waiting for its reaper.
bool LinuxProcessGone(const std::string& pid)
{
    const std::string stat = ReadFileBytes("Z:\\proc\\" + pid + "\\stat");
    if (stat.empty())
        return true;
    const size_t paren = stat.rfind(')');
    return paren != std::string::npos && stat.size() > paren + 2 && stat[paren + 2] == 'Z';
}

// A run of the sample that waits long enough to be stopped, and names its process.
class LongRunTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        const std::string settingFolder = std::string(GetProgramDir().Data()) + "\\Setting";
        CreateDirectoryA(settingFolder.c_str(), nullptr);
        argsPath = settingFolder + "\\mainargs.data";
        ASSERT_TRUE(WriteMainArgs("--pid\r\n--sleep=120000"));
        OpenDialog();
        int flags[SettingsFile::kFlagCount] = {0, 1};
        settings.SetMainArgsFlags(flags);
        SetText(IDC_MAIN_CLASS, SampleClass());
        Click(IDC_RUN_MAIN_CLASS);
        ASSERT_TRUE(WaitForPane("arguments: --pid --sleep=120000\n")) << PaneText();
        ASSERT_TRUE(WaitForPane("pid: ")) << PaneText();
        PumpFor(100);
        const std::string pane = PaneText();
        const size_t at = pane.find("pid: ");
        ASSERT_NE(at, std::string::npos) << pane;
        pid = pane.substr(at + 5, pane.find('\n', at) - at - 5);
    }
    void TearDown() override
    {
        MainDialogTest::TearDown();
        RemoveFile(argsPath);
    }
    bool WaitUntilGone()
    {
        for (DWORD waited = 0; waited < 60000; waited += 50) {
            if (LinuxProcessGone(pid))
                return true;
            PumpFor(50);
        }
        return false;
    }

    std::string argsPath;
    std::string pid;
};

TEST_F(LongRunTest, StopEndsTheRunAndGivesTheButtonsBack)
{
    EXPECT_TRUE(IsShown(IDC_STOP_MAIN_CLASS));
    EXPECT_FALSE(IsShown(IDC_RUN_MAIN_CLASS));
    EXPECT_FALSE(IsEnabled(IDC_CREATE));
    Click(IDC_STOP_MAIN_CLASS);
    ASSERT_TRUE(WaitForPane("end of launching main class\n")) << PaneText();
    for (DWORD waited = 0; (!IsShown(IDC_RUN_MAIN_CLASS) || IsShown(IDC_STOP_MAIN_CLASS)) && waited < kRunLimitMs; waited += 50)
        PumpFor(50);
    EXPECT_TRUE(IsShown(IDC_RUN_MAIN_CLASS));
    EXPECT_FALSE(IsShown(IDC_STOP_MAIN_CLASS));
    EXPECT_TRUE(IsEnabled(IDC_CREATE));
    EXPECT_TRUE(WaitUntilGone()) << pid;
}

TEST_F(LongRunTest, ClosingDuringARunEndsItWithoutHanging)
{
    const DWORD start = GetTickCount();
    CloseDialog();
    EXPECT_LT(GetTickCount() - start, 60000u);  // java would sleep 120 s
    EXPECT_TRUE(WaitUntilGone()) << pid;
}

TEST(MainClassCommandLine, ClassPathPiecesStandInTheirOrder)
{
    const std::string base = ScratchPath("command_base");
    CreateDirectoryA(base.c_str(), nullptr);
    for (const char* name : {"a.jar", "B.jar", "c.zip", "d.txt"})
        ASSERT_TRUE(WriteFileBytes(base + "\\" + name, "x"));
    const std::string start = "\"J\" -classpath \"" + base + "\";";
    auto inBase = [&](const char* name) { return "\"" + base + "\\" + name + "\";"; };
    const struct {
        const char* system;
        const char* userZips;
        const char* userDirs;
        const char* siblings;
        bool jars;
        bool zips;
        const char* args;
        std::string classPathRest;
    } cases[] = {
        // No arguments: the line ends with the class name and one blank.
        {"", "", "", "", false, false, "", ""},
        {"", "\"C:\\z.zip\";", "\"C:\\classes\";", "", false, false, "x y", "\"C:\\z.zip\";\"C:\\classes\";"},
        // Sibling entries and detected jars merge into one byte-wise order; a rest after the last ";" is dropped.
        {"", "", "", "z.jar;a.jar;rest", true, false, "", inBase("B.jar") + inBase("a.jar") + inBase("z.jar")},
        {"", "", "", "", false, true, "", inBase("c.zip")},
        {"", "", "", "", true, true, "", inBase("B.jar") + inBase("a.jar") + inBase("c.zip")},
        // An archive found in neither kit is left out.
        {"nosuch.jar;", "", "", "", false, false, "", ""},
    };
    for (const auto& c : cases) {
        ClassPathRecord record;
        record.systemClassPath.Assign(c.system);
        record.userZipClassPath.Assign(c.userZips);
        record.userDirClassPath.Assign(c.userDirs);
        record.siblingClassPath.Assign(c.siblings);
        record.autoDetectJars = c.jars;
        record.autoDetectZips = c.zips;
        const XString line = MainClassCommandLine("\"J\"", base.c_str(), record, "demo.Main", c.args);
        EXPECT_EQ(std::string(line.Data()), start + c.classPathRest + " demo.Main " + c.args) << c.siblings;
    }
}

TEST(MainClassCommandLine, ADriveRootBaseFolderKeepsItsQuotesClosed)
{
    // A class of the default package right in a drive root: "C:\" quoted as
    // is would end in \" and java would take the quote for part of the path.
    ClassPathRecord record;
    record.siblingClassPath.Assign("lib.jar;");
    const XString line = MainClassCommandLine("\"J\"", "C:\\", record, "Main", "");
    EXPECT_EQ(std::string(line.Data()), "\"J\" -classpath \"C:\\.\";\"C:\\lib.jar\"; Main ");
}

}  // namespace
