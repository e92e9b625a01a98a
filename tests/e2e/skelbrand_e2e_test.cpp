// Skelbrand.exe with the real JDK: the Find page's tree of a class folder, a
// run from the tree's menu with its streams, command and standard input, an
// applet's page file, stopping a run, and the class-information start.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "java_home.h"
#include "payloads.h"
#include "support/pane_text.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/remote_tree.h"
#include "support/sheet_page.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

constexpr DWORD kRunLimitMs = 60000;
const int kShowAllKinds[] = {1036, 1037, 1033, 1034, 1039, 1035};

std::string Pane(HWND page, int id)
{
    return PaneLines(XString(WindowText(GetDlgItem(page, id)).c_str()));
}

void Click(HWND page, int id)
{
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// Ends the process of a window at the test's end, if it still runs: a tool
// that another program started is no Program of the test's.
class EndsWindowProcess {
public:
    ~EndsWindowProcess()
    {
        DWORD pid = 0;
        if (!window || !GetWindowThreadProcessId(window, &pid))
            return;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 60000);
            CloseHandle(process);
        }
    }
    HWND window = nullptr;
};

class SkelbrandE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = MakeToolTree("skelbrand tree", QUENLOW_SKELBRAND, "Skelbrand.exe");
        ASSERT_FALSE(root.empty());

        classes = WindowsPath(QUENLOW_SKELBRAND_FIXTURE);
    }

    // The case variant of "lib" that the folder listing gives first names
    // the one folder item both share.
    std::string FirstLibFolder() const
    {
        WIN32_FIND_DATAA entry;
        HANDLE found = FindFirstFileA((classes + "\\*.*").c_str(), &entry);
        std::string first;
        if (found == INVALID_HANDLE_VALUE)
            return first;
        do {
            if (lstrcmpiA(entry.cFileName, "lib") == 0 && first.empty())
                first = entry.cFileName;
        } while (FindNextFileA(found, &entry));
        FindClose(found);
        return first;
    }

    std::string Command() const
    {
        ClassPathRecord record;
        return "\"" + root + "\\bin\\Skelbrand.exe\" /inside-info " + InsideInfo(record, ("1\n" + classes).c_str()).Data();
    }

    // Selects the class and chooses a command of the tree's menu.
    void Choose(HWND find, const std::vector<std::string>& path, int command)
    {
        RemoteTree tree(GetDlgItem(find, 1029));
        HTREEITEM item = tree.Find(path);
        ASSERT_NE(item, nullptr);
        SendMessageA(GetDlgItem(find, 1029), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        SendMessageA(find, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }

    // The pages of a started Skelbrand's sheet that the runs use.
    bool FindPages(HWND sheet)
    {
        main = PageWith(sheet, 1000);
        find = PageWith(sheet, 1029);
        exec = PageWith(sheet, 1089);
        options = PageWith(sheet, 1044);
        return main && find && exec && options;
    }

    std::string root;
    std::string classes;
    HWND main = nullptr;
    HWND find = nullptr;
    HWND exec = nullptr;
    HWND options = nullptr;
};

TEST_F(SkelbrandE2e, TreeRunInputStopAppletAndClassInformation)
{
    Program tool(Command());
    HWND sheet = tool.WaitForDialog("Quenlow: execute and debug");
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(FindPages(sheet));

    for (int id : kShowAllKinds)
        SendMessageA(GetDlgItem(find, id), BM_SETCHECK, BST_CHECKED, 0);
    SetWindowTextA(GetDlgItem(options, 1045), "x\r\n\"a b\"");
    SendMessageA(GetDlgItem(options, 1053), BM_SETCHECK, BST_UNCHECKED, 0);
    Click(options, 1053);
    Click(main, 1004);  // "Find with sub-directory"

    {
        RemoteTree tree(GetDlgItem(find, 1029));
        EXPECT_EQ(tree.Outline(tree.Next(nullptr, TVGN_ROOT), 0, classes, "<ROOT>"),
                  "<ROOT> [0]\n"
                  "  Damaged.class [10]\n"
                  "  " + FirstLibFolder() + " [0]\n" +
                  "    Echo.class [12]\n"
                  "    Gen.class [12]\n"
                  "  run [0]\n"
                  "    Ap.class [4]\n"
                  "    Echo.class [2]\n"
                  "    Gen.class [8]\n");
    }

    // The counts box.
    PostMessageA(find, WM_COMMAND, MAKEWPARAM(1040, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(find, 1040)));
    HWND counts = tool.WaitForDialog("Message");
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(MessageText(counts),
              "Application count:\t\t\t    1\tdisplayed\n"
              "Applet count:\t\t\t    1\tdisplayed\n"
              "General class count:\t\t    1\tdisplayed\n"
              "Error format class count:\t\t    1\tdisplayed\n"
              "Error package class count:\t\t    2\tdisplayed\n" +
                  std::string(101, '-') + "\nTotal class count:\t\t\t    6\n");
    Press(counts, IDOK);

    // An application with arguments, its streams and a line of input.
    Choose(find, {"run", "Echo.class"}, 32772);
    ASSERT_TRUE(WaitFor([&] { return Pane(exec, 1020).find("arguments: x|a b") != std::string::npos; }, kRunLimitMs))
        << WindowText(GetDlgItem(exec, 1090)) << Pane(exec, 1020) << Pane(exec, 1019) << Pane(exec, 1018);
    const std::string javaw = FindJavawExe(0).Data();
    EXPECT_EQ(Pane(exec, 1018), javaw + "\n-classpath\n" + classes + ";\n\n\nrun.Echo\nx \"a b\"");
    EXPECT_TRUE(WaitFor([&] { return Pane(exec, 1019).find("echo on standard error") != std::string::npos; },
                        kRunLimitMs));
    SetWindowTextA(GetDlgItem(exec, 1089), "hello \\u41");
    SendMessageA(GetDlgItem(exec, 1091), BM_SETCHECK, BST_CHECKED, 0);
    SetWindowTextA(GetDlgItem(exec, 1093), "0a");
    Click(exec, 1041);
    ASSERT_TRUE(WaitFor([&] { return Pane(exec, 1020).find("read: hello A\n") != std::string::npos; }, kRunLimitMs))
        << Pane(exec, 1020);
    ASSERT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(exec, 1090)) == "Executing ended"; }, kRunLimitMs));
    const std::string out = Pane(exec, 1020);
    EXPECT_EQ(out.find(std::string(38, '=') + " Start executing"), 0u) << out;
    EXPECT_NE(out.find("End   executing"), std::string::npos) << out;
    EXPECT_NE(out.find("arguments: x|a b"), std::string::npos) << out;

    // A program that never ends, stopped.
    SetWindowTextA(GetDlgItem(options, 1045), "forever");
    Choose(find, {"run", "Echo.class"}, 32772);
    ASSERT_TRUE(WaitFor([&] { return Pane(exec, 1020).find("arguments: forever") != std::string::npos; }, kRunLimitMs));
    Click(exec, 1040);
    EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(exec, 1090)) == "Executing ended"; }, kRunLimitMs));

    // An applet: its page file, and the JDK's own answer.
    Choose(find, {"run", "Ap.class"}, 32772);
    ASSERT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(exec, 1090)) == "Executing ended"; }, kRunLimitMs));
    EXPECT_EQ(ReadFileBytes(root + "\\temp\\applet.txt"),
              "<applet \r\ncodebase=\"file:///" + root + "\\temp\"\r\ncode=\"run.Ap.class\" width=\"500\" "
              "height=\"400\">\r\n</applet>");
    EXPECT_NE(Pane(exec, 1018).find("sun.applet.AppletViewer\nfile:///" + root + "\\temp\\applet.txt\n"),
              std::string::npos)
        << Pane(exec, 1018);

    // The class information through the main program.
    Choose(find, {"run", "Gen.class"}, 32771);
    std::vector<std::string> records;
    ASSERT_TRUE(WaitFor([&] { return !(records = Records(root + "\\commandline.log")).empty(); }, kRunLimitMs));
    EXPECT_EQ(records[0], "\"" + root + "\\Quenlow.exe\" /class-info \"" + classes + "\\run\\Gen.class\"");
}

