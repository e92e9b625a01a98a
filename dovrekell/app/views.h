#pragma once

#include <windows.h>

#include "archive_tree.h"
#include "extension_groups.h"
#include "form_view.h"
#include "online_download.h"
#include "text_viewer.h"
#include "view_form.h"
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
