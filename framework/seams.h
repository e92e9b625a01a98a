#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

// Effects that leave the program: one replaceable function each, so tests can
// record a message box and answer it, and never restart the machine.
namespace seams {

extern int (*ShowMessage)(HWND owner, const char* text, const char* caption, UINT type);
extern HWND (*OpenHelp)(HWND caller, const char* file, UINT command, DWORD_PTR data);
extern HINSTANCE (*ShellOpen)(HWND owner, const char* verb, const char* file, const char* parameters,
                                 const char* directory, int show);
extern BOOL (*ChooseOpenFile)(OPENFILENAMEA* request);
extern BOOL (*ChooseSaveFile)(OPENFILENAMEA* request);
extern LPITEMIDLIST (*ChooseFolder)(BROWSEINFOA* request);
extern BOOL (*ExitSystem)(UINT flags, DWORD reason);
// Enables a privilege (SE_SHUTDOWN_NAME, ...) on the process's token; FALSE,
// with the last error set, when the token does not hold it.
extern BOOL (*EnablePrivilege)(const char* name);
// A popup menu: what TrackPopupMenu returns (the command with TPM_RETURNCMD).
extern BOOL (*TrackPopup)(HMENU menu, UINT flags, int x, int y, HWND owner);

// Puts every function back to the real one.
void Restore();

}  // namespace seams
