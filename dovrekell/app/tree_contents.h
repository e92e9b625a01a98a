#pragma once

#include <windows.h>

#include "docs_scan.h"
#include "tree_view.h"

// The Contents tree control as the extension groups read it.
class TreeContents : public ContentsTree {
public:
    explicit TreeContents(HWND tree) : tree(tree) {}

    ContentsItem Child(ContentsItem item) const override;
    ContentsItem Next(ContentsItem item) const override;
    ContentsItem Parent(ContentsItem item) const override;
    XString Text(ContentsItem item) const override;
    int Image(ContentsItem item) const override;

private:
    TreeView tree;
};

// A list entry whose item data is a heap copy of its location; false when
// the list refused it.
bool AddLocationEntry(HWND list, const char* title, const char* location);
// The entry's location; null without one.
const char* EntryLocation(HWND list, int entry);
// Removes every entry, freeing their locations.
void ClearLocationEntries(HWND list);
void DeleteLocationEntry(HWND list, int entry);
