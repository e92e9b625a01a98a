#pragma once

#include <windows.h>

#include "docs_scan.h"
#include "tree_view.h"

// The Contents tree control and the index list as the scan and the extension
// groups see them. Every call is a message to the controls, so the worker
// thread may use it while the window thread owns the controls.
class TreeContents : public ContentsBuilder {
public:
    TreeContents(HWND tree, HWND index) : tree(tree), index(index) {}

    ContentsItem Child(ContentsItem item) const override;
    ContentsItem Next(ContentsItem item) const override;
    ContentsItem Parent(ContentsItem item) const override;
    XString Text(ContentsItem item) const override;
    int Image(ContentsItem item) const override;

    ContentsItem Insert(ContentsItem parent, const char* text, int image) override;
    void Delete(ContentsItem item) override;
    void AddIndexEntry(const char* title, const char* location) override;

private:
    TreeView tree;
    HWND index;
};

// A list entry whose item data is a heap copy of its location; false when
// the list refused it.
bool AddLocationEntry(HWND list, const char* title, const char* location);
// The entry's location; null without one.
const char* EntryLocation(HWND list, int entry);
// Removes every entry, freeing their locations.
void ClearLocationEntries(HWND list);
void DeleteLocationEntry(HWND list, int entry);
