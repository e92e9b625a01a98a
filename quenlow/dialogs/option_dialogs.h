#pragma once

#include <windows.h>

#include "bmp_button.h"
#include "option_dialog.h"

// The modal dialogs of the main dialog's option menus. Each edits the keys
// of the main settings file that the builders, the double-click start and
// the context menu read.

// Whether the context menu shows its verbs in a submenu.
class DlgMenuStyle : public OptionDialog {
public:
    DlgMenuStyle(HWND parent, const char* settingsPath);

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnApply(WPARAM, LPARAM);
};

// Options for java and javaw, and the uses they are given to.
class DlgOtherJava : public OptionDialog {
public:
    DlgOtherJava(HWND parent, const char* settingsPath);

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnApply(WPARAM, LPARAM);
    INT_PTR OnCancelButton(WPARAM, LPARAM);
};

// The main() arguments (kept in their own file) and the uses they are given to.
class DlgMainArgs : public OptionDialog {
public:
    // argsPath: "<program directory>\Setting\mainargs.data".
    DlgMainArgs(HWND parent, const char* settingsPath, const char* argsPath);

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnApply(WPARAM, LPARAM);
    XString argsPath;
};

// How a user's icon is converted into a built executable. Stored on every
// close, whichever way the dialog is closed.
class DlgIconOptions : public OptionDialog {
public:
    DlgIconOptions(HWND parent, const char* settingsPath);

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnDestroyWindow(WPARAM, LPARAM);
};

// The .class association that makes a double-click run a class file.
class DlgDoubleClick : public OptionDialog {
public:
    // programPath: the open command's program, normally Quenlow.exe itself.
    DlgDoubleClick(HWND parent, const char* settingsPath, const char* programPath);

    static constexpr char kNoAllowMessage[] = "Please select one or more 'Allow' options for double click";
    static constexpr char kSizeMessage[] = "Error: minimum size for Applet is 100x100 pixels";

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnApply(WPARAM, LPARAM);
    INT_PTR OnDisable(WPARAM, LPARAM);
    INT_PTR OnCloseButton(WPARAM, LPARAM);
    // Reads HKCR ".class" and shows what it says in the caption and the
    // Disable button.
    void ShowStatus();
    XString programPath;
};

// Which files of a main class's folder the builders pack, and how long the
// jar tool may take.
class DlgFileOptions : public OptionDialog {
public:
    DlgFileOptions(HWND parent, const char* settingsPath);

    static constexpr int kLowestTimeout = 20;
    static constexpr int kHighestTimeout = 120;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnClose(WPARAM, LPARAM);
    INT_PTR OnAdd(WPARAM, LPARAM);
    INT_PTR OnRemove(WPARAM, LPARAM);
    INT_PTR OnBoxClicked(WPARAM, LPARAM);
    void AttachListButtons();
    void UpdateControls();
    // Checks what the dialog shows and stores it; false (after telling the
    // user) when it can not be stored.
    bool Store();

    // Up and Dn of the inclusive, then of the exclusive list.
    BmpButton listButtons[4];
};
