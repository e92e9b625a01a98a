// The option dialogs and the Java properties from the real Quenlow.exe, each
// opened by its menu command and driven by window messages as a user's
// clicks would: what they refuse, what they store, and what the stored
// values change in a build, in the registry and in the context menu.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_dialog_ids.h"
#include "option_dialogs_ids.h"
#include "install_registry.h"
#include "registry.h"
#include "settings/settings_file.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/screenshot.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

constexpr DWORD kBuildLimitMs = 90000;

// The dialog redrawn whole, then taken from the screen.
bool SaveDialogScreenshot(HWND window, const std::string& path)
{
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);
    return SaveScreenshot(window, path.c_str());
}

class OptionDialogsE2eTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Whatever the start-up or a test does to ".class" is undone at the end.
        hadType = ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, typeBefore) != 0;
        tree = MakeTree("option_dialogs_e2e");
        ASSERT_TRUE(CopyFileA(QUENLOW_STUB_FILE, (tree.Bin() + "\\compress.ies").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(QUENLOW_PROBE_JAR, (tree.Bin() + "\\classes.jar").c_str(), FALSE));
        CreateDirectoryA((tree.dir + "\\temp").c_str(), nullptr);
        StartQuenlow();
    }
    void TearDown() override
    {
        StopQuenlow();
        DeleteKeyTree(HKEY_CLASSES_ROOT, "quenlow.document");
        DeleteKeyTree(HKEY_CLASSES_ROOT, ".class");
        if (hadType)
            WriteRegistryString(HKEY_CLASSES_ROOT, ".class", typeBefore.Data());
    }

    void StartQuenlow()
    {
        dialog = StartMainDialog(tree, quenlow);
        ASSERT_NE(dialog, nullptr);
    }
    void StopQuenlow()
    {
        EXPECT_TRUE(CloseMainDialog(dialog, quenlow.get()));
        dialog = nullptr;
        quenlow.reset();
    }

    // A menu command as the popup hands it to the main dialog; the dialog
    // it opens, found by its caption.
    HWND Open(UINT command, const char* caption)
    {
        PostMessageA(dialog, WM_COMMAND, command, 0);
        return quenlow->WaitForDialog(caption);
    }
    // Posted: a refusal's message box is modal inside the click.
    static void Click(HWND window, int id) { PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }
    static void SetText(HWND window, int id, const std::string& text)
    {
        SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // The one message box the last action showed, answered; its text.
    std::string AnswerMessage(int button = IDOK)
    {
        HWND box = quenlow->WaitForDialog("Message");
        if (!box)
            return "(no message)";
        const std::string text = MessageText(box);
        Press(box, button);
        WaitFor([&] { return !IsWindow(box); }, 60000);
        return text;
    }
    static bool Gone(HWND window) { return WaitFor([&] { return !IsWindow(window); }, 60000); }

    Tree tree;
    std::unique_ptr<Program> quenlow;
    HWND dialog = nullptr;
    bool hadType = false;
    XString typeBefore;
};

TEST_F(OptionDialogsE2eTest, EachDialogOpensFromItsMenuCommand)
{
    const std::string shots = std::string(QUENLOW_SCREENSHOTS);
    CreateDirectoryA(shots.c_str(), nullptr);
    // The menu bar with its four captions.
    EXPECT_TRUE(SaveDialogScreenshot(dialog, shots + "\\main_dialog.bmp"));
    WriteRegistryString(HKEY_CLASSES_ROOT, ".class", "earlier.type");
    const struct {
        UINT command;
        const char* caption;
        const char* shot;
    } dialogs[] = {
        {ID_DOUBLE_CLICK_OPTIONS, "Double click to run - disabled", "double_click"},
        {ID_MENU_STYLE_OPTIONS, "Context menu style", "menu_style"},
        {ID_FILE_OPTIONS, "File options -- for exe and jar files", "file_options"},
        {ID_MAIN_ARGS_OPTIONS, "Arguments of main method  ---   for exe files and double click", "main_args"},
        {ID_ICON_OPTIONS, "Icon options - for exe files", "icon_options"},
        {ID_OTHER_JAVA_OPTIONS, "Other java options", "other_java"},
        {ID_JAVA_PROPERTIES, "Java properties", "java_properties"},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.caption);
        const HWND opened = Open(d.command, d.caption);
        ASSERT_NE(opened, nullptr);
        EXPECT_FALSE(IsWindowEnabled(dialog)) << "modal";
        if (d.command == ID_JAVA_PROPERTIES) {
            Click(opened, IDC_PROPERTIES_READ);
            const HWND tree = GetDlgItem(opened, IDC_PROPERTIES_TREE);
            EXPECT_TRUE(WaitFor([&] { return SendMessageA(tree, TVM_GETCOUNT, 0, 0) > 10; }, 60000));
        }
        EXPECT_TRUE(SaveDialogScreenshot(opened, shots + "\\" + d.shot + ".bmp"));
        PostMessageA(opened, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Gone(opened));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(dialog) != FALSE; }, 60000));
    }
}

