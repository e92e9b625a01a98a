#include "quote_classpath.h"

#include <cstring>

void AppendQuotedPath(XString& out, const char* text, int length)
{
    if (length < 0)
        length = static_cast<int>(std::strlen(text));
    int trailing = 0;
    while (trailing < length && text[length - 1 - trailing] == '\\')
        ++trailing;
    out.AppendChar('"');
    out.Append(text, length);
    for (int i = 0; i < trailing; ++i)
        out.AppendChar('\\');
    out.AppendChar('"');
}

XString QuoteClasspathList(const char* paths)
{
    XString quoted;
    const char* begin = paths;
    for (const char* semicolon = std::strchr(begin, ';'); semicolon; semicolon = std::strchr(begin, ';')) {
        AppendQuotedPath(quoted, begin, static_cast<int>(semicolon - begin));
        quoted.AppendChar(';');
        begin = semicolon + 1;
    }
    return quoted;
}
