// Times Farrowick compiling a generated project "As a whole" next to the bare
// javac on the same files with the same command line: what the tool adds to a
// compile should be a small part of javac's own time. Whole process against
// whole process: the tool is started with the main program's payload, its
// Main page's "Compile" pressed ("As a whole" left chosen in its settings),
// and it is closed once the run has ended; the
// bare javac is started in the same folder and waited for. Each is timed in
// interleaved rounds and the fastest round of each is compared, so a moment
// of load on a shared machine weighs little; a first round of both warms
// up and is not counted. Past the longest command line both read the
// sources from an argument file.
//   compile_bench [source count] [rounds]   (300 and 3, under Wine with the test JDK)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "compile_command.h"
#include "javac_paths.h"
#include "payloads.h"
#include "process/argument_file.h"
#include "support/bench/stopwatch.h"
#include "support/child_process.h"
#include "support/farrowick_controls.h"
#include "support/sheet_page.h"
#include "support/test_files.h"
#include "support/window_text.h"
#include "tool_settings.h"

namespace {

using farrowick_controls::kCaption;
using farrowick_controls::kContinue;
using farrowick_controls::kErrPane;
using farrowick_controls::kMainCompile;

constexpr int kMethods = 30;

// A class with a few methods that call each other, as real sources do.
std::string Source(const std::string& name, int index)
{
    std::string text = "public class " + name + " {\n";
    for (int m = 0; m < kMethods; ++m)
        text += "    int m" + std::to_string(m) + "(int x) { return x * " + std::to_string(index + m) + " + m" +
                std::to_string(m > 0 ? m - 1 : 0) + "(x >> 1); }\n";
    return text + "    public String toString() { return \"" + name + "\" + m" + std::to_string(kMethods - 1) +
           "(3); }\n}\n";
}

// Waits for a condition, looking every 5 ms while the tool runs: a
// coarser look would charge the tool for up to one interval at the sheet's
// showing and again at the end banner. Ends early when the process ends.
template <class Condition>
bool WaitFine(HANDLE process, Condition condition, DWORD timeoutMs)
{
    for (const DWORD start = GetTickCount(); !condition();) {
        if (GetTickCount() - start > timeoutMs || WaitForSingleObject(process, 5) == WAIT_OBJECT_0)
            return false;
    }
    return true;
}

// The pane's text holds the banner; its text is read again only once its
// length has changed, so the tool's thread answers little more than a length.
bool PaneShows(HWND pane, const char* banner, LRESULT& lastLength)
{
    const LRESULT length = SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0);
    if (length == lastLength)
        return false;
    lastLength = length;
    return WindowText(pane).find(banner) != std::string::npos;
}

