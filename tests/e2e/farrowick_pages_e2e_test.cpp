// Farrowick.exe's Find and Options pages as a user meets them: the tree of a
// folder's Java sources (folders without any below them left out), the files
// each command of its menu compiles, the refusals of a missing, absent or
// file output folder, and every option kept across closing and reopening.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "payloads.h"
#include "support/farrowick_controls.h"
#include "support/pane_text.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/sheet_page.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

using namespace farrowick_controls;


// Menu commands by their place in the menu the item gets.
constexpr int kFirstCommand = 0;
constexpr int kSecondCommand = 1;

void Click(HWND page, int id)
{
    SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

bool Checked(HWND page, int id)
{
    return SendMessageA(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Pane(HWND page, int id)
{
    return PaneLines(XString(WindowText(GetDlgItem(page, id)).c_str()));
}

class FarrowickPagesE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name =
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 12);
        root = MakeToolTree("farrowick pages " + name, QUENLOW_FARROWICK, "Farrowick.exe");
        ASSERT_FALSE(root.empty());
        RemoveFile(Settings());
        selection = WindowsPath(ScratchPath("farrowick find " + name));
        for (const char* folder : {"", "\\a", "\\a\\deep", "\\a\\empty", "\\b", "\\b\\sub", "\\c", "\\c\\x"})
            CreateDirectoryA((selection + folder).c_str(), nullptr);
        for (const char* file :
             {"\\Top.java", "\\a\\A1.java", "\\a\\A2.java", "\\a\\deep\\D.java", "\\b\\sub\\S.java"}) {
            const std::string path = selection + file;
            const size_t slash = path.rfind('\\');
            const std::string className = path.substr(slash + 1, path.size() - slash - 6);
            ASSERT_TRUE(WriteFileBytes(path, "class " + className + " {}\n"));
        }
        ASSERT_TRUE(WriteFileBytes(selection + "\\readme.txt", "not a source"));
        ASSERT_TRUE(WriteFileBytes(selection + "\\c\\notes.txt", "not a source"));
    }

    std::string Settings() const { return root + "\\Setting\\Compile.set"; }

    // The tool on the selection folder, no page but Main shown yet.
    void Start()
    {
        ClassPathRecord record;
        const std::string folder = "1\n" + selection;
        tool = std::make_unique<Program>("\"" + root + "\\bin\\Farrowick.exe\" /inside-info " +
                                         InsideInfo(record, folder.c_str()).Data());
        sheet = tool->WaitForDialog(kCaption);
        ASSERT_NE(sheet, nullptr);
    }

    void Open()
    {
        Start();
        ASSERT_NE(sheet, nullptr);
        // Every page once, so that each exists.
        for (int page : {kOptionsPage, kCompilePage, kFindPage, 0})
            SendMessageA(sheet, PSM_SETCURSEL, page, 0);
        main = PageWith(sheet, kMainFind);
        find = PageWith(sheet, kTree);
        compile = PageWith(sheet, kContinue);
        options = PageWith(sheet, kFolderCombo);
        ASSERT_TRUE(main && find && compile && options);
    }

    void Close()
    {
        PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(tool->Ended(60000));
        tool.reset();
    }

    void Choose(const std::vector<std::string>& path, int place)
    {
        SendMessageA(sheet, PSM_SETCURSEL, kFindPage, 0);
        HWND tree = GetDlgItem(find, kTree);
        const HTREEITEM item = RemoteTree(tree).Find(path);
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(ChooseFromItemMenu(sheet, tree, item, place)) << tool->Windows();
    }

    // The sources a compile from the menu gave javac, relative to the
    // selection, once its run has ended.
    std::vector<std::string> CompiledFiles(const std::vector<std::string>& path, int place)
    {
        SetWindowTextA(GetDlgItem(compile, kStyleLine), "");
        Choose(path, place);
        std::vector<std::string> files;
        const bool ended = WaitFor(
            [&] { return Pane(compile, kErrPane).find("End   compiling") != std::string::npos; }, 60000);
        EXPECT_TRUE(ended) << Pane(compile, kErrPane) << tool->Windows();
        const std::string command = Pane(compile, kCommandPane);
        const std::string prefix = "\"" + selection + "\\";
        for (size_t at = command.find(prefix); at != std::string::npos; at = command.find(prefix, at + 1))
            files.push_back(command.substr(at + prefix.size(), command.find('"', at + 1) - at - prefix.size()));
        // The compile's last step follows its run: until then the menu is refused.
        WaitFor([&] { return IsWindowEnabled(GetDlgItem(compile, kStop)) == FALSE; }, 60000);
        return files;
    }

    // A menu command refused with the message; the compile does not start.
    void ExpectRefusal(const char* folder, const std::string& message)
    {
        SendMessageA(sheet, PSM_SETCURSEL, kOptionsPage, 0);
        SetWindowTextA(GetDlgItem(options, kFolderCombo), folder);
        SetWindowTextA(GetDlgItem(compile, kStyleLine), "");
        Choose({"a"}, kFirstCommand);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = tool->FindDialog("Message")) != nullptr; }, 60000)) << folder;
        EXPECT_EQ(MessageText(box), message) << folder;
        Press(box, IDOK);
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), find) << folder;
        EXPECT_EQ(WindowText(GetDlgItem(compile, kStyleLine)), "") << folder;
    }

    std::string root, selection;
    std::unique_ptr<Program> tool;
    HWND sheet = nullptr, main = nullptr, find = nullptr, compile = nullptr, options = nullptr;
};

