// Times the Create button on a project of many files, for a Windows
// executable and for an executable jar, next to the bare jar tool packing
// the same files: what the suite adds to a build should be a small part of
// the jar tool's own time. Whole process against whole process: Create's
// click starts the jar tool as a child, the bare tool is started the same
// way, from the same folder on the same names with the same compression.
// Each is timed in several interleaved rounds, the order turning by one each
// round; the fastest round of each is compared, so a moment of load on a
// shared machine weighs little, and the medians are shown beside. Create is timed from the click until its handler returns
// (the result shown); before the next round starts, the output pane must
// hold the tool's whole listing and the end banner, so no round pays for
// the one before.
//   create_bench [file count] [rounds]   (3000 and 7, under Wine with the test JDK)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "controls.h"
#include "java_home.h"
#include "main_dialog.h"
#include "main_dialog_ids.h"
#include "process/output_text.h"
#include "rich_edit.h"
#include "seams.h"
#include "support/bench/stopwatch.h"
#include "support/child_process.h"
#include "support/test_files.h"

namespace {

int CountMessage(HWND, const char* text, const char*, UINT)
{
    std::fprintf(stderr, "message: %s\n", text);
    return IDNO;
}

// Delivers the dialog's messages until its pane lists every file, ends with
// the run's end banner and has nothing more coming, or 60 s. The files
// listed.
int WaitForListing(MainDlg& dialog, int files)
{
    int listed = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        const XString text = RichEdit(dialog.Item(IDC_OUTPUT_PANE)).GetText();
        listed = CountAddingLines(text);
        if (listed >= files && std::strstr(text.Data(), "end of creating ") != nullptr &&
            dialog.WaitForOutputPane(0))
            break;
        Sleep(10);
    }
    return listed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int rounds = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 7;
    LoadRichEditLibrary();
    seams::ShowMessage = CountMessage;
    const std::string folder = ScratchPath("create_bench");
    const std::string project = folder + "\\proj";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(project.c_str(), nullptr);
    CreateDirectoryA((project + "\\demo").c_str(), nullptr);
    CreateDirectoryA((project + "\\p").c_str(), nullptr);
    const std::string mainClass = project + "\\demo\\Main.class";
    if (!CopyFileA(QUENLOW_SAMPLE_CLASSES "\\demo\\Main.class", mainClass.c_str(), FALSE)) {
        std::fprintf(stderr, "no sample class\n");
        return 1;
    }
    // The names as the jar tool's argument file wants them: quoted, with
    // doubled backslashes (the bare tool takes them from a file too, so any
    // count fits its command line).
    std::string names = "\"demo\\\\Main.class\"\r\n";
    const std::string body(2048, 'x');
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p\\F%04d.class", i);
        WriteFileBytes(project + "\\" + name, body + name);
        names += "\"p\\\\" + std::string(name + 2) + "\"\r\n";
    }

    SettingsFile settings;
    if (!settings.OpenAndInit((folder + "\\Quenlow.set").c_str())) {
        std::fprintf(stderr, "cannot open the settings\n");
        return 1;
    }
    MainDlg dialog(settings);
    dialog.Create();
    // Shown, as the program shows it: the output pane and the report dialog
    // cost what they cost on the screen.
    ShowWindow(dialog.Handle(), SW_SHOW);
    Button(dialog.Item(IDC_MAIN_CLASS_DIR_ONLY)).SetCheck(BST_UNCHECKED);
    SetWindowTextA(dialog.Item(IDC_MAIN_CLASS), mainClass.c_str());
    // The bare tool, from the project's folder, on the same names.
    const std::string bareJar = folder + "\\bare.jar";
    const std::string nameFile = folder + "\\names.txt";
    WriteFileBytes(nameFile, names);
    const std::string jarTool = std::string(FindJavaToolExe("\\bin\\jar.exe", 1, 1).Data());
    const std::string bareCommand = jarTool + " cfvM \"" + bareJar + "\" @\"" + nameFile + "\"";

    struct Build {
        const char* what;
        int radio;  // 0: the bare jar tool
        const char* output;
        std::vector<double> seconds;
        bool failed;
    } builds[] = {
        {"Create, Windows exe file", IDC_CREATE_EXE, "bench.exe", {}, false},
        {"Create, executable jar file", IDC_CREATE_JAR, "bench.jar", {}, false},
        {"bare jar tool", 0, "bare.jar", {}, false},
    };
    const int files = count + 1;
    std::printf("%d files of %zu bytes in %s, %d interleaved rounds\n", files, body.size() + 13, project.c_str(),
                rounds);
    std::printf("Create: the click until the handler returns (jar tool cfvM, or cmfv with the default manifest for\n"
                "  the jar; names in an argument file; compressed; from the project folder)\n");
    std::printf("bare:   %s\n", bareCommand.c_str());
    const int kinds = static_cast<int>(sizeof builds / sizeof builds[0]);
    for (int round = 0; round < rounds; ++round) {
        // Each round starts with another kind, so none always follows the
        // same one.
        for (int k = 0; k < kinds; ++k) {
            Build& build = builds[(round + k) % kinds];
            const std::string output = folder + "\\" + build.output;
            DeleteFileA(output.c_str());
            double seconds = 0;
            if (build.radio) {
                SendMessageA(dialog.Item(build.radio), BM_CLICK, 0, 0);
                SetWindowTextA(dialog.Item(IDC_OUTPUT_FILE), output.c_str());
                seconds = Time([&] { SendMessageA(dialog.Item(IDC_CREATE), BM_CLICK, 0, 0); });
                const int listed = WaitForListing(dialog, files);
                if (listed != files) {
                    std::printf("%s: the pane lists %d of %d files\n", build.what, listed, files);
                    build.failed = true;
                }
            } else {
                SetCurrentDirectoryA(project.c_str());
                ChildResult bare;
                seconds = Time([&] { bare = RunChild(bareCommand, "", 600000); });
                build.failed = build.failed || bare.exitCode != 0;
            }
            build.failed = build.failed || GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES;
            build.seconds.push_back(seconds);
        }
    }
    const double bareBest = *std::min_element(builds[2].seconds.begin(), builds[2].seconds.end());
    const double bareMedian = Median(builds[2].seconds);
    std::printf("%-32s %7s %7s %7s\n", "", "best", "median", "worst");
    for (const Build& build : builds) {
        const double best = *std::min_element(build.seconds.begin(), build.seconds.end());
        const double worst = *std::max_element(build.seconds.begin(), build.seconds.end());
        const double median = Median(build.seconds);
        std::printf("%-32s %6.3fs %6.3fs %6.3fs", build.what, best, median, worst);
        if (build.radio)
            std::printf("   %.2fx the bare jar tool (best), %.2fx (median)", bareBest > 0 ? best / bareBest : 0.0,
                        bareMedian > 0 ? median / bareMedian : 0.0);
        std::printf("%s\n", build.failed ? "  (failed)" : "");
    }
    DestroyWindow(dialog.Handle());
    settings.Close();
    return 0;
}
