#pragma once

#include <windows.h>

// The page of a tool's sheet, in any process, that holds the control.
inline HWND PageWith(HWND sheet, int id)
{
    HWND page = nullptr;
    while ((page = FindWindowExA(sheet, page, "#32770", nullptr)) != nullptr) {
        if (GetDlgItem(page, id))
            return page;
    }
    return nullptr;
}
