// Skelbrand.exe's Debug page with a recording jdb in a Java kit of the
// test's own: every command button and every Send of the page's combos and
// of the four command dialogs gives exactly its line on jdb's standard input
// and its echo in the output pane; the dialogs' refusals show their text and
// send nothing; "Clear message" starts the pane again. Then the ends of a
// run: the stop button, a new start while jdb runs, a jdb that has stopped
// reading, and jdb's own end just after a long output, each leave one run in
// the panes. Without a jdb under any Java home, Debug starts nothing.
//
// The tests point the Java kits' registry entries elsewhere and put them
// back, so they run while no other test runs.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/debug_page.h"
#include "support/java_version_switch.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"
#include "support/window_text.h"

namespace {

using namespace debug_page;

// The keys today's installers write (the test JDK's the first), switched to
// a version of the test's own.
constexpr char kTodayKitKey[] = "SOFTWARE\\JavaSoft\\JDK";
constexpr char kTodayRuntimeKey[] = "SOFTWARE\\JavaSoft\\JRE";
constexpr char kTestVersion[] = "0.0-quenlow-test";
constexpr DWORD kLimitMs = 60000;
const char kCaption[] = "Quenlow: execute and debug";
const char kNoClass[] = "Please input a class name with package as 'Name'";
const char kNoMember[] = "Please input a method of the class as 'Method'";
const char kNoLine[] = "Please input a line number";
constexpr int kStopButton = 1063;
constexpr int kExitButton = 1064;

const std::string kOutStart = std::string(38, '=') + " Start debugging ...\n";
const std::string kErrStart = std::string(38, '*') + " Start debugging ...\n";
const std::string kOutEnd = "\n" + std::string(38, '=') + " End   debugging ...\n";
const std::string kErrEnd = "\n" + std::string(38, '*') + " End   debugging ...\n";

// A window of the tool, acted on as a user acts: texts typed, entries and
// radio buttons chosen, buttons clicked or, for command buttons, pressed.
struct Window {
    HWND handle;

    const Window& Type(int id, const char* text) const
    {
        SetWindowTextA(GetDlgItem(handle, id), text);
        return *this;
    }
    const Window& Choose(int combo, const char* entry) const
    {
        HWND box = GetDlgItem(handle, combo);
        const LRESULT at = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
        EXPECT_NE(at, CB_ERR) << "no entry " << entry << " in " << combo;
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        return *this;
    }
    const Window& Radio(int id) const
    {
        SendMessageA(GetDlgItem(handle, id), BM_CLICK, 0, 0);
        return *this;
    }
    void Click(int id) const { debug_page::Click(handle, id); }
    void Press(int id) const { PressCommand(handle, id); }
};

struct Console {
    const Program& tool;
    HWND page;

