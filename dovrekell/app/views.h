#pragma once

#include <windows.h>

#include "view_form.h"
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
