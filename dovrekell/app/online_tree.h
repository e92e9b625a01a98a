#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "online_items.h"
#include "tree_view.h"

// The Online part of the Contents tree control. Every call sends messages to
// the tree, so the online thread may use it while the window's own thread
// serves them. Item data is the item's OnlineItem, which the tree's item owns.
class OnlineTree {
public:
    explicit OnlineTree(HWND tree) : tree(tree) {}

    // Puts nodes below parent in their order, one item a message; stops
    // between two items once keepRunning is 0. True when all went in.
    bool Fill(HTREEITEM parent, const std::vector<OnlineNode>& nodes, const volatile LONG* keepRunning) const;
    // Deletes everything below root and frees the items' OnlineItem records.
    void DeleteBelow(HTREEITEM root) const;

private:
    void FreeData(HTREEITEM item) const;

    TreeView tree;
};