    Window Page() const { return {page}; }
    // A debug dialog that an earlier step opened.
    Window In(const char* caption) const
    {
        HWND dialog = tool.FindDialog(caption);
        EXPECT_NE(dialog, nullptr) << caption;
        return {dialog};
    }
};

// One step at the console and what it must give.
struct Case {
    std::string name;
    std::function<void(const Console&)> act;
    const char* line = nullptr;     // what jdb then reads; null: nothing
    const char* refusal = nullptr;  // the message box shown instead
    const char* opens = nullptr;    // the dialog that appears instead
    bool clearMessage = false;
};

std::vector<Case> ConsoleCases()
{
    std::vector<Case> cases = {
        {"run", [](const Console& c) { c.Page().Press(1059); }, "run"},
        {"next", [](const Console& c) { c.Page().Press(1068); }, "next"},
        {"step", [](const Console& c) { c.Page().Press(1057); }, "step"},
        {"step up", [](const Console& c) { c.Page().Press(1065); }, "step up"},
        {"cont, clear message", [](const Console& c) { c.Page().Press(1058); }, "cont", nullptr, nullptr, true},
        {"down", [](const Console& c) { c.Page().Press(1066); }, "down"},
        {"up", [](const Console& c) { c.Page().Press(1067); }, "up"},
        {"use command, trimmed", [](const Console& c) { c.Page().Type(1080, "  print demo.Main.count ").Click(1061); },
         "print demo.Main.count"},
        {"use command, blank", [](const Console& c) { c.Page().Type(1080, "   ").Click(1061); }},

        {"stop in opens its dialog", [](const Console& c) { c.Page().Press(1077); }, nullptr, nullptr, "Stop in"},
        {"stop in, selected class", [](const Console& c) { c.In("Stop in").Choose(1074, "tick()").Click(1076); },
         "stop in demo.Main.tick()"},
        {"stop in, typed class",
         [](const Console& c) { c.In("Stop in").Type(1077, " demo.Other ").Type(1073, " run ").Click(1078); },
         "stop in demo.Other.run"},
        {"stop in, blank class", [](const Console& c) { c.In("Stop in").Type(1077, "   ").Type(1073, "run").Click(1078); },
         nullptr, kNoClass},
        {"stop in, blank method",
         [](const Console& c) { c.In("Stop in").Type(1077, "demo.Other").Type(1073, " ").Click(1078); }, nullptr,
         kNoMember},

        // Each Send of 'Stop at' reads the line beside it.
        {"stop at opens its dialog", [](const Console& c) { c.Page().Press(1076); }, nullptr, nullptr, "Stop at"},
        {"stop at, selected class",
         [](const Console& c) { c.In("Stop at").Type(1080, "14").Type(1081, "7").Click(1076); }, "stop at demo.Main:14"},
        {"stop at, typed class",
         [](const Console& c) { c.In("Stop at").Type(1077, " demo.Other ").Type(1080, "14").Type(1081, " 7 ").Click(1078); },
         "stop at demo.Other:7"},
        {"stop at, selected class without a line",
         [](const Console& c) { c.In("Stop at").Type(1080, "").Type(1081, "7").Click(1076); }, nullptr, kNoLine},
        {"stop at, typed class without a line",
         [](const Console& c) { c.In("Stop at").Type(1077, "demo.Other").Type(1080, "14").Type(1081, " ").Click(1078); },
         nullptr, kNoLine},
        {"stop at, blank class", [](const Console& c) { c.In("Stop at").Type(1077, " ").Type(1081, "7").Click(1078); },
         nullptr, kNoClass},

        {"un-watch opens its dialog", [](const Console& c) { c.Page().Press(1078); }, nullptr, nullptr,
         "watch and unwatch"},
        {"watch, selected class",
         [](const Console& c) { c.In("watch and unwatch").Radio(1081).Radio(1083).Choose(1086, "count").Click(1076); },
         "watch demo.Main.count"},
        {"watch all, typed class",
         [](const Console& c) {
             c.In("watch and unwatch").Radio(1081).Radio(1084).Type(1077, " demo.Other ").Type(1087, " size ").Click(1078);
         },
         "watch all demo.Other.size"},
        {"unwatch access, selected class",
         [](const Console& c) { c.In("watch and unwatch").Radio(1082).Radio(1085).Choose(1086, "count").Click(1076); },
         "unwatch access demo.Main.count"},
        {"unwatch, typed class",
         [](const Console& c) {
             c.In("watch and unwatch").Radio(1082).Radio(1083).Type(1077, "demo.Other").Type(1087, "size").Click(1078);
         },
         "unwatch demo.Other.size"},
        {"watch, blank field",
         [](const Console& c) { c.In("watch and unwatch").Type(1077, "demo.Other").Type(1087, "  ").Click(1078); },
         nullptr, kNoMember},
        {"watch, blank class",
         [](const Console& c) { c.In("watch and unwatch").Type(1077, "  ").Type(1087, "size").Click(1078); }, nullptr,
         kNoClass},

        {"class opens its dialog", [](const Console& c) { c.Page().Press(1079); }, nullptr, nullptr, "class"},
        {"class, selected class", [](const Console& c) { c.In("class").Radio(1088).Click(1076); }, "class demo.Main"},
        {"fields, typed class", [](const Console& c) { c.In("class").Radio(1089).Type(1077, " demo.Other ").Click(1078); },
         "fields demo.Other"},
        {"methods, selected class", [](const Console& c) { c.In("class").Radio(1090).Click(1076); }, "methods demo.Main"},
        {"class, blank class", [](const Console& c) { c.In("class").Radio(1088).Type(1077, " ").Click(1078); }, nullptr,
         kNoClass},
    };
    // Every entry of the two fixed combos, through its Send.
    static const char* const kSimple[] = {"locals",  "classes",    "monitor",      "pop",       "reenter", "clear",
                                          "version", "connectors", "threadgroups", "classpath", "help",    "!!"};
    static const char* const kOption[] = {"threads", "suspend",         "resume", "where", "wherei",     "trace methods",
                                          "untrace methods", "list", "use",    "exclude", "threadlocks"};
    for (const char* entry : kSimple)
        cases.push_back({std::string("simple command ") + entry,
                         [entry](const Console& c) { c.Page().Choose(1070, entry).Click(1062); }, entry});
    for (const char* entry : kOption)
        cases.push_back({std::string("option command ") + entry,
                         [entry](const Console& c) { c.Page().Choose(1073, entry).Click(1074); }, entry});
    return cases;
}

size_t LineCount(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Output that the stand-in writes just before it ends: longer than a rich
// edit holds by default, in CR LF lines, with the byte 0xB6 in every line;
// as the pane shows it, in LF lines.
std::string LongOutput(bool asPane)
{
    std::string text;
    char line[64];
    for (int i = 0; i < 4000; ++i) {
        std::snprintf(line, sizeof line, "%05d jdb said \xB6 and went on%s", i, asPane ? "\n" : "\r\n");
        text += line;
    }
    return text;
}

// Suspends every thread of the processes of that program name: here, a
// debugger that has stopped reading its input. The count of processes
// found.
int SuspendProgram(const char* exeName)
{
    std::vector<DWORD> ids;
    HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 process = {};
    process.dwSize = sizeof process;
    for (BOOL more = Process32First(processes, &process); more; more = Process32Next(processes, &process)) {
        if (lstrcmpiA(process.szExeFile, exeName) == 0)
            ids.push_back(process.th32ProcessID);
    }
    CloseHandle(processes);
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(threads, &thread); more; more = Thread32Next(threads, &thread)) {
        if (std::find(ids.begin(), ids.end(), thread.th32OwnerProcessID) == ids.end())
            continue;
        if (HANDLE handle = OpenThread(THREAD_SUSPEND_RESUME, FALSE, thread.th32ThreadID)) {
            SuspendThread(handle);
            CloseHandle(handle);
        }
    }
    CloseHandle(threads);
    return static_cast<int>(ids.size());
}

class SkelbrandRecordingJdb : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = MakeDebugTree("skelbrand recording jdb", QUENLOW_SKELBRAND);
        ASSERT_FALSE(root.empty());
        classes = WindowsPath(QUENLOW_DEBUG_CLASSES);
    }

    // A Java home of the test's own whose bin holds the recorder under each
    // of the names; the path of its bin folder.
    std::string MakeHome(const char* name, std::initializer_list<const char*> tools) const
    {
        const std::string bin = root + "\\" + name + "\\bin";
        CreateDirectoryA((root + "\\" + name).c_str(), nullptr);
        CreateDirectoryA(bin.c_str(), nullptr);
        for (const char* tool : tools)
            EXPECT_TRUE(CopyFileA(WindowsPath(QUENLOW_RECORDER).c_str(), (bin + "\\" + tool).c_str(), FALSE));
        for (const char* log : {"commandline.log", "stdin.log", "exit.out"})
            RemoveFile(bin + "\\" + log);
        return bin;
    }

    static void Close(const Program& tool, HWND sheet)
    {
        PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        // No prompt: no run is left.
        EXPECT_TRUE(tool.Ended(60000));
    }

    std::string root;
    std::string classes;
};

