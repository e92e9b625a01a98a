#pragma once

// What a rich edit of another process shows: its text (the control's
// paragraph ends read back as LF) and the colour of its first character,
// read through memory of that process.
#include <windows.h>
#include <richedit.h>

#include <string>

#include "support/rich_text_lines.h"
#include "window_text.h"

inline std::string RemoteRichText(HWND edit)
{
    return RichTextLines(WindowText(edit));
}

// The control's default character format (its font), read through memory of
// its process; cbSize 0 when it can not be read.
inline CHARFORMATA RemoteDefaultFormat(HWND edit)
{
    CHARFORMATA format = {};
    DWORD processId = 0;
    GetWindowThreadProcessId(edit, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return format;
    void* remote = VirtualAllocEx(process, nullptr, sizeof format, MEM_COMMIT, PAGE_READWRITE);
    CHARFORMATA asked = {};
    asked.cbSize = sizeof asked;
    if (remote && WriteProcessMemory(process, remote, &asked, sizeof asked, nullptr)) {
        SendMessageA(edit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &format, sizeof format, nullptr);
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return format;
}

// 0xFFFFFFFF when the format can not be read.
inline COLORREF RemoteTextColour(HWND edit)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(edit, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return 0xFFFFFFFF;
    COLORREF colour = 0xFFFFFFFF;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(CHARFORMATA), MEM_COMMIT, PAGE_READWRITE);
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    if (remote && WriteProcessMemory(process, remote, &format, sizeof format, nullptr)) {
        SendMessageA(edit, EM_SETSEL, 0, 1);
        SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(remote));
        SendMessageA(edit, EM_SETSEL, 0, 0);
        if (ReadProcessMemory(process, remote, &format, sizeof format, nullptr))
            colour = (format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor;
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return colour;
}
