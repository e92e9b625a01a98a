#pragma once

#include <windows.h>

#include "online_items.h"
#include "tree_view.h"

// The Online part of the Contents tree control. Every call sends messages to
// the tree, so the online thread may use it while the window's own thread
// serves them. Item data is the item's OnlineItem.
class OnlineTree : public OnlineTreeBuilder {
public:
    explicit OnlineTree(HWND tree) : tree(tree) {}

    ContentsItem Child(ContentsItem item) const override;
    ContentsItem Next(ContentsItem item) const override;
    ContentsItem Parent(ContentsItem item) const override;
    XString Text(ContentsItem item) const override;
    int Image(ContentsItem item) const override;
    ContentsItem InsertOnline(ContentsItem parent, const char* text, OnlineItem* item) override;
    void SortOnline(ContentsItem parent) override;

    // Deletes everything below root and frees the items' OnlineItem records.
    void DeleteBelow(HTREEITEM root) const;

private:
    static HTREEITEM Item(ContentsItem item) { return static_cast<HTREEITEM>(const_cast<void*>(item)); }
    static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM);
    void FreeData(HTREEITEM item) const;

    TreeView tree;
};
