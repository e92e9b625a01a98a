#pragma once

#include <windows.h>

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

    HINSTANCE Instance() const { return instance; }
    HWND MainWindow() const { return mainWindow; }
    void SetMainWindow(HWND window) { mainWindow = window; }

    // Start-up services a program asks for before its first window.
    static bool StartSockets();  // Windows Sockets 1.1; no socket is opened
    static bool LoadRichEdit();
    static bool InitOle();
    static void Enable3dControls() {}  // the controls are drawn in 3-D already
    static void SetDialogColors(COLORREF background, COLORREF text);
    static HBRUSH DialogBrush();
    static COLORREF DialogTextColor();

    // Modeless dialogs get their keyboard handling from the one message loop.
    static void AddModeless(HWND dialog);
    static void RemoveModeless(HWND dialog);
    static bool PreTranslate(MSG& msg);

    int Main(HINSTANCE instance, const char* commandLine);

private:
    static App* current;
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
};
