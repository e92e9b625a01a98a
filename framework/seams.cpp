#include "seams.h"

#include "browse_folder.h"
#include "late_bound.h"

namespace {

int RealMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    return MessageBoxA(owner, text, caption, type);
}

// The HTML Help viewer is a control loaded when first needed; without it help
// simply does not open.
HWND RealHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data)
{
    static const auto function = LateBound<HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR)>("hhctrl.ocx", "HtmlHelpA");
    return function ? function(caller, file, command, data) : nullptr;
}

HINSTANCE RealShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show)
{
    static const auto function = LateBound<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    // As the system answers when it cannot start anything.
    return function ? function(owner, verb, file, parameters, directory, show)
                    : reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

BOOL RealGetOpenFileName(OPENFILENAMEA* request)
{
    static const auto function = LateBound<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    return function ? function(request) : FALSE;
}

BOOL RealGetSaveFileName(OPENFILENAMEA* request)
{
    static const auto function = LateBound<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    return function ? function(request) : FALSE;
}

LPITEMIDLIST RealBrowseForFolder(BROWSEINFOA* request)
{
    return BrowseFolderDialog(request);
}

BOOL RealExitWindows(UINT flags, DWORD reason)
{
    return ExitWindowsEx(flags, reason);
}

BOOL RealEnablePrivilege(const char* name)
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return FALSE;
    TOKEN_PRIVILEGES wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    BOOL enabled = LookupPrivilegeValueA(nullptr, name, &wanted.Privileges[0].Luid) &&
                   AdjustTokenPrivileges(token, FALSE, &wanted, 0, nullptr, nullptr);
    // AdjustTokenPrivileges succeeds also when the token lacks the privilege.
    const DWORD error = GetLastError();
    if (enabled && error != ERROR_SUCCESS)
        enabled = FALSE;
    CloseHandle(token);
    SetLastError(enabled ? ERROR_SUCCESS : error);
    return enabled;
}

BOOL RealTrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

}  // namespace

namespace seams {

int (*ShowMessage)(HWND, const char*, const char*, UINT) = RealMessageBox;
HWND (*OpenHelp)(HWND, const char*, UINT, DWORD_PTR) = RealHtmlHelp;
HINSTANCE (*ShellOpen)(HWND, const char*, const char*, const char*, const char*, int) = RealShellExecute;
BOOL (*ChooseOpenFile)(OPENFILENAMEA*) = RealGetOpenFileName;
BOOL (*ChooseSaveFile)(OPENFILENAMEA*) = RealGetSaveFileName;
LPITEMIDLIST (*ChooseFolder)(BROWSEINFOA*) = RealBrowseForFolder;
BOOL (*ExitSystem)(UINT, DWORD) = RealExitWindows;
BOOL (*EnablePrivilege)(const char*) = RealEnablePrivilege;
BOOL (*TrackPopup)(HMENU, UINT, int, int, HWND) = RealTrackPopupMenu;

void Restore()
{
    ShowMessage = RealMessageBox;
    OpenHelp = RealHtmlHelp;
    ShellOpen = RealShellExecute;
    ChooseOpenFile = RealGetOpenFileName;
    ChooseSaveFile = RealGetSaveFileName;
    ChooseFolder = RealBrowseForFolder;
    ExitSystem = RealExitWindows;
    EnablePrivilege = RealEnablePrivilege;
    TrackPopup = RealTrackPopupMenu;
}

}  // namespace seams
