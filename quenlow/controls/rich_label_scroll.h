#pragma once
// Where an endless rich-text label stands: the scroll position after a
// timer tick or a drag, the parts of the content a paint copies, and the link
// under a point of the window, all modulo the content's height.
#include <vector>

#include "rich_text_layout.h"

// The label scrolls only when its content is taller than the window.
inline bool RichScrolls(int contentHeight, int clientHeight)
{
    return contentHeight > clientHeight;
}

// One pixel further; past the content's end the loop starts again at 1.
int NextScrollPosition(int position, int contentHeight);

// The drag's anchor is the content y under the pointer when it began: the
// pointer's window y plus the scroll position then.
inline int DragAnchor(int pointerY, int position)
{
    return pointerY + position;
}
// The position that keeps the anchor under the pointer, in 0..height-1.
// An empty content (or one emptied by a resize during the drag) stays at 0.
int DragScrollPosition(int anchor, int pointerY, int contentHeight);

// A band of the content copied to the window.
struct RichSlice {
    int windowY;
    int contentY;
    int height;
};
// The bands a paint copies: the content from the position downwards and, where
// it ends before the window does, its top again below it.
std::vector<RichSlice> PaintSlices(int position, int contentHeight, int clientHeight);

// The index of the first link rectangle under the window point, also in the
// part that has wrapped round; -1 when none.
int FindRichLink(const std::vector<RichLink>& links, int x, int y, bool scrolling, int position, int contentHeight);