// The tool from its start to its end: Compile pressed on the Main page, the
// sheet closed after the run's end banner. pressToEnd: from the press to the
// end banner seen in the err pane.
bool RunTool(const std::string& commandLine, double& pressToEnd)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string writable = commandLine;
    if (!CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    HWND sheet = nullptr;
    bool ok = WaitFine(
        process.hProcess,
        [&] { return (sheet = FindWindowA("#32770", kCaption)) != nullptr && IsWindowVisible(sheet); }, 60000);
    HWND compile = nullptr;
    if (ok) {
        HWND main = PageWith(sheet, kMainCompile);
        pressToEnd = Time([&] {
            SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMainCompile, BN_CLICKED), 0);
            compile = PageWith(sheet, kContinue);
            LRESULT seen = -1;
            ok = compile && WaitFine(
                                process.hProcess,
                                [&] { return PaneShows(GetDlgItem(compile, kErrPane), "End   compiling", seen); },
                                300000);
        });
    }
    // Closing is refused (with a message) until the compile's last step.
    for (int attempt = 0; ok && attempt < 400; ++attempt) {
        PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0)
            break;
        if (HWND box = FindWindowA("#32770", "Message"))
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        ok = false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 300;
    const int rounds = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 3;
    const std::string root = WindowsPath(ScratchPath("compile_bench"));
    const std::string project = root + "\\src";
    for (const char* folder : {"", "\\bin", "\\Setting", "\\src"})
        CreateDirectoryA((root + folder).c_str(), nullptr);
    if (!CopyFileA(WindowsPath(QUENLOW_FARROWICK).c_str(), (root + "\\bin\\Farrowick.exe").c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy Farrowick.exe\n");
        return 1;
    }
    std::string selection = std::to_string(count) + "\n";
    XString unit;
    for (int i = 0; i < count; ++i) {
        const std::string name = "S" + std::to_string(1000 + i);
        const std::string path = project + "\\" + name + ".java";
        if (!WriteFileBytes(path, Source(name, i))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        selection += path + "\n";
        unit.Append(("\"" + path + "\"\n").c_str());
    }
    {
        // "As a whole", as a user leaves it chosen on the Options page.
        ZSettings settings(ToolKind::Compile);
        if (!settings.Open((root + "\\Setting\\Compile.set").c_str()) ||
            !settings.SetOptionInts(kCompileWhole, kOutputLocal)) {
            std::fprintf(stderr, "cannot write the settings\n");
            return 1;
        }
    }
    ClassPathRecord record;
    std::string tool =
        "\"" + root + "\\bin\\Farrowick.exe\" /inside-info " + InsideInfo(record, selection.c_str()).Data();
    // No command line holds that many selected files: the source folder is
    // selected instead, whose files the tool lists itself.
    const bool folderSelected = static_cast<int>(tool.size()) > kLongestCommandLine;
    if (folderSelected) {
        const std::string folder = "1\n" + project + "\n";
        tool = "\"" + root + "\\bin\\Farrowick.exe\" /inside-info " + InsideInfo(record, folder.c_str()).Data();
    }

    // The tool's own command line for the files, with its default options
    // (debug information, classes next to the sources).
    CompileOptions options;
    options.g = 1;
    options.noUserCommand = 1;
    const XString javac = FindJavacExe(0);
    if (javac.IsEmpty()) {
        std::fprintf(stderr, "no JDK found\n");
        return 1;
    }
    const XString display = DisplayCommand(CompileCommand(javac.Data(), XString(), CompileOptionsText(options)));
    const UnitCommand command = UnitCommandTexts(display, OutputOptionText(options), unit);
    // So many sources that no command line holds them: javac reads them from
    // an argument file, as the tool hands them over.
    std::string bareRun = command.run.Data();
    if (NeedsArgumentFile(command)) {
        const std::string list = root + "\\javac sources.txt";
        if (!WriteArgumentFile(list.c_str(), UnitArgumentList(unit))) {
            std::fprintf(stderr, "cannot write %s\n", list.c_str());
            return 1;
        }
        bareRun = ArgumentFileRunText(display, OutputOptionText(options), list.c_str()).Data();
    }
    SetCurrentDirectoryA(project.c_str());

    double bestTool = 1e30;
    double bestJavac = 1e30;
    double bestPress = 1e30;
    // Round 0 warms up and is not counted: the first compile of the fresh
    // project makes its class files and brings the sources and the JDK into
    // memory, which would otherwise fall to the tool, always timed first.
    for (int round = 0; round <= rounds; ++round) {
        bool toolOk = false;
        double pressTime = 0;
        const double toolTime = Time([&] { toolOk = RunTool(tool, pressTime); });
        ChildResult bare;
        const double javacTime = Time([&] { bare = RunChild(bareRun, "", 300000); });
        if (!toolOk || !bare.started || bare.exitCode != 0) {
            std::fprintf(stderr, "round %d failed (tool %d, javac started %d exit %lu)\n%s", round, toolOk ? 1 : 0,
                         bare.started ? 1 : 0, static_cast<unsigned long>(bare.exitCode), bare.err.c_str());
            return 1;
        }
        if (round == 0) {
            std::printf("warm-up (not counted): Farrowick %.3f s, javac %.3f s\n", toolTime, javacTime);
            continue;
        }
        std::printf("round %d: Farrowick %.3f s (Compile press to javac's end shown %.3f s), javac %.3f s\n",
                    round, toolTime, pressTime, javacTime);
        bestTool = toolTime < bestTool ? toolTime : bestTool;
        bestPress = pressTime < bestPress ? pressTime : bestPress;
        bestJavac = javacTime < bestJavac ? javacTime : bestJavac;
    }
    if (folderSelected)
        std::printf("(the source folder selected: the list of %d files is too long for a command line)\n", count);
    std::printf("%d sources as a whole, best of %d: Farrowick %.3f s, bare javac %.3f s, ratio %.2f "
                "(the tool adds %.3f s)\n",
                count, rounds, bestTool, bestJavac, bestTool / bestJavac, bestTool - bestJavac);
    // Not whole process against whole process: the tool's start and close left
    // out, its end seen by looking at the err pane every 5 ms.
    std::printf("  inside the tool, from the Compile press to javac's end shown in the err pane: best %.3f s, "
                "ratio %.2f to bare javac\n",
                bestPress, bestPress / bestJavac);
    return 0;
}
