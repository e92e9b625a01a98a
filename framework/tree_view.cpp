#include "tree_view.h"

#include <vector>

HTREEITEM TreeView::Insert(HTREEITEM parent, const char* text, int image, int selectedImage, LPARAM data) const
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

XString TreeView::Text(HTREEITEM item) const
{
    // A tree item's text has no length message; the control cuts it to the
    // buffer, and its own limit for shown text is far below this size.
    std::vector<char> buffer(1024, 0);
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer.data();
    query.cchTextMax = static_cast<int>(buffer.size());
    if (!item || !Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)))
        return XString();
    buffer.back() = 0;
    return XString(query.pszText);
}

LPARAM TreeView::Data(HTREEITEM item) const
{
    TVITEMA query = {};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    return item && Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? query.lParam : 0;
}

int TreeView::Image(HTREEITEM item) const
{
    TVITEMA query = {};
    query.mask = TVIF_IMAGE;
    query.hItem = item;
    return item && Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? query.iImage : -1;
}

HTREEITEM TreeView::HitTest(POINT point, UINT* flags) const
{
    TVHITTESTINFO hit = {};
    hit.pt = point;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags)
        *flags = hit.flags;
    return item;
}

bool TreeView::ItemRect(HTREEITEM item, RECT& rect) const
{
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    *reinterpret_cast<HTREEITEM*>(&rect) = item;
    return Send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)) != 0;
}