// Skelbrand with the recording jdb of a kit that the lookup finds first.
class RecordingJdbSession {
public:
    RecordingJdbSession(const std::string& toolCommand, const std::string& jdbBin, const std::string& kitHome)
        : bin(jdbBin), kit(kTodayKitKey, kTestVersion, kitHome), tool(toolCommand)
    {
        sheet = tool.WaitForDialog(kCaption);
        debug = sheet ? PageWith(sheet, kClearMessage) : nullptr;
    }

    bool RunOn() const { return IsWindowEnabled(GetDlgItem(debug, kRunButton)) != FALSE; }
    std::vector<std::string> Starts() const { return Records(bin + "\\commandline.log"); }
    std::string Input() const { return ReadFileBytes(bin + "\\stdin.log"); }
    // Debug from the Find page, and wait until that start of jdb is the
    // count-th and its run is on.
    bool Debug(size_t count) const
    {
        DebugSelected(sheet);
        return WaitFor([&] { return RunOn() && Starts().size() == count; }, kLimitMs);
    }
    bool Ended() const
    {
        return WaitFor([&] { return WindowText(GetDlgItem(debug, kStatus)) == "Debugging ended"; }, kLimitMs);
    }

    const std::string bin;
    JavaVersionSwitch kit;
    Program tool;
    HWND sheet = nullptr;
    HWND debug = nullptr;
};

