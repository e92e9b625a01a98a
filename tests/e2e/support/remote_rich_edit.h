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