TEST_F(FarrowickPagesE2e, FindTreeShowsTheSourcesAndEachMenuCommandCompilesItsFiles)
{
    Open();
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMainFind, BN_CLICKED), 0);
    HWND tree = GetDlgItem(find, kTree);
    SendMessageA(find, WM_COMMAND, MAKEWPARAM(kExpand, BN_CLICKED), 0);
    {
        RemoteTree remote(tree);
        EXPECT_EQ(remote.Outline(remote.Next(nullptr, TVGN_ROOT), 0, selection, "<ROOT>", true),
                  "<ROOT> [0/1]\n"
                  "  Top.java [2/2]\n"
                  "  a [0/1]\n"
                  "    A1.java [2/3]\n"
                  "    A2.java [2/3]\n"
                  "    deep [0/1]\n"
                  "      D.java [2/3]\n"
                  "  b [0/1]\n"
                  "    sub [0/1]\n"
                  "      S.java [2/3]\n");
    }

    // One run for each command, its files on the command pane.
    SendMessageA(sheet, PSM_SETCURSEL, kOptionsPage, 0);
    Click(options, kStyleWhole);
    const struct {
        std::vector<std::string> item;
        int place;
        std::vector<std::string> files;
    } cases[] = {
        {{"a"}, kFirstCommand, {"a\\A1.java", "a\\A2.java"}},                        // "Compile topmost files"
        {{"a"}, kSecondCommand, {"a\\A1.java", "a\\A2.java", "a\\deep\\D.java"}},    // "Compile all files"
        {{"a", "deep", "D.java"}, kFirstCommand, {"a\\deep\\D.java"}},              // "Compile"
        {{}, kFirstCommand, {"Top.java"}},                                          // the root's topmost
        {{"b"}, kFirstCommand, {"b\\sub\\S.java"}},                                 // only "Compile all files"
    };
    for (const auto& c : cases) {
        std::vector<std::string> files = CompiledFiles(c.item, c.place);
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, c.files) << (c.item.empty() ? "(root)" : c.item.back()) << " " << c.place;
    }

    // "To following directory" refuses a folder that is not one.
    Click(options, kOutputFolder);
    const std::string file = selection + "\\readme.txt";
    ExpectRefusal("", "Please select an \"Output directory\",\nor use \"Output locally\"  on page Options");
    ExpectRefusal((selection + "\\none").c_str(),
                  "\"Output directory\" on page Options does not exist,\nplease create it");
    ExpectRefusal(file.c_str(),
                  "\"Output directory\" on page Options is a file,\nplease change it to a real directory.\n");
    Close();
}

TEST_F(FarrowickPagesE2e, TheFindTreeLeavesALinkToAnotherFolderAlone)
{
    // pkg\back leads back to the selection's parent folder.
    selection = WindowsPath(QUENLOW_FIND_LOOP);
    Open();
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMainFind, BN_CLICKED), 0);
    SendMessageA(find, WM_COMMAND, MAKEWPARAM(kExpand, BN_CLICKED), 0);
    RemoteTree remote(GetDlgItem(find, kTree));
    EXPECT_EQ(remote.Outline(remote.Next(nullptr, TVGN_ROOT), 0, selection, "<ROOT>"),
              "<ROOT> [0]\n"
              "  pkg [0]\n"
              "    Loop.java [2]\n");
    Close();
}