// A megabyte sent to a program that never reads its input: the window goes
// on answering, the pane says how much did not go, and Stop ends the
// program. The text is then too long for the history that the closing saves:
// the rest is saved, and one message names it.
TEST_F(SkelbrandE2e, ASendToAProgramThatNeverReadsHoldsNeitherTheWindowNorStop)
{
    Program tool(Command());
    HWND sheet = tool.WaitForDialog("Quenlow: execute and debug");
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(FindPages(sheet));
    SetWindowTextA(GetDlgItem(options, 1045), "forever");
    SendMessageA(GetDlgItem(options, 1053), BM_SETCHECK, BST_UNCHECKED, 0);
    Click(options, 1053);
    Click(main, 1004);
    Choose(find, {"run", "Echo.class"}, 32772);
    ASSERT_TRUE(WaitFor([&] { return Pane(exec, 1020).find("arguments: forever") != std::string::npos; }, kRunLimitMs))
        << WindowText(GetDlgItem(exec, 1090));

    // A megabyte: text sent to another process's window must stay below
    // 1 MiB under Wine.
    const std::string big(1000 * 1000, 'm');
    SetWindowTextA(GetDlgItem(exec, 1089), big.c_str());
    ASSERT_EQ(WindowText(GetDlgItem(exec, 1089)).size(), big.size());
    DWORD_PTR answer = 0;
    // The send itself returns (a blocked window thread would hold this for good).
    ASSERT_NE(SendMessageTimeoutA(exec, WM_COMMAND, MAKEWPARAM(1041, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(GetDlgItem(exec, 1041)), SMTO_NORMAL, kRunLimitMs, &answer),
              0);
    // The edit control draws the megabyte line it now holds once more (about
    // 0.4 s under Wine); after that the window answers at once, every time,
    // while the program still does not read.
    ASSERT_NE(SendMessageTimeoutA(exec, WM_NULL, 0, 0, SMTO_NORMAL, kRunLimitMs, &answer), 0);
    for (int probe = 0; probe < 3; ++probe) {
        EXPECT_NE(SendMessageTimeoutA(exec, WM_NULL, 0, 0, SMTO_NORMAL, 100, &answer), 0) << "the window does not answer";
        Sleep(50);
    }
    const std::string out = Pane(exec, 1020);
    const size_t note = out.find("\n(the program is not reading its input: ");
    ASSERT_NE(note, std::string::npos) << out.substr(0, 300);
    EXPECT_NE(out.find(" of 1000000 bytes were not delivered)\n", note), std::string::npos) << out.substr(note);

    const DWORD stopped = GetTickCount();
    ASSERT_NE(SendMessageTimeoutA(exec, WM_COMMAND, MAKEWPARAM(1040, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(GetDlgItem(exec, 1040)), SMTO_NORMAL, kRunLimitMs, &answer),
              0);
    EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(exec, 1090)) == "Executing ended"; }, kRunLimitMs));
    std::printf("Stop to \"Executing ended\": %lu ms\n", static_cast<unsigned long>(GetTickCount() - stopped));

    PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    HWND box = tool.WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    EXPECT_EQ(text.rfind("These entries were not saved:", 0), 0u) << text;
    EXPECT_NE(text.find(std::string(60, 'm') + "... (1000000 characters)"), std::string::npos) << text;
    Press(box, IDOK);
    EXPECT_TRUE(tool.Ended(10000));
    const std::string saved = ReadFileBytes(root + "\\Setting\\ExecuteDebug.set");
    EXPECT_EQ(saved.find(std::string(1000, 'm')), std::string::npos);
    EXPECT_NE(saved.find("(none)"), std::string::npos) << "the suffix history was not saved";
}

