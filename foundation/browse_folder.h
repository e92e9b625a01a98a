#pragma once

#include <windows.h>
#include <shlobj.h>

#include "xobject.h"
#include "xstring.h"

// The state of one shell folder picker: lets it open on a given folder and
// lets a derived helper see the picker's messages.
class BrowseHelper : public XObject {
public:
    ~BrowseHelper() override = default;
    // Non-zero when the message was handled; the picker's own procedure gets
    // every message the helper leaves.
    virtual int OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND dialog = nullptr;
    WNDPROC oldProc = nullptr;
    XString text;
    const char* initialFolder = nullptr;  // selected when the picker opens; may be null
};

int CALLBACK BrowseCallbackProc(HWND picker, UINT message, LPARAM lParam, LPARAM helper);
LRESULT CALLBACK BrowseSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The shell's folder picker itself (SHBrowseForFolderA), its library loaded
// when first wanted; nullptr when it cannot be loaded.
LPITEMIDLIST BrowseFolderDialog(BROWSEINFOA* request);

// Shows the picker titled "Quenlow" over owner, opening on
// helper.initialFolder. 1 and the chosen folder (as PickedFolderText gives
// it) in folder; 0 when the user cancels. show stands in for the shell's
// picker when given (a program's replaceable effect).
int BrowseForFolder(HWND owner, BrowseHelper& helper, XString& folder,
                    LPITEMIDLIST (*show)(BROWSEINFOA*) = nullptr);
