#include "image_list.h"

#include "app.h"

ImageList::~ImageList()
{
    if (list)
        ImageList_Destroy(list);
}

ImageList& ImageList::operator=(ImageList&& other) noexcept
{
    if (this != &other) {
        if (list)
            ImageList_Destroy(list);
        list = other.Release();
    }
    return *this;
}

bool ImageList::Load(int bitmapId, int width, COLORREF mask, int grow)
{
    HIMAGELIST loaded = ImageList_LoadImageA(App::Instance(), MAKEINTRESOURCEA(bitmapId), width, grow, mask,
                                             IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (!loaded)
        return false;
    if (list)
        ImageList_Destroy(list);
    list = loaded;
    return true;
}

HIMAGELIST ImageList::Release()
{
    HIMAGELIST released = list;
    list = nullptr;
    return released;
}
