#pragma once

#include <windows.h>
#include <commctrl.h>

// Owns an image list: destroyed with the object unless released to a
// control that keeps it. Moves, never copies.
class ImageList {
public:
    ImageList() = default;
    ~ImageList();
    ImageList(ImageList&& other) noexcept : list(other.Release()) {}
    ImageList& operator=(ImageList&& other) noexcept;
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // A bitmap resource cut into images width pixels wide; mask is the
    // colour drawn transparent; grow is how many images the list adds at a time.
    bool Load(int bitmapId, int width, COLORREF mask, int grow = 1);

    HIMAGELIST Handle() const { return list; }
    int Count() const { return list ? ImageList_GetImageCount(list) : 0; }
    // Gives the list up (to a control that destroys it itself).
    HIMAGELIST Release();

private:
    HIMAGELIST list = nullptr;
};
