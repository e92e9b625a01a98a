#pragma once

#include <windows.h>

#include <functional>

#include "message_filter.h"

// The application object. The framework's WinMain hands the raw command line
// (after the program name) to InitInstance; a program that does all its work
// there returns FALSE and the process ends without a message loop.
class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    static App* Current() { return current; }

    virtual BOOL InitInstance(const char* commandLine) = 0;
    virtual int Run();  // the message loop, for programs that return TRUE

    // The module that holds this code, found from the code itself, so every
    // dialog, page, menu and bitmap comes from the program (or library) that
    // was built with it, with or without an App object.
    static HINSTANCE Instance();
    HWND MainWindow() const { return mainWindow; }
    void SetMainWindow(HWND window) { mainWindow = window; }

    static bool InitOle();
    static void SetDialogColors(COLORREF background, COLORREF text);
    static HBRUSH DialogBrush();
    static COLORREF DialogTextColor();

    // The one message loop's filter chain, asked newest first. A filter
    // stays registered until it is removed (before its object ends).
    static void AddFilter(MessageFilter& filter);
    static void RemoveFilter(MessageFilter& filter);
    static bool PreTranslate(MSG& msg);

    // A modal window's loop: messages go to the window's own keyboard
    // handling, then to the filters, until running() turns false; the owner
    // is disabled meanwhile and enabled again before the loop returns, so the
    // focus goes back to it when the window goes. A WM_QUIT is put back for
    // the outer loop.
    static void RunModalLoop(HWND owner, const std::function<bool()>& running,
                             const std::function<bool(MSG&)>& ownKeys);

    int Main(const char* commandLine);

private:
    static App* current;
    HWND mainWindow = nullptr;
};
