#include "support/screen_picture.h"

#include <cstdio>
#include <string>

namespace {

RECT ScreenRect(HWND window, bool client)
{
    RECT r;
    if (!client) {
        GetWindowRect(window, &r);
        return r;
    }
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

ScreenPicture CaptureWindow(HWND window, bool client)
{
    // A maximised window's frame lies past the screen's edges; a copy that
    // reaches outside the screen comes back black under X11.
    const RECT whole = ScreenRect(window, client);
    const RECT screenArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT r;
    if (!IntersectRect(&r, &whole, &screenArea))
        return ScreenPicture();
    ScreenPicture picture;
    picture.width = r.right - r.left;
    picture.height = r.bottom - r.top;
    if (picture.width <= 0 || picture.height <= 0)
        return ScreenPicture();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = -picture.height;  // rows from the top
    header.biPlanes = 1;
    header.biBitCount = 32;
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height), picture.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    for (uint32_t& pixel : picture.pixels)
        pixel &= 0xFFFFFF;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

bool SavePicture(const ScreenPicture& picture, const char* path)
{
    const int w = picture.width;
    const int h = picture.height;
    const size_t stride = ((static_cast<size_t>(w) * 3 + 3) / 4) * 4;
    std::string rows(stride * static_cast<size_t>(h), '\0');
    for (int y = 0; y < h; ++y) {
        char* row = &rows[stride * static_cast<size_t>(h - 1 - y)];  // the file's rows from the bottom
        for (int x = 0; x < w; ++x) {
            const uint32_t pixel = picture.At(x, y);
            row[3 * x] = static_cast<char>(pixel & 0xFF);
            row[3 * x + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
    }
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = w;
    header.biHeight = h;
    header.biPlanes = 1;
    header.biBitCount = 24;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows.size());
    FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(rows.data(), 1, rows.size(), out);
    return std::fclose(out) == 0;
}
