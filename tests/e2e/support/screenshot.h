#pragma once

#include <windows.h>

#include "support/screen_picture.h"

// The window as it is on the screen, as a 24-bit BMP file.
inline bool SaveScreenshot(HWND window, const char* path)
{
    return SavePicture(CaptureWindow(window), path);
}
