// Ostrabec: finishes an uninstallation that had to wait for a reboot, and
// asks for that reboot.
#include <windows.h>

#include "finisher_command.h"
#include "restart.h"
#include "paths/file_system.h"
#include "xbuffer.h"
#include "xfile.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "QuenlowUninstall";

XString Joined(const XString& folder, const char* tail)
{
    XString path(folder);
    path.Append(tail);
    return path;
}

void AskRestart()
{
    AskToRestart("You must reboot computer to complete uninstallation,\ndo you want to reboot now?", EWX_REBOOT,
                 "Please restart it yourself to complete the uninstallation.");
}

// Each step's failure is left behind; the next step runs.
void FinishUninstall(const XString& folder)
{
    HKEY run;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kRunKey, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, kRunValue);
        RegCloseKey(run);
    }
    DeleteFileA(Joined(folder, "\\bin\\Pivrellon.dll").Data());
    RemoveDirectoryA(Joined(folder, "\\bin").Data());
    RemoveDirectoryA(folder.Data());

    const XString exe = GetModulePath();
    XString batchPath(exe);
    while (!batchPath.IsEmpty() && batchPath.LastChar() != '\\')
        batchPath.RemoveLast();
    batchPath.Append("Ostrabec.bat");
    const XString batch = BuildSelfDeleteBatch(exe.Data(), batchPath.Data());
    XFile file;
    if (!file.Create(batchPath.Data(), 1))
        return;
    const int written = file.Write(batch.Data(), batch.Length());
    file.Truncate();
    file.Close();
    if (!written)
        return;
    XString command("\"");
    command.AppendString(batchPath);
    command.AppendChar('"');
    WinExec(command.Data(), SW_HIDE);
}

int UninstallMain(const char* commandLine)
{
    XString folder;
    switch (ParseFinisherCommand(commandLine, folder)) {
    case FinisherAction::AskRestart: AskRestart(); break;
    case FinisherAction::Uninstall: FinishUninstall(folder); break;
    case FinisherAction::Nothing: break;
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    return UninstallMain(commandLine);
}
