#pragma once
// What the screen shows of a window: its pixels to compare and search, and a
// BMP file of them for a person to look at.
#include <windows.h>

#include <cstdint>
#include <vector>

struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB, rows from the top

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool operator==(const ScreenPicture& other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};

// The screen's pixels of a window (client: only its client area).
ScreenPicture CaptureWindow(HWND window, bool client = false);
// A 24-bit BMP file.
bool SavePicture(const ScreenPicture& picture, const char* path);
