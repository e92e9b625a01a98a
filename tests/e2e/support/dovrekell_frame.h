#pragma once

// The help browser's frame among the windows of every process: other tests
// run frames of their own at the same time, so only a frame of the given
// program counts.
#include <windows.h>

#include <string>

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
// a frame of the installation's program counts.
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
