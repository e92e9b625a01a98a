#pragma once

#include <windows.h>

#include <string>

#include "support/process_window.h"

// The help browser in another process: its frame, found by the program it
// runs from, the parts of the frame the tests press, and its end.

// The path of a process's program, as the system names it.
inline std::string ProgramOf(DWORD processId)
{
    using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
    static const QueryImageName query = reinterpret_cast<QueryImageName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
    char path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (!process || !query || !query(process, 0, path, &size))
        path[0] = 0;
    if (process)
        CloseHandle(process);
    return path;
}

struct FrameSearch {
    std::string program;
    HWND found;
};

// Other tests run help-browser frames of their own at the same time: only
// a frame of the given program counts.
inline BOOL CALLBACK MatchFrame(HWND window, LPARAM data)
{
    FrameSearch* search = reinterpret_cast<FrameSearch*>(data);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (std::string(name) != "DovrekellFrame" || !IsWindowVisible(window) ||
        lstrcmpiA(ProgramOf(processId).c_str(), search->program.c_str()) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

inline HWND FindFrame(const std::string& program)
{
    FrameSearch search = {program, nullptr};
    EnumWindows(MatchFrame, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND ChildOfClass(HWND parent, const char* className)
{
    return FindWindowExA(parent, nullptr, className, nullptr);
}

// The left panel: the form view in the outer splitter's first pane.
inline HWND PanelOf(HWND frame)
{
    return ChildOfClass(ChildOfClass(frame, "QuenlowSplitter"), "#32770");
}

// A running help browser, found by its frame; ended at the test's end if it
// still runs.
class HelpBrowserProcess {
public:
    HelpBrowserProcess() = default;
    ~HelpBrowserProcess() { End(); }
    HelpBrowserProcess(const HelpBrowserProcess&) = delete;
    HelpBrowserProcess& operator=(const HelpBrowserProcess&) = delete;

    // Waits up to timeoutMs for the program's frame.
    bool Attach(const std::string& program, DWORD timeoutMs)
    {
        End();
        const DWORD start = GetTickCount();
        while ((frame = FindFrame(program)) == nullptr) {
            if (GetTickCount() - start > timeoutMs)
                return false;
            Sleep(50);
        }
        GetWindowThreadProcessId(frame, &id);
        process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
        return process != nullptr;
    }

    // Closes the frame as the user does; true when the program ended with 0.
    bool Close(DWORD timeoutMs)
    {
        if (!process)
            return false;
        PostMessageA(frame, WM_CLOSE, 0, 0);
        DWORD code = 1;
        const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0 &&
                           GetExitCodeProcess(process, &code) && code == 0;
        End();
        return ended;
    }

    HWND Frame() const { return frame; }
    HWND Panel() const { return PanelOf(frame); }
    DWORD Id() const { return id; }
    HWND Window(const char* className, const char* caption) const { return FindProcessWindow(id, className, caption); }

private:
    void End()
    {
        if (!process)
            return;
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
        process = nullptr;
        frame = nullptr;
    }

    HWND frame = nullptr;
    HANDLE process = nullptr;
    DWORD id = 0;
};