// The Options page's values and named sets across a close and a new start;
// a refused save shows its text and writes nothing.
TEST_F(SkelbrandE2e, OptionsAndNamedSetsSurviveAReopen)
{
    const std::string settings = root + "\\Setting\\ExecuteDebug.set";
    RemoveFile(settings);
    {
        Program tool(Command());
        HWND sheet = tool.WaitForDialog("Quenlow: execute and debug");
        ASSERT_NE(sheet, nullptr);
        options = PageWith(sheet, 1044);
        SendMessageA(GetDlgItem(options, 1011), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(GetDlgItem(options, 1053), BM_SETCHECK, BST_UNCHECKED, 0);
        Click(options, 1053);
        SetWindowTextA(GetDlgItem(options, 1041), "300");
        SetWindowTextA(GetDlgItem(options, 1042), "50");
        SetWindowTextA(GetDlgItem(options, 1027), "-Da=1\r\n-Db=2");
        SetWindowTextA(GetDlgItem(options, 1044), " first ");
        SetWindowTextA(GetDlgItem(options, 1045), "x \"a b\"");
        Click(options, 1049);
        const std::string saved = ReadFileBytes(settings);
        EXPECT_NE(saved.find("first"), std::string::npos) << saved;

        const struct {
            const char* name;
            std::string content;
            std::string message;
        } refusals[] = {
            {"two words", "x", "Name can not contain space characters"},
            {"  ", "x", "Please input a Name for saving"},
            {"empty", "", "Please input a content for saving"},
            {"long", std::string(501, 'x'),
             "Error:\nmaximum length of content is 500,current length is 501,\nwhich can not be saved."},
        };
        for (const auto& r : refusals) {
            SetWindowTextA(GetDlgItem(options, 1044), r.name);
            SetWindowTextA(GetDlgItem(options, 1045), r.content.c_str());
            PostMessageA(options, WM_COMMAND, MAKEWPARAM(1049, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(options, 1049)));
            HWND box = tool.WaitForDialog("Message");
            ASSERT_NE(box, nullptr) << r.name;
            EXPECT_EQ(MessageText(box), r.message);
            Press(box, IDOK);
            ASSERT_TRUE(WaitFor([&] { return tool.FindDialog("Message") == nullptr; }, 60000));
            EXPECT_EQ(ReadFileBytes(settings), saved) << r.name;
        }
        SetWindowTextA(GetDlgItem(options, 1045), "x \"a b\"");
        PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ASSERT_TRUE(tool.Ended(60000));
    }
    const std::string closed = ReadFileBytes(settings);
    {
        Program tool(Command());
        HWND sheet = tool.WaitForDialog("Quenlow: execute and debug");
        ASSERT_NE(sheet, nullptr);
        options = PageWith(sheet, 1044);
        EXPECT_EQ(SendMessageA(GetDlgItem(options, 1011), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageA(GetDlgItem(options, 1053), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(WindowText(GetDlgItem(options, 1041)), "300");
        EXPECT_EQ(WindowText(GetDlgItem(options, 1042)), "100");
        EXPECT_EQ(PaneLines(XString(WindowText(GetDlgItem(options, 1027)).c_str())), "-Da=1\n-Db=2");
        EXPECT_EQ(WindowText(GetDlgItem(options, 1044)), "first");
        EXPECT_EQ(WindowText(GetDlgItem(options, 1045)), "x \"a b\"");
        PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        ASSERT_TRUE(tool.Ended(60000));
    }
    EXPECT_EQ(ReadFileBytes(settings), closed);
}

// The whole chain: Quenlow's /execute-files starts Skelbrand, whose tree
// runs the class and whose class information goes through Quenlow again
// (to the class viewer, a recorder here).
TEST_F(SkelbrandE2e, StartedByTheMainProgram)
{
    const Tree tree = MakeTree("skelbrand chain");
    ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_SKELBRAND).c_str(), (tree.Bin() + "\\Skelbrand.exe").c_str(), FALSE));
    Program quenlow("\"" + tree.Exe() + "\" /execute-files 1\n" + classes + "\n");
    HWND sheet = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (sheet = FindWindowA(nullptr, "Quenlow: execute and debug")) != nullptr; }, 60000));
    EndsWindowProcess skelbrand;
    skelbrand.window = sheet;
    ASSERT_TRUE(FindPages(sheet));
    Click(main, 1004);
    Choose(find, {"run", "Echo.class"}, 32772);
    EXPECT_TRUE(WaitFor([&] { return Pane(exec, 1020).find("arguments: ") != std::string::npos; }, kRunLimitMs))
        << WindowText(GetDlgItem(exec, 1090));
    Click(exec, 1040);
    EXPECT_TRUE(WaitFor([&] { return WindowText(GetDlgItem(exec, 1090)) == "Executing ended"; }, kRunLimitMs));

    Choose(find, {"run", "Echo.class"}, 32771);
    std::vector<std::string> records;
    ASSERT_TRUE(WaitFor([&] { return !(records = Records(tree.Log())).empty(); }, kRunLimitMs));
    EXPECT_EQ(records[0].rfind("\"" + tree.Bin() + "\\Hembrook.exe\" /inside-info ", 0), 0u) << records[0];
    EXPECT_NE(records[0].find("\"" + classes + "\\run\\Echo.class\""), std::string::npos) << records[0];

    PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }, 60000));
}

}  // namespace