TEST_F(FarrowickPagesE2e, EveryOptionIsKeptAcrossClosingAndReopening)
{
    Open();
    SendMessageA(sheet, PSM_SETCURSEL, kOptionsPage, 0);
    // Each flag the other way round from its default.
    for (int id : {kG, kDeprecation, kNowarn, kVerbose, kNoUserCommand, kAutoStyle})
        Click(options, id);
    SetWindowTextA(GetDlgItem(options, kTarget), "1.8");
    SetWindowTextA(GetDlgItem(options, kUserCommand), "-encoding UTF-8\r\n-Xlint:all");
    Click(options, kOutputFolder);
    SetWindowTextA(GetDlgItem(options, kFolderCombo), "C:\\out\\classes");
    Click(options, kStyleByFile);
    SendMessageA(sheet, PSM_SETCURSEL, kCompilePage, 0);
    Click(compile, kPauseIfNoError);
    SendMessageA(GetDlgItem(main, kMainJavaOnly), BM_SETCHECK, BST_UNCHECKED, 0);
    Close();
    const std::string golden = ReadFileBytes(TestDataPath("e2e/golden/tools/options_Compile.set"));
    EXPECT_EQ(ReadFileBytes(Settings()), golden);

    Open();
    EXPECT_FALSE(Checked(options, kG));
    for (int id : {kDeprecation, kNowarn, kVerbose})
        EXPECT_TRUE(Checked(options, id)) << id;
    EXPECT_FALSE(Checked(options, kNoUserCommand));
    EXPECT_FALSE(Checked(options, kAutoStyle));
    EXPECT_EQ(WindowText(GetDlgItem(options, kTarget)), "1.8");
    EXPECT_EQ(Pane(options, kUserCommand), "-encoding UTF-8\n-Xlint:all");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(options, kUserCommand)));
    EXPECT_TRUE(Checked(options, kOutputFolder));
    EXPECT_FALSE(Checked(options, kOutputLocal));
    EXPECT_EQ(WindowText(GetDlgItem(options, kFolderCombo)), "C:\\out\\classes");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(options, kFolderCombo)));
    EXPECT_TRUE(Checked(options, kStyleByFile));
    EXPECT_FALSE(Checked(options, kStyleWhole));
    EXPECT_TRUE(Checked(compile, kPauseIfNoError));
    EXPECT_FALSE(Checked(main, kMainJavaOnly));
    // Saved again unchanged.
    Close();
    EXPECT_EQ(ReadFileBytes(Settings()), golden);
}