TEST_F(SkelbrandRecordingJdb, EveryCommandReachesJdbAsItsOwnLine)
{
    const std::string bin = MakeHome("jdk", {"jdb.exe"});
    RecordingJdbSession session(SkelbrandCommand(root, classes), bin, root + "\\jdk");
    ASSERT_NE(session.debug, nullptr);
    HWND debug = session.debug;
    ASSERT_TRUE(session.Debug(1)) << WindowText(GetDlgItem(debug, kStatus));
    const std::string start = session.Starts()[0];
    EXPECT_EQ(start.rfind("\"" + bin + "\\jdb.exe\" -classpath \"" + classes + "\";", 0), 0u) << start;
    EXPECT_NE(start.find(" demo.Main"), std::string::npos) << start;
    EXPECT_EQ(Out(debug), kOutStart);
    EXPECT_EQ(SendMessageA(GetDlgItem(debug, 1070), CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(SendMessageA(GetDlgItem(debug, 1073), CB_GETCOUNT, 0, 0), 11);

    const Console console{session.tool, debug};
    const std::vector<Case> cases = ConsoleCases();
    // A step that sends nothing is shown by the next one's input: the last
    // one sends.
    ASSERT_NE(cases.back().line, nullptr);
    std::string out = kOutStart;
    std::string lines;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageA(GetDlgItem(debug, kClearMessage), BM_SETCHECK, c.clearMessage ? BST_CHECKED : BST_UNCHECKED, 0);
        c.act(console);
        if (c.refusal) {
            HWND box = session.tool.WaitForDialog("Message");
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(MessageText(box), c.refusal);
            Press(box, IDOK);
            ASSERT_TRUE(WaitFor([&] { return session.tool.FindDialog("Message") == nullptr; }, kLimitMs));
        }
        if (c.opens) {
            EXPECT_NE(session.tool.WaitForDialog(c.opens), nullptr);
        }
        if (!c.line) {
            // What a later step reads on jdb's input shows that nothing went.
            EXPECT_EQ(Out(debug), out);
            continue;
        }
        out = (c.clearMessage ? std::string(38, '=') + " Start debugging ..." : out) + Echo(c.line);
        lines += std::string(c.line) + "\n";
        WaitFor([&] { return LineCount(session.Input()) >= LineCount(lines); }, kLimitMs);
        EXPECT_EQ(session.Input(), lines);
        EXPECT_EQ(Out(debug), out);
    }
    Click(debug, kStopButton);
    EXPECT_TRUE(session.Ended());
    Close(session.tool, session.sheet);
}

TEST_F(SkelbrandRecordingJdb, EachRunOfJdbEndsOnceInThePanes)
{
    const std::string bin = MakeHome("jdk", {"jdb.exe"});
    RecordingJdbSession session(SkelbrandCommand(root, classes), bin, root + "\\jdk");
    ASSERT_NE(session.debug, nullptr);
    HWND debug = session.debug;
    const auto panesHold = [&](const std::string& out, const std::string& err) {
        EXPECT_EQ(Out(debug), out);
        EXPECT_EQ(Pane(debug, kErrPane), err);
    };

    // The stop button asks jdb to exit.
    ASSERT_TRUE(session.Debug(1));
    Click(debug, kStopButton);
    ASSERT_TRUE(session.Ended());
    EXPECT_EQ(session.Input(), "exit\n");
    panesHold(kOutStart + kOutEnd, kErrStart + kErrEnd);

    // Debug again, and again while that run is on: the new start ends the
    // run by the same exit, and the panes hold the newest run alone.
    ASSERT_TRUE(session.Debug(2));
    panesHold(kOutStart, kErrStart);
    ASSERT_TRUE(session.Debug(3));
    EXPECT_EQ(session.Input(), "exit\nexit\n");
    panesHold(kOutStart, kErrStart);

    // A jdb that has stopped reading: sends go on without holding the
    // window, and the pane says what did not reach jdb; the stop ends it.
    ASSERT_EQ(SuspendProgram("jdb.exe"), 1);
    const std::string command = "print " + std::string(1500, 'x');
    const std::string notDelivered = "\n(jdb is not reading its input: the command was not delivered)\n";
    int sends = 0;
    while (sends < 200 && Out(debug).find(Echo(command) + notDelivered) == std::string::npos) {
        SetWindowTextA(GetDlgItem(debug, 1080), command.c_str());
        Click(debug, 1061);
        ++sends;
        DWORD_PTR answer = 0;
        ASSERT_NE(SendMessageTimeoutA(debug, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 60000, &answer), 0) << sends;
        ASSERT_TRUE(WaitFor([&] { return CountOf(Out(debug), Echo(command)) == sends; }, kLimitMs)) << sends;
    }
    EXPECT_LT(sends, 200);
    const std::string full = Out(debug);
    EXPECT_EQ(full.substr(full.size() - notDelivered.size()), notDelivered);
    EXPECT_LE(CountOf(full, "\n(jdb is not reading its input: the command was delivered only in part)\n"), 1);
    Click(debug, kStopButton);
    ASSERT_TRUE(session.Ended());
    EXPECT_EQ(session.Input(), "exit\nexit\n");
    EXPECT_EQ(Pane(debug, kErrPane), kErrStart + kErrEnd);

    // "Clear message" on a long pane, then jdb's own end right after a long
    // output: all of it is shown below the start rule and the echo, then
    // one end banner.
    ASSERT_TRUE(session.Debug(4));
    std::string lines = "exit\nexit\n";
    for (int i = 0; i < 3; ++i) {
        SetWindowTextA(GetDlgItem(debug, 1080), command.c_str());
        Click(debug, 1061);
        lines += command + "\n";
        ASSERT_TRUE(WaitFor([&] { return session.Input() == lines; }, kLimitMs)) << i;
    }
    SendMessageA(GetDlgItem(debug, kClearMessage), BM_SETCHECK, BST_CHECKED, 0);
    ASSERT_TRUE(WriteFileBytes(bin + "\\exit.out", LongOutput(false)));
    PressCommand(debug, kExitButton);
    ASSERT_TRUE(session.Ended());
    EXPECT_EQ(session.Input(), lines + "exit\n");
    const std::string last = Out(debug);
    EXPECT_TRUE(last == std::string(38, '=') + " Start debugging ..." + Echo("exit") + LongOutput(true) + kOutEnd)
        << "the pane holds " << last.size() << " characters, from: " << last.substr(0, 200) << "\nto: "
        << last.substr(last.size() > 200 ? last.size() - 200 : 0);
    EXPECT_EQ(Pane(debug, kErrPane), kErrStart + kErrEnd);
    EXPECT_FALSE(session.RunOn());
    // The long command is too long for the history that the closing saves:
    // one message names it, and the rest is saved.
    PostMessageA(session.sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    HWND box = session.tool.WaitForDialog("Message");
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    EXPECT_EQ(text.rfind("These entries were not saved:", 0), 0u) << text;
    EXPECT_NE(text.find("print xxxxxxxx"), std::string::npos) << text;
    EXPECT_NE(text.find("... (1506 characters)"), std::string::npos) << text;
    Press(box, IDOK);
    EXPECT_TRUE(session.tool.Ended(60000));
}

TEST_F(SkelbrandRecordingJdb, WithoutAJdbUnderAnyJavaHomeNothingStarts)
{
    const std::string runtime = MakeHome("jre", {"java.exe", "javaw.exe"});
    const std::string kitBin = MakeHome("kit", {"java.exe", "javaw.exe", "javac.exe", "jar.exe"});
    const struct {
        const char* name;
        std::string kit;  // empty: the kit's key names no home
    } cases[] = {
        {"a runtime only", ""},
        {"a kit without jdb beside the runtime", root + "\\kit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JavaVersionSwitch kit(kTodayKitKey, kTestVersion, c.kit);
        JavaVersionSwitch jre(kTodayRuntimeKey, kTestVersion, root + "\\jre");
        Program tool(SkelbrandCommand(root, classes));
        HWND sheet = tool.WaitForDialog(kCaption);
        ASSERT_NE(sheet, nullptr);
        HWND debug = PageWith(sheet, kClearMessage);
        ASSERT_NE(debug, nullptr);
        DebugSelected(sheet);
        EXPECT_EQ(WindowText(GetDlgItem(debug, kStatus)), "Error: can not find jdb.exe");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(debug, kRunButton)));
        EXPECT_EQ(Pane(debug, kCommandPane), "");
        EXPECT_EQ(Out(debug), "");
        Close(tool, sheet);
        EXPECT_TRUE(Records(runtime + "\\commandline.log").empty());
        EXPECT_TRUE(Records(kitBin + "\\commandline.log").empty());
    }
}

}  // namespace
