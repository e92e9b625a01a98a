#include "rich_label_scroll.h"

#include <algorithm>

int NextScrollPosition(int position, int contentHeight)
{
    ++position;
    return position > contentHeight ? 1 : position;
}

int DragScrollPosition(int anchor, int pointerY, int contentHeight)
{
    if (contentHeight <= 0)
        return 0;
    const int position = (anchor - pointerY) % contentHeight;
    return position < 0 ? position + contentHeight : position;
}

std::vector<RichSlice> PaintSlices(int position, int contentHeight, int clientHeight)
{
    std::vector<RichSlice> slices;
    if (contentHeight <= 0 || clientHeight <= 0)
        return slices;
    if (!RichScrolls(contentHeight, clientHeight)) {
        slices.push_back({0, 0, contentHeight});
        return slices;
    }
    for (int top = -position; top < clientHeight; top += contentHeight) {
        const int windowY = std::max(top, 0);
        const int bottom = std::min(top + contentHeight, clientHeight);
        if (bottom > windowY)
            slices.push_back({windowY, windowY - top, bottom - windowY});
    }
    return slices;
}

int FindRichLink(const std::vector<RichLink>& links, int x, int y, bool scrolling, int position, int contentHeight)
{
    auto find = [&links, x](int contentY) {
        for (size_t i = 0; i < links.size(); ++i) {
            if (links[i].place.Contains(x, contentY))
                return static_cast<int>(i);
        }
        return -1;
    };
    if (!scrolling)
        return find(y);
    const int contentY = y + position;
    const int hit = find(contentY);
    if (hit >= 0 || contentY < contentHeight)
        return hit;
    return find(contentY - contentHeight);
}
