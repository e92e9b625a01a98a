// Times the Create button on a project of many files, for a Windows
// executable and for an executable jar, next to the bare jar tool packing
// the same files: what the suite adds to a build should be a small part of
// the jar tool's own time.
//   create_bench [file count]     (default 3000, under Wine with the test JDK)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls.h"
#include "java_home.h"
#include "main_dialog.h"
#include "main_dialog_ids.h"
#include "rich_edit.h"
#include "seams.h"
#include "support/child_process.h"
#include "support/test_files.h"

namespace {

int CountMessage(HWND, const char* text, const char*, UINT)
{
    std::fprintf(stderr, "message: %s\n", text);
    return IDNO;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Action>
double Time(Action action)
{
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    action();
    QueryPerformanceCounter(&to);
    return Seconds(from, to);
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 3000;
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
    Button(dialog.Item(IDC_MAIN_CLASS_DIR_ONLY)).SetCheck(BST_UNCHECKED);
    SetWindowTextA(dialog.Item(IDC_MAIN_CLASS), mainClass.c_str());
    const struct {
        const char* what;
        int radio;
        const char* output;
    } builds[] = {
        {"Create, Windows exe file", IDC_CREATE_EXE, "bench.exe"},
        {"Create, executable jar file", IDC_CREATE_JAR, "bench.jar"},
    };
    std::printf("%d files of %zu bytes\n", count + 1, body.size() + 13);
    for (const auto& build : builds) {
        SendMessageA(dialog.Item(build.radio), BM_CLICK, 0, 0);
        const std::string output = folder + "\\" + build.output;
        DeleteFileA(output.c_str());
        SetWindowTextA(dialog.Item(IDC_OUTPUT_FILE), output.c_str());
        const double seconds = Time([&] { SendMessageA(dialog.Item(IDC_CREATE), BM_CLICK, 0, 0); });
        const bool made = GetFileAttributesA(output.c_str()) != INVALID_FILE_ATTRIBUTES;
        std::printf("%-32s %7.2f s%s\n", build.what, seconds, made ? "" : "  (nothing created)");
    }
    // The bare tool, from the project's folder, on the same names.
    const std::string bareJar = folder + "\\bare.jar";
    const std::string nameFile = folder + "\\names.txt";
    WriteFileBytes(nameFile, names);
    DeleteFileA(bareJar.c_str());
    SetCurrentDirectoryA(project.c_str());
    const std::string jarTool = std::string(FindJavaToolExe("\\bin\\jar.exe", 1, 1).Data());
    ChildResult bare;
    const std::string command = jarTool + " cfvM \"" + bareJar + "\" @\"" + nameFile + "\"";
    const double seconds = Time([&] { bare = RunChild(command, "", 600000); });
    std::printf("%-32s %7.2f s%s\n", "bare jar tool", seconds, bare.exitCode == 0 ? "" : "  (failed)");
    DestroyWindow(dialog.Handle());
    settings.Close();
    return 0;
}