TEST_F(OptionDialogsE2eTest, FileOptionsKeepTheirTableAndCreatePacksOnlyIncludedFiles)
{
    const HWND options = Open(ID_FILE_OPTIONS, "File options -- for exe and jar files");
    ASSERT_NE(options, nullptr);
    Click(options, IDC_INCLUDE_ALL);
    const struct {
        int edit;
        const char* typed;
        int button;
        const char* message;  // nullptr: taken
    } steps[] = {
        {IDC_INCLUDE_EDIT, "", IDC_INCLUDE_ADD, "Please input file extension"},
        {IDC_INCLUDE_EDIT, "a.b", IDC_INCLUDE_ADD, "Only english characters, numbers and _ can be file extension"},
        {IDC_EXCLUDE_EDIT, "class", IDC_EXCLUDE_ADD, "Error: class file can not be excluded"},
        {IDC_INCLUDE_EDIT, "Class", IDC_INCLUDE_ADD, "The file extension is in list box already"},
        {IDC_INCLUDE_EDIT, "txt", IDC_INCLUDE_ADD, nullptr},
    };
    for (const auto& step : steps) {
        SetText(options, step.edit, step.typed);
        Click(options, step.button);
        if (step.message) {
            EXPECT_EQ(AnswerMessage(), step.message) << step.typed;
        } else {
            EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(options, step.edit)).empty(); }, 60000));
        }
    }
    SendMessageA(GetDlgItem(options, IDC_INCLUDE_LIST), LB_SETCURSEL, 0, 0);
    Click(options, IDC_INCLUDE_REMOVE);
    EXPECT_EQ(AnswerMessage(), "Error: class file can not be removed");
    for (const char* refused : {"15", "121"}) {
        SetText(options, IDC_COMPRESS_TIMEOUT, refused);
        PostMessageA(options, WM_CLOSE, 0, 0);
        EXPECT_EQ(AnswerMessage(), "Error\n\"Compressing timeout\" must be from 20 to 120 seconds\n") << refused;
        EXPECT_TRUE(IsWindow(options));
    }
    SetText(options, IDC_COMPRESS_TIMEOUT, "20");
    PostMessageA(options, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Gone(options));

    {
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenExisting(tree.Settings().c_str()));
        int includeAll = -1;
        int exclusionDisabled = -1;
        settings.GetFileOptions(&includeAll, &exclusionDisabled);
        EXPECT_EQ(includeAll, 0);
        EXPECT_EQ(exclusionDisabled, 0);
        EXPECT_EQ(settings.GetFileInts(), 20);
        XString included;
        settings.ReadListToString(kSectionIncludeExtensions, included, 0);
        EXPECT_STREQ(included.Data(), "class;txt;");
    }

    // A project with a text file and a file of another kind beside its
    // package folder, all of it packed: only the class and the text file go
    // in. (At the top, their names hold no backslash, which the test JDK's
    // jar tool would take literally.)
    const std::string project = tree.dir + "\\project";
    CreateDirectoryA(project.c_str(), nullptr);
    CreateDirectoryA((project + "\\demo").c_str(), nullptr);
    const std::string mainClass = project + "\\demo\\Main.class";
    ASSERT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE));
    ASSERT_TRUE(WriteFileBytes(project + "\\notes.txt", "notes"));
    ASSERT_TRUE(WriteFileBytes(project + "\\data.bin", "data"));
    if (IsDlgButtonChecked(dialog, IDC_MAIN_CLASS_DIR_ONLY) == BST_CHECKED)
        PostMessageA(GetDlgItem(dialog, IDC_MAIN_CLASS_DIR_ONLY), BM_CLICK, 0, 0);
    const std::string output = tree.dir + "\\Demo.jar";
    PostMessageA(GetDlgItem(dialog, IDC_CREATE_JAR), BM_CLICK, 0, 0);
    SetText(dialog, IDC_MAIN_CLASS, mainClass);
    SetText(dialog, IDC_OUTPUT_FILE, output);
    PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0);
    HWND info = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (info = quenlow->FindDialog("Creating information")) != nullptr; },
                        kBuildLimitMs))
        << quenlow->Windows() << WindowText(GetDlgItem(dialog, IDC_OUTPUT_PANE));
    const std::string jar = ReadFileBytes(output);
    EXPECT_NE(jar.find("demo/Main.class"), std::string::npos);
    EXPECT_NE(jar.find("notes.txt"), std::string::npos);
    EXPECT_EQ(jar.find("data.bin"), std::string::npos);
}

