#pragma once

#include <windows.h>

#include "extension_groups.h"
#include "form_view.h"
#include "window.h"
#include "xstring.h"

// The right column's view of every location that is not a page: the file
// with its extension. Its text viewer and archive tree fill it later.
class ZViewOther : public Window {
public:
    void ShowFile(const char* path, const char* extension);
    const XString& Path() const { return path; }
    const XString& Extension() const { return extension; }

protected:
    const char* ClassName() const override { return "DovrekellOtherView"; }

private:
    XString path;
    XString extension;
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
};
