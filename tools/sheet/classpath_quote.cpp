#include "classpath_quote.h"

#include <cstring>

void AppendQuotedClasspathEntry(XString& out, const char* entry, int length)
{
    int trailing = 0;
    while (trailing < length && entry[length - 1 - trailing] == '\\')
        ++trailing;
    out.AppendChar('"');
    out.Append(entry, length);
    for (int i = 0; i < trailing; ++i)
        out.AppendChar('\\');
    out.Append("\";");
}

XString QuoteClasspathList(const char* list)
{
    XString quoted;
    const char* item = list;
    for (const char* end = std::strchr(item, ';'); end; end = std::strchr(item, ';')) {
        AppendQuotedClasspathEntry(quoted, item, static_cast<int>(end - item));
        item = end + 1;
    }
    return quoted;
}

XString RemoveCommandQuotes(const char* command)
{
    XString shown;
    const int length = static_cast<int>(std::strlen(command));
    for (int i = 0; i < length;) {
        if (command[i] == '"') {
            ++i;
            continue;
        }
        int run = 0;
        while (i + run < length && command[i + run] == '\\')
            ++run;
        if (run == 0) {
            shown.AppendChar(command[i++]);
            continue;
        }
        // Only a run that a quote follows was doubled.
        const int kept = i + run < length && command[i + run] == '"' ? (run + 1) / 2 : run;
        for (int k = 0; k < kept; ++k)
            shown.AppendChar('\\');
        i += run;
    }
    return shown;
}