TEST_F(OptionDialogsE2eTest, NoFileToPackOpensTheFileOptionsOnYes)
{
    StopQuenlow();
    {
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenExisting(tree.Settings().c_str()));
        // Class files excluded by a list written elsewhere: nothing is left to pack.
        settings.SetListText(kSectionExcludeExtensions, "class");
    }
    StartQuenlow();
    const std::string project = tree.dir + "\\empty";
    CreateDirectoryA(project.c_str(), nullptr);
    CreateDirectoryA((project + "\\demo").c_str(), nullptr);
    const std::string mainClass = project + "\\demo\\Main.class";
    ASSERT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE));
    PostMessageA(GetDlgItem(dialog, IDC_CREATE_JAR), BM_CLICK, 0, 0);
    SetText(dialog, IDC_MAIN_CLASS, mainClass);
    SetText(dialog, IDC_OUTPUT_FILE, tree.dir + "\\none.jar");
    PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0);
    EXPECT_EQ(AnswerMessage(IDYES),
              "There is no file to be compressed,\nYou my need to change file options.\n\nDo you want to change it "
              "now?\n");
    const HWND options = quenlow->WaitForDialog("File options -- for exe and jar files");
    ASSERT_NE(options, nullptr);
    PostMessageA(options, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Gone(options));
    EXPECT_FALSE(FileExists(tree.dir + "\\none.jar"));
}

TEST_F(OptionDialogsE2eTest, OtherJavaOptionsAndMainArgumentsReachTheExecutablesTrailer)
{
    const HWND other = Open(ID_OTHER_JAVA_OPTIONS, "Other java options");
    ASSERT_NE(other, nullptr);
    SetText(other, IDC_OTHER_JAVA_TEXT, "-Dfrom.options=1");
    Click(other, IDC_OTHER_JAVA_APPLY);
    ASSERT_TRUE(Gone(other));
    const HWND args = Open(ID_MAIN_ARGS_OPTIONS, "Arguments of main method  ---   for exe files and double click");
    ASSERT_NE(args, nullptr);
    SetText(args, IDC_MAIN_ARGS_TEXT, "alpha\r\nbeta");
    Click(args, IDC_MAIN_ARGS_FOR_EXE);
    Click(args, IDC_MAIN_ARGS_APPLY);
    ASSERT_TRUE(Gone(args));
    EXPECT_EQ(ReadFileBytes(tree.dir + "\\Setting\\mainargs.data"), "alpha\r\nbeta");

    const std::string mainClass = tree.dir + "\\demo\\Main.class";
    CreateDirectoryA((tree.dir + "\\demo").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE));
    const std::string output = tree.dir + "\\Demo.exe";
    PostMessageA(GetDlgItem(dialog, IDC_CREATE_EXE), BM_CLICK, 0, 0);
    SetText(dialog, IDC_MAIN_CLASS, mainClass);
    SetText(dialog, IDC_OUTPUT_FILE, output);
    PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return quenlow->FindDialog("Creating information") != nullptr; }, kBuildLimitMs))
        << quenlow->Windows();
    const std::string built = ReadFileBytes(output);
    const std::string sep(1, '\xA5');
    EXPECT_NE(built.find(sep + "-Dfrom.options=1" + sep), std::string::npos);
    // The arguments follow the main class, before the marks that end the trailer.
    EXPECT_NE(built.find("demo.Main alpha beta\xBB"), std::string::npos);
}

TEST_F(OptionDialogsE2eTest, DoubleClickOptionsWriteTheAssociationAndDisableRestoresTheTypeBefore)
{
    WriteRegistryString(HKEY_CLASSES_ROOT, ".class", "earlier.type");
    HWND options = Open(ID_DOUBLE_CLICK_OPTIONS, "Double click to run - disabled");
    ASSERT_NE(options, nullptr);
    for (int id : {IDC_ALLOW_ERRORS, IDC_ALLOW_APPLICATIONS, IDC_ALLOW_APPLETS})
        Click(options, id);
    Click(options, IDC_DOUBLE_CLICK_APPLY);
    EXPECT_EQ(AnswerMessage(), "Please select one or more 'Allow' options for double click");
    Click(options, IDC_ALLOW_APPLICATIONS);
    SetText(options, IDC_APPLET_WIDTH, "99");
    Click(options, IDC_DOUBLE_CLICK_APPLY);
    EXPECT_EQ(AnswerMessage(), "Error: minimum size for Applet is 100x100 pixels");
    SetText(options, IDC_APPLET_WIDTH, "300");
    Click(options, IDC_DOUBLE_CLICK_APPLY);
    EXPECT_TRUE(WaitFor([&] { return WindowText(options) == "Double click to run - enabled"; }, 60000))
        << WindowText(options);
    XString type;
    XString command;
    ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, type);
    ReadRegistryString(HKEY_CLASSES_ROOT, "quenlow.document\\shell\\open\\command", nullptr, command);
    EXPECT_STREQ(type.Data(), "quenlow.document");
    EXPECT_EQ(std::string(command.Data()), "\"" + tree.Exe() + "\" /double-click \"%1\"");

    Click(options, IDC_DOUBLE_CLICK_DISABLE);
    EXPECT_TRUE(WaitFor([&] { return WindowText(options) == "Double click to run - disabled"; }, 60000));
    ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, type);
    EXPECT_STREQ(type.Data(), "earlier.type");
    Click(options, IDC_DOUBLE_CLICK_CLOSE);
    EXPECT_TRUE(Gone(options));
}

}  // namespace
