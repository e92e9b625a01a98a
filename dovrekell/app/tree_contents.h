#pragma once

#include <windows.h>

#include <utility>
#include <vector>

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
// Appends entries (title, location) in order, in one go: room reserved, the
// list drawn once at the end, so thousands of them cost no redraw each.
void AddLocationEntries(HWND list, const std::vector<std::pair<XString, XString>>& entries);
// The entry the index lookup selects for the typed text, or -1: the first
// entry whose title begins with it (ignoring case), unless a title equals
// it; then, of the equal titles, the first one whose location lies in the
// fewest folders (a class's own page rather than the pages using it).
int FindIndexEntry(HWND list, const char* text);
