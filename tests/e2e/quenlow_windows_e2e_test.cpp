// Every window of the real Quenlow.exe as a user opens it, at its first size
// and maximised where it can be: no control reaches past its parent and none
// lies on another (screenshots of each land in the build's window-screens);
// what Enter and Escape do there, and picture buttons that look disabled when
// they are.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "info_dialogs_ids.h"
#include "main_dialog_ids.h"
#include "option_dialogs_ids.h"
#include "support/layout_check.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/screen_picture.h"
#include "support/test_files.h"

namespace {

constexpr DWORD kBuildLimitMs = 90000;

// The shown top-level dialogs of a process whose caption starts with a text.
struct DialogSearch {
    DWORD process;
    std::string start;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM data)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (process == search->process && IsWindowVisible(window) && std::string(name) == "#32770" &&
        std::string(caption).rfind(search->start, 0) == 0)
        search->found.push_back(window);
    return TRUE;
}
constexpr const char* kSheetCaption = "Classpaths - for exe files and features in Windows explorer";

class QuenlowWindowsE2eTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree = MakeTree("quenlow_windows_e2e");
        ASSERT_TRUE(CopyFileA(QUENLOW_STUB_FILE, (tree.Bin() + "\\compress.ies").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(QUENLOW_PROBE_JAR, (tree.Bin() + "\\classes.jar").c_str(), FALSE));
        CreateDirectoryA((tree.dir + "\\temp").c_str(), nullptr);
        dialog = StartMainDialog(tree, quenlow);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        EXPECT_TRUE(CloseMainDialog(dialog, quenlow.get()));
    }

    // The dialog a menu command opens, by the start of its caption (some
    // captions end with a state or a file).
    HWND Open(UINT command, const char* caption)
    {
        PostMessageA(dialog, WM_COMMAND, command, 0);
        return WaitForDialogStarting(caption);
    }
    HWND WaitForDialogStarting(const std::string& start) const
    {
        HWND found = nullptr;
        WaitFor([&] { return (found = ShownDialog(start)) != nullptr; }, 20000);
        return found;
    }
    static void SetText(HWND window, int id, const std::string& text)
    {
        SendMessageA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static void Click(HWND window, int id) { PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }
    static bool Closed(HWND window)
    {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return WaitFor([&] { return !IsWindow(window); }, 10000);
    }

    // A key as the keyboard hands it to the focused control: through the
    // dialog's loop, which gives Enter and Escape their meaning.
    static void Key(HWND control, WPARAM key)
    {
        PostMessageA(control, WM_KEYDOWN, key, 1);
        PostMessageA(control, WM_KEYUP, key, 0xC0000001);
    }
    // The top-level dialogs of the program a user sees, whose caption
    // starts with the text.
    std::vector<HWND> ShownDialogs(const std::string& start = "") const
    {
        DialogSearch search = {0, start, {}};
        GetWindowThreadProcessId(dialog, &search.process);
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND ShownDialog(const std::string& start) const
    {
        const std::vector<HWND> found = ShownDialogs(start);
        return found.empty() ? nullptr : found.front();
    }

    Tree tree;
    std::unique_ptr<Program> quenlow;
    HWND dialog = nullptr;
};

// A stray Enter while typing a main class builds nothing: the dialog has no
// default button that Enter would press, and its own default does nothing.
TEST_F(QuenlowWindowsE2eTest, EnterInTheMainDialogStartsNothing)
{
    const HWND combo = GetDlgItem(dialog, IDC_MAIN_CLASS);
    const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDOK);
    const bool compressed = IsDlgButtonChecked(dialog, IDC_COMPRESSION) == BST_CHECKED;
    Key(edit, VK_RETURN);
    // Handled after the Enter: once the box has turned, the Enter is done.
    Click(dialog, IDC_COMPRESSION);
    ASSERT_TRUE(WaitFor([&] { return (IsDlgButtonChecked(dialog, IDC_COMPRESSION) == BST_CHECKED) != compressed; },
                        20000));
    EXPECT_EQ(ShownDialogs().size(), 1u) << quenlow->Windows();
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_OUTPUT_PANE)));
    EXPECT_TRUE(IsWindowEnabled(dialog));
}

