// Drives the main program for the demo: starts it from known settings (the
// defaults, with the sample main class and the executable to build heading
// their histories, whatever an earlier use by hand left there), starts
// Quenlow.exe, and, asked to run, presses Run in the main dialog, waits for
// the run to end and prints what the output pane shows, then presses Create
// for a Windows executable and prints the creating information. Without
// --run it leaves the dialog to the user.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "info_dialogs_ids.h"
#include "main_dialog_ids.h"
#include "settings/settings_file.h"
#include "support/screen_picture.h"
#include "support/screenshot.h"
#include "support/window_text.h"

namespace {

constexpr char kInfoTitle[] = "Creating information";
constexpr char kDialogTitle[] = "Quenlow 3.201";
constexpr char kEndBanner[] = "end of launching main class";
constexpr int kMessageBoxText = 0xFFFF;  // the static of a message box

struct Search {
    DWORD process;
    HWND found;
    const char* title;
};

BOOL CALLBACK MatchMainDialog(HWND window, LPARAM data)
{
    auto* s = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == s->process && std::string(title) == s->title && IsWindowVisible(window)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD process, const char* title)
{
    Search search = {process, nullptr, title};
    EnumWindows(MatchMainDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: demo_driver <Quenlow.exe> <main class file> <exe to create> "
                             "[--run <screenshot.bmp>]\n");
        return 2;
    }
    const std::string program = argv[1];
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string settingFolder = program.substr(0, program.rfind('\\')) + "\\Setting";
    const std::string settingsPath = settingFolder + "\\Quenlow.set";
    DeleteFileA(settingsPath.c_str());
    DeleteFileA((settingFolder + "\\mainargs.data").c_str());
    {
        SettingsFile settings;
        if (!settings.OpenAndInit(settingsPath.c_str())) {
            std::fprintf(stderr, "cannot write %s\n", settingsPath.c_str());
            return 1;
        }
        settings.AddListItem("SECT_MAIN_MAINCLASS", argv[2], 1, 0);
        settings.AddListItem("SECT_MAIN_OUTPUT", argv[3], 1, 0);
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = "\"" + program + "\"";
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return 1;
    }
    CloseHandle(info.hThread);
    HWND dialog = nullptr;
    for (int i = 0; i < 300 && !(dialog = FindDialog(info.dwProcessId, kDialogTitle)); ++i)
        Sleep(100);
    if (!dialog) {
        std::fprintf(stderr, "the main dialog did not open\n");
        TerminateProcess(info.hProcess, 1);
        return 1;
    }
    std::printf("Quenlow is open with %s as its main class and %s as its output file.\n", argv[2], argv[3]);
    if (argc < 5 || std::string(argv[4]) != "--run") {
        WaitForSingleObject(info.hProcess, INFINITE);  // until the user closes it
        return 0;
    }
    SendMessageA(GetDlgItem(dialog, IDC_RUN_MAIN_CLASS), BM_CLICK, 0, 0);
    std::string pane;
    HWND outputPane = GetDlgItem(dialog, IDC_OUTPUT_PANE);
    for (int i = 0; i < 600 && (pane = WindowText(outputPane)).find(kEndBanner) == std::string::npos; ++i)
        Sleep(100);
    std::printf("--- the output pane ---\n%s\n", pane.c_str());
    std::fflush(stdout);
    SetForegroundWindow(dialog);
    Sleep(500);  // let the pane paint the last lines
    if (argc > 5 && SavePicture(CaptureWindow(dialog), argv[5]))
        std::printf("screenshot: %s\n", argv[5]);

    // Create: the dialog's thread runs the jar tool inside the click.
    SendMessageA(GetDlgItem(dialog, IDC_CREATE_EXE), BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(dialog, IDC_CREATE), BM_CLICK, 0, 0);
    HWND created = nullptr;
    HWND refusal = nullptr;
    for (int i = 0; i < 900 && !(created = FindDialog(info.dwProcessId, kInfoTitle)) &&
                    !(refusal = FindDialog(info.dwProcessId, "Message"));
         ++i)
        Sleep(100);
    if (refusal) {
        std::printf("--- Create refused: ---\n%s\n", WindowText(GetDlgItem(refusal, kMessageBoxText)).c_str());
        PostMessageA(refusal, WM_COMMAND, IDOK, 0);
        PostMessageA(refusal, WM_COMMAND, IDNO, 0);
    } else if (created) {
        const std::string report = WindowText(GetDlgItem(created, IDC_CREATE_INFO_REPORT));
        std::printf("--- Create: %s ---\n%s\n", argv[3], report.c_str());
        std::fflush(stdout);
    } else {
        std::printf("--- Create did not finish; the pane shows ---\n%s\n", WindowText(outputPane).c_str());
    }
    if (created)
        SendMessageA(GetDlgItem(created, IDC_INFO_CLOSE), BM_CLICK, 0, 0);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0) {
        std::printf("Quenlow did not end; it is terminated\n");
        TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hProcess);
    return pane.find(kEndBanner) == std::string::npos || !created ? 1 : 0;
}
