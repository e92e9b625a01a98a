#pragma once

#include <windows.h>

#include "archive_tree.h"
#include "extension_groups.h"
#include "form_view.h"
#include "online_download.h"
#include "text_viewer.h"
#include "window.h"
#include "xstring.h"

// The right column's view of every location that is not a page: archives as
// a tree of their entries, class files as their outline, anything else as
// text. Both children fill the view; one is shown.
class ZViewOther : public Window {
public:
    void ShowFile(const char* path, const char* extension);
    const XString& Path() const { return path; }
    const XString& Extension() const { return extension; }
    const TextViewer& Viewer() const { return viewer; }
    ArchiveTree& Tree() { return tree; }

protected:
    const char* ClassName() const override { return "DovrekellOtherView"; }
    RouteTable Routes() const override;

private:
    INT_PTR OnCreate(WPARAM, LPARAM);
    INT_PTR OnSize(WPARAM, LPARAM);
    INT_PTR OnTreeSelection(WPARAM, LPARAM);

    XString path;
    XString extension;
    TextViewer viewer;
    ArchiveTree tree;
};

// The left panel on its dialog template. It owns the flags the documentation
// worker shares with the frame: busy while the worker runs, keep-running
// cleared to ask it to stop (plain integers the worker polls).
class ZViewForm : public FormView {
public:
    explicit ZViewForm(HWND parent);

    volatile LONG busy = 0;
    volatile LONG keepRunning = 1;
    ExtensionGroups groups;  // also holds the documentation folder text
    // Started by the panel with its Online root; stopped before the frame
    // destroys the panel, so the thread never outlives the tree it fills.
    OnlineDownload online;
};
