#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// A throw-away installation tree for Quenlow.exe: the program at its top,
// recorders under the siblings' names in bin\, and a settings file.
struct Tree {
    std::string dir;
    std::string Bin() const { return dir + "\\bin"; }
    std::string Exe() const { return dir + "\\Quenlow.exe"; }
    std::string Log() const { return Bin() + "\\commandline.log"; }
    std::string Settings() const { return dir + "\\Setting\\Quenlow.set"; }
};

// leaveOut: a sibling's file name that is not installed.
Tree MakeTree(const std::string& name, bool withSettings = true, const char* leaveOut = nullptr);
// A bare installation folder (bin, Setting, temp) under the scratch folder
// holding one tool in bin and the recorder as Quenlow.exe; its Windows path,
// empty when a copy failed.
std::string MakeToolTree(const std::string& name, const char* toolExe, const char* toolName);

// The NUL-ended records of a recorder's log.
std::vector<std::string> Records(const std::string& log);

// A started program, terminated at the test's end if it still runs.
class Program {
public:
    explicit Program(const std::string& commandLine);
    // The process of a window that another program started.
    explicit Program(HWND window);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Whether the program ended within the time; when it did not, its windows
    // (message boxes with their text) are printed to tell why.
    bool Ended(DWORD timeoutMs) const;
    bool Started() const { return started; }
    DWORD StartError() const { return startError; }
    std::string Windows() const;
    // A visible top-level window of this process of the class, with the
    // caption (null: any).
    HWND FindWindowOf(const char* className, const char* caption = nullptr) const;
    // A visible top-level dialog window of this process with the caption.
    HWND FindDialog(const char* caption) const;
    HWND WaitForDialog(const char* caption) const;  // up to 60 s; prints the windows when none came

private:
    std::string commandLine;
    bool started = false;
    DWORD startError = 0;
    PROCESS_INFORMATION info = {};
};

// The tree's Quenlow.exe started, and its main dialog (null when none came).
HWND StartMainDialog(const Tree& tree, std::unique_ptr<Program>& quenlow);
// The main dialog cancelled, as a user closes it; whether the program then
// ended.
bool CloseMainDialog(HWND dialog, const Program* quenlow);

// A message box as a user sees it: its text, and a button pressed.
std::string MessageText(HWND box);
void Press(HWND box, int button);

// Polls a condition for up to timeoutMs.
template <class Condition>
bool WaitFor(Condition condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(100);
    }
    return true;
}
