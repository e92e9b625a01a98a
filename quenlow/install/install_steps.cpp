// The installer's three steps: "/install", "/uninstall" and "/reboot".
#include <windows.h>

#include "install_registry.h"
#include "main_app.h"
#include "paths/file_system.h"
#include "restart.h"

namespace {

XString SystemFolderFile(const char* name)
{
    char folder[999] = {};
    GetSystemDirectoryA(folder, sizeof folder);
    XString path(folder);
    path.AppendChar('\\');
    path.Append(name);
    return path;
}

XString BinFile(const char* name)
{
    XString path = GetBinDir();
    path.AppendChar('\\');
    path.Append(name);
    return path;
}

// Puts the new library in place of the old one; the working library is only
// ever replaced, never deleted beforehand.
bool MoveNewLibrary()
{
    return MoveFileExA(SystemFolderFile("Pivrellon.dll").Data(), BinFile("Pivrellon.dll").Data(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE;
}

void CancelPendingUninstall()
{
    XString command;
    if (ReadRunValue(kUninstallValue, command) &&
        UninstallCommandNames(command.Data(), GetProgramDir().Data())) {
        DeleteRunValue(kUninstallValue);
        DeleteFileA(SystemFolderFile("Ostrabec.exe").Data());
    }
}

}  // namespace

void MainApp::Install()
{
    CancelPendingUninstall();
    if (!FileExists(SystemFolderFile("Pivrellon.dll").Data()) || MoveNewLibrary()) {
        RegisterShellMenu(true);
        return;
    }
    // The old library is loaded: replace it at the next logon.
    XString command("\"");
    command.AppendString(GetModulePath());
    command.Append("\" /reboot");
    WriteRunValue(kInstallValue, command.Data());
    AskToRestart("You must reboot computer to complet installation,\ndo you want to reboot now?",
                 EWX_REBOOT | EWX_FORCE, "Please restart it yourself to complete the installation.");
}

void MainApp::CompleteInstall()
{
    if (DeleteRunValue(kInstallValue) && FileExists(SystemFolderFile("Pivrellon.dll").Data()))
        MoveNewLibrary();
    RegisterShellMenu(true);
}

void MainApp::Uninstall()
{
    // The type to put back is read also from a file that can only be read,
    // and without one the association written here is still taken back.
    SettingsFile settings;
    settings.OpenExisting(SettingsFile::GetPath().Data());
    RemoveClassAssociation(settings);
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\Quenlow");
    DeleteKeyTree(HKEY_CLASSES_ROOT, kDocumentType);
    RegisterShellMenu(false);
    const XString library = BinFile("Pivrellon.dll");
    if (DeleteFileA(library.Data()) || !FileExists(library.Data())) {
        settings.Close();
        return;
    }
    // Explorer holds the library: the finisher removes it after a reboot.
    const XString finisher = SystemFolderFile("Ostrabec.exe");
    CopyFileA(BinFile("Ostrabec.exe").Data(), finisher.Data(), FALSE);
    XString command("\"");
    command.AppendString(finisher);
    command.Append("\" /uninstall ");
    command.AppendString(GetProgramDir());
    WriteRunValue(kUninstallValue, command.Data());
    XString restart("\"");
    restart.AppendString(finisher);
    restart.Append("\" /restart");
    WinExec(restart.Data(), SW_SHOW);
    settings.Close();
}
