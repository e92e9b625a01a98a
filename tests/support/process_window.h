#pragma once

#include <windows.h>

#include <string>

// A visible top-level window of a process, by class and caption (null: any).
struct ProcessWindowSearch {
    DWORD process;
    const char* className;
    const char* caption;
    HWND found;
};

inline BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ProcessWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {}, title[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (process == search->process && std::string(className) == search->className &&
        (!search->caption || std::string(title) == search->caption) && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindProcessWindow(DWORD process, const char* className, const char* caption = nullptr)
{
    ProcessWindowSearch search = {process, className, caption, nullptr};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
