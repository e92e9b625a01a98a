#pragma once

#include <windows.h>

// The pointer over a link: the help program's hand (cursor 106 of
// winhlp32.exe in the Windows folder) where it exists, else the system's
// hand, so the pointer never vanishes over a link. The caller owns the copy
// and destroys it with DestroyCursor.
HCURSOR LoadLinkCursor();
