#include "link_cursor.h"

namespace {
constexpr int kHelpHandCursor = 106;
}

HCURSOR LoadLinkCursor()
{
    char path[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length > 0 && length < MAX_PATH - 14) {
        lstrcatA(path, "\\winhlp32.exe");
        // As data only: nothing of the program runs.
        if (HMODULE help = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            HCURSOR hand = LoadCursorA(help, MAKEINTRESOURCEA(kHelpHandCursor));
            HCURSOR copy = hand ? static_cast<HCURSOR>(CopyIcon(hand)) : nullptr;
            FreeLibrary(help);
            if (copy)
                return copy;
        }
    }
    return static_cast<HCURSOR>(CopyIcon(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649))));  // IDC_HAND
}
