#include "document.h"

#include <cstring>

XString ZDoc::Caption(const char* appTitle) const
{
    const char* title = path.Data();
    for (const char* p = path.Data(); *p; ++p) {
        if (*p == '\\' || *p == '/')
            title = p + 1;
    }
    XString caption(path.IsEmpty() ? "Untitled" : title);
    caption.Append(" - ");
    caption.Append(appTitle);
    return caption;
}