TEST_F(FarrowickPagesE2e, MainCompileOnAFreshSheetCompilesTheRootsFilesAndBuildsTheWholeTree)
{
    // No page but Main shown yet: the press makes the Find and Compile pages.
    Start();
    ASSERT_NE(sheet, nullptr);
    main = PageWith(sheet, kMainCompile);
    ASSERT_NE(main, nullptr);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMainCompile, BN_CLICKED), 0);
    compile = PageWith(sheet, kContinue);
    // Made last, the Compile page comes first among the pages, and its
    // folder list has the tree's id: the Find page is the one with a tree.
    for (HWND page = nullptr; !find && (page = FindWindowExA(sheet, page, "#32770", nullptr)) != nullptr;) {
        char type[64] = {};
        GetClassNameA(GetDlgItem(page, kTree), type, sizeof type);
        find = lstrcmpiA(type, WC_TREEVIEWA) == 0 ? page : nullptr;
    }
    ASSERT_TRUE(compile && find);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), compile);
    ASSERT_TRUE(WaitFor([&] { return Pane(compile, kErrPane).find("End   compiling") != std::string::npos; }, 60000))
        << Pane(compile, kErrPane) << tool->Windows();
    const std::string command = Pane(compile, kCommandPane);
    EXPECT_NE(command.find("\"" + selection + "\\Top.java\""), std::string::npos) << command;
    EXPECT_EQ(command.find("A1.java"), std::string::npos) << command;
    {
        RemoteTree remote(GetDlgItem(find, kTree));
        EXPECT_EQ(remote.Outline(remote.Next(nullptr, TVGN_ROOT), 0, selection, "<ROOT>"),
                  "<ROOT> [0]\n"
                  "  Top.java [2]\n"
                  "  a [0]\n"
                  "    A1.java [2]\n"
                  "    A2.java [2]\n"
                  "    deep [0]\n"
                  "      D.java [2]\n"
                  "  b [0]\n"
                  "    sub [0]\n"
                  "      S.java [2]\n");
    }
    WaitFor([&] { return IsWindowEnabled(GetDlgItem(compile, kStop)) == FALSE; }, 60000);

    // A refused output folder: the tree is built and shown, the message
    // comes over it and nothing is compiled.
    SendMessageA(sheet, PSM_SETCURSEL, kOptionsPage, 0);
    options = PageWith(sheet, kFolderCombo);
    ASSERT_NE(options, nullptr);
    Click(options, kOutputFolder);
    SetWindowTextA(GetDlgItem(options, kFolderCombo), "");
    SetWindowTextA(GetDlgItem(compile, kStyleLine), "");
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMainCompile, BN_CLICKED), 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = tool->FindDialog("Message")) != nullptr; }, 60000));
    EXPECT_EQ(MessageText(box), "Please select an \"Output directory\",\nor use \"Output locally\"  on page Options");
    Press(box, IDOK);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), find);
    EXPECT_NE(RemoteTree(GetDlgItem(find, kTree)).Next(nullptr, TVGN_ROOT), nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(compile, kStyleLine)), "");
    Close();
}

TEST_F(FarrowickPagesE2e, PagesNeverShownSaveWhatTheyLoadedAsTheirControlsWould)
{
    // The pages are made when first shown: closed at once, the Find,
    // Compile and Options pages save from what they loaded. Settings that
    // only the controls put right (a lone CR in the user command) have the
    // Options page made at the start, as before. Each saved text is what the
    // sheet wrote when it made every page at its start.
    const std::string golden = ReadFileBytes(TestDataPath("e2e/golden/tools/options_Compile.set"));
    ASSERT_FALSE(golden.empty());
    // The golden text with each (from, to) pair replaced once.
    auto edited = [&](std::initializer_list<std::pair<std::string, std::string>> edits) {
        std::string text = golden;
        for (const auto& edit : edits) {
            const size_t at = text.find(edit.first);
            EXPECT_NE(at, std::string::npos) << edit.first;
            if (at != std::string::npos)
                text.replace(at, edit.first.size(), edit.second);
        }
        return text;
    };
    const std::pair<std::string, std::string> longerHistory = {
        "(C:\\out\\classes)\r\n", "(C:\\out\\classes)\r\n(D:\\b c)\r\n(c:\\OUT\\Classes)\r\n"};
    const struct {
        const char* name;
        std::string stored;
        std::string saved;
    } cases[] = {
        {"as the controls wrote them", golden, golden},
        {"a longer history", edited({longerHistory}), edited({longerHistory})},
        // The pause is read as at most 3; an output choice outside the
        // buttons as "To file directory".
        {"a pause and an output choice outside the buttons",
         edited({{"[KEY_COMP_INTS]2", "[KEY_COMP_INTS]7"}, {"[KEY_OPTION_INTS]514", "[KEY_OPTION_INTS]2306"}}),
         edited({{"[KEY_COMP_INTS]2", "[KEY_COMP_INTS]3"}, {"[KEY_OPTION_INTS]514", "[KEY_OPTION_INTS]2"}})},
        // The value read ends at the CR, which the rich edit turns into a
        // line end; the rest of the stored line stays where it was.
        {"a lone CR in the user command", edited({{"UTF-8\xBB-Xlint", "UTF-8\r-Xlint"}}),
         edited({{"UTF-8\xBB-Xlint", "UTF-8\xBB\r\n-Xlint"}})},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes(Settings(), c.stored)) << c.name;
        Start();
        ASSERT_NE(sheet, nullptr) << c.name;
        Close();
        EXPECT_EQ(ReadFileBytes(Settings()), c.saved) << c.name;
    }
}

}  // namespace