// Escape cancels the File options: whatever was changed, the settings file
// stays as it was, byte for byte. The Up and Dn pictures of the list that
// "Include all files" switches off look disabled, and differ once enabled.
TEST_F(QuenlowWindowsE2eTest, FileOptionsEscapeKeepsTheSettingsAndDisabledPicturesLookDisabled)
{
    const std::string before = ReadFileBytes(tree.Settings());
    ASSERT_FALSE(before.empty());
    const HWND options = Open(ID_FILE_OPTIONS, "File options -- for exe and jar files");
    ASSERT_NE(options, nullptr);
    ASSERT_EQ(IsDlgButtonChecked(options, IDC_INCLUDE_ALL), BST_CHECKED);
    SetForegroundWindow(options);
    const auto picture = [&](int id) {
        const HWND button = GetDlgItem(options, id);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Sleep(300);
        return CaptureWindow(button);
    };
    ASSERT_FALSE(IsWindowEnabled(GetDlgItem(options, IDC_INCLUDE_ADD)));
    const ScreenPicture upDisabled = picture(IDC_INCLUDE_ADD);
    const ScreenPicture dnDisabled = picture(IDC_INCLUDE_REMOVE);
    Click(options, IDC_INCLUDE_ALL);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(options, IDC_INCLUDE_ADD)) != FALSE; }, 10000));
    const ScreenPicture upEnabled = picture(IDC_INCLUDE_ADD);
    const ScreenPicture dnEnabled = picture(IDC_INCLUDE_REMOVE);
    ASSERT_GT(upEnabled.width, 0);
    EXPECT_FALSE(upDisabled == upEnabled) << "Up looks the same disabled";
    EXPECT_FALSE(dnDisabled == dnEnabled) << "Dn looks the same disabled";

    // Changes that a store would keep, then Escape.
    SetText(options, IDC_EXCLUDE_EDIT, "tmp");
    Click(options, IDC_EXCLUDE_ADD);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(GetDlgItem(options, IDC_EXCLUDE_LIST), LB_GETCOUNT, 0, 0) > 0; },
                        10000));
    SetText(options, IDC_COMPRESS_TIMEOUT, "99");
    Key(GetDlgItem(options, IDC_COMPRESS_TIMEOUT), VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(options); }, 10000)) << quenlow->Windows();
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(dialog) != FALSE; }, 10000));
    EXPECT_EQ(ReadFileBytes(tree.Settings()), before);
}

TEST_F(QuenlowWindowsE2eTest, MainDialogOptionDialogsAndAboutFitAtBothSizes)
{
    EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(dialog, "quenlow-main")), "");
    const struct {
        UINT command;
        const char* caption;
        const char* name;
    } windows[] = {
        {ID_DOUBLE_CLICK_OPTIONS, "Double click to run - ", "quenlow-double-click"},
        {ID_MENU_STYLE_OPTIONS, "Context menu style", "quenlow-menu-style"},
        {ID_FILE_OPTIONS, "File options -- for exe and jar files", "quenlow-file-options"},
        {ID_MAIN_ARGS_OPTIONS, "Arguments of main method  ---   for exe files and double click", "quenlow-main-args"},
        {ID_ICON_OPTIONS, "Icon options - for exe files", "quenlow-icon-options"},
        {ID_OTHER_JAVA_OPTIONS, "Other java options", "quenlow-other-java"},
        {ID_JAVA_PROPERTIES, "Java properties", "quenlow-java-properties"},
        {ID_ABOUT, "About", "quenlow-about"},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.caption);
        const HWND opened = Open(w.command, w.caption);
        ASSERT_NE(opened, nullptr);
        if (w.command == ID_JAVA_PROPERTIES) {
            Click(opened, IDC_PROPERTIES_READ);
            const HWND tree = GetDlgItem(opened, IDC_PROPERTIES_TREE);
            EXPECT_TRUE(WaitFor([&] { return SendMessageA(tree, TVM_GETCOUNT, 0, 0) > 10; }, 60000));
        }
        EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(opened, w.name)), "");
        ASSERT_TRUE(Closed(opened));
    }
}

TEST_F(QuenlowWindowsE2eTest, ClassPathSheetFitsOnEachPage)
{
    const HWND sheet = Open(ID_CLASSPATH_OPTIONS, kSheetCaption);
    ASSERT_NE(sheet, nullptr);
    const HWND tabs = PropSheet_GetTabControl(sheet);
    const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(pages, 4);
    for (int page = 0; page < pages; ++page) {
        SCOPED_TRACE(page);
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
        EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(sheet, "quenlow-classpath-page" + std::to_string(page + 1))), "");
    }
    PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }, 10000));
}

// The creating information after a real build of an executable jar, and the
// manifest editor on the manifest that build used.
TEST_F(QuenlowWindowsE2eTest, CreatingInformationAndManifestEditorFit)
{
    const std::string project = tree.dir + "\\project";
    CreateDirectoryA(project.c_str(), nullptr);
    CreateDirectoryA((project + "\\demo").c_str(), nullptr);
    const std::string mainClass = project + "\\demo\\Main.class";
    ASSERT_TRUE(CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE));
    const std::string manifest = project + "\\extra.mf";
    ASSERT_TRUE(WriteFileBytes(manifest, "Created-By: layout test\r\n"));
    PostMessageA(GetDlgItem(dialog, IDC_CREATE_JAR), BM_CLICK, 0, 0);
    SetText(dialog, IDC_MAIN_CLASS, mainClass);
    SetText(dialog, IDC_OUTPUT_FILE, tree.dir + "\\Demo.jar");
    PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0);
    HWND info = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (info = quenlow->FindDialog("Creating information")) != nullptr; },
                        kBuildLimitMs))
        << quenlow->Windows();
    EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(info, "quenlow-creating-information")), "");
    PostMessageA(GetDlgItem(info, IDC_INFO_CLOSE), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(info); }, 10000));

    if (IsDlgButtonChecked(dialog, IDC_ADD_MANIFEST) != BST_CHECKED)
        Click(dialog, IDC_ADD_MANIFEST);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_EDIT_MANIFEST)) != FALSE; }, 10000));
    SetText(dialog, IDC_MANIFEST_FILE, manifest);
    Click(dialog, IDC_EDIT_MANIFEST);
    const HWND editor = WaitForDialogStarting("Manifest file - ");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(LayoutReport(CheckLayoutBothSizes(editor, "quenlow-manifest")), "");
    EXPECT_TRUE(Closed(editor));
}

}  // namespace
