#include "location_text.h"

#include <cstring>

#include "paths/path_text.h"
#include "text_rules.h"

namespace {

struct LocationParts {
    const char* component;  // start of the last component
    const char* fragment;   // the last '#', or the end of the text
    const char* dot;        // the last '.' of the component before the fragment, or null
    const char* end;
};

LocationParts Split(const char* location)
{
    LocationParts parts;
    parts.end = location + std::strlen(location);
    parts.component = location;
    for (const char* p = location; p != parts.end; ++p) {
        if (*p == '/' || *p == '\\')
            parts.component = p + 1;
    }
    const char* hash = std::strrchr(location, '#');
    // A '#' before the last component belongs to a folder's name, not to a fragment.
    parts.fragment = hash && hash >= parts.component ? hash : parts.end;
    parts.dot = nullptr;
    for (const char* p = parts.component; p != parts.fragment; ++p) {
        if (*p == '.')
            parts.dot = p;
    }
    return parts;
}

bool IsHtmlExtension(const char* begin, const char* end)
{
    const XString extension(begin, static_cast<int>(end - begin));
    return EqualsIgnoringCase(extension.Data(), "html") || EqualsIgnoringCase(extension.Data(), "htm");
}

}  // namespace

int IsHtmlLocation(const char* location)
{
    const LocationParts parts = Split(location);
    return parts.dot && IsHtmlExtension(parts.dot + 1, parts.fragment) ? 1 : 0;
}

XString LocationTitle(const char* location)
{
    const LocationParts parts = Split(location);
    const XString whole(parts.component, static_cast<int>(parts.end - parts.component));
    if (!parts.dot || parts.dot == parts.component || !IsHtmlExtension(parts.dot + 1, parts.fragment) ||
        parts.fragment != parts.end)
        return whole;
    return XString(parts.component, static_cast<int>(parts.dot - parts.component));
}

XString DocsLocationMessage(const char* folderText)
{
    if (!*folderText)
        return XString("\nJDK documentation has not been initialized\n");
    XString text("\n");
    text.AppendString(PathDirectory(folderText));
    text.Append("\n\n");
    return text;
}
