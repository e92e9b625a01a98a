#include "online_tree.h"

ContentsItem OnlineTree::Child(ContentsItem item) const
{
    return tree.Child(Item(item));
}

ContentsItem OnlineTree::Next(ContentsItem item) const
{
    return tree.Next(Item(item));
}

ContentsItem OnlineTree::Parent(ContentsItem item) const
{
    return reinterpret_cast<HTREEITEM>(tree.Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(Item(item))));
}

XString OnlineTree::Text(ContentsItem item) const
{
    return tree.Text(Item(item));
}

int OnlineTree::Image(ContentsItem item) const
{
    return tree.Image(Item(item));
}

ContentsItem OnlineTree::InsertOnline(ContentsItem parent, const char* text, OnlineItem* item)
{
    HTREEITEM inserted = tree.Insert(Item(parent), text, item->image, item->image + 1, reinterpret_cast<LPARAM>(item));
    if (!inserted)
        delete item;
    return inserted;
}

int CALLBACK OnlineTree::Compare(LPARAM a, LPARAM b, LPARAM)
{
    return CompareOnlineItems(*reinterpret_cast<const OnlineItem*>(a), *reinterpret_cast<const OnlineItem*>(b));
}

void OnlineTree::SortOnline(ContentsItem parent)
{
    TVSORTCB sort = {};
    sort.hParent = Item(parent);
    sort.lpfnCompare = Compare;
    tree.Send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void OnlineTree::FreeData(HTREEITEM item) const
{
    for (HTREEITEM child = tree.Child(item); child; child = tree.Next(child)) {
        FreeData(child);
        delete reinterpret_cast<OnlineItem*>(tree.Data(child));
    }
}

void OnlineTree::DeleteBelow(HTREEITEM root) const
{
    FreeData(root);
    while (HTREEITEM child = tree.Child(root))
        tree.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
}
