#include "online_tree.h"

bool OnlineTree::Fill(HTREEITEM parent, const std::vector<OnlineNode>& nodes, const volatile LONG* keepRunning) const
{
    for (const OnlineNode& node : nodes) {
        if (keepRunning && !*keepRunning)
            return false;
        OnlineItem* item = new OnlineItem(node.item);
        const HTREEITEM inserted =
            tree.Insert(parent, node.text.Data(), item->image, item->image + 1, reinterpret_cast<LPARAM>(item));
        if (!inserted) {
            delete item;
            return false;
        }
        if (!Fill(inserted, node.children, keepRunning))
            return false;
    }
    return true;
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
