#include "seams.h"

namespace {

int RealMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    return MessageBoxA(owner, text, caption, type);
}

// The HTML Help viewer is a control loaded when first needed; without it help
// simply does not open.
HWND RealHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data)
{
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HtmlHelpFunction function = [] {
        HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        return viewer ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")))
                      : nullptr;
    }();
    return function ? function(caller, file, command, data) : nullptr;
}

HINSTANCE RealShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show)
{
    return ShellExecuteA(owner, verb, file, parameters, directory, show);
}

BOOL RealGetOpenFileName(OPENFILENAMEA* request)
{
    return GetOpenFileNameA(request);
}

BOOL RealGetSaveFileName(OPENFILENAMEA* request)
{
    return GetSaveFileNameA(request);
}

LPITEMIDLIST RealBrowseForFolder(BROWSEINFOA* request)
{
    return SHBrowseForFolderA(request);
}

BOOL RealExitWindows(UINT flags, DWORD reason)
{
    return ExitWindowsEx(flags, reason);
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
    TrackPopup = RealTrackPopupMenu;
}

}  // namespace seams
