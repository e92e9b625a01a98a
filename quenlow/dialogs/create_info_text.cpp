#include "create_info_text.h"

#include <cstring>

XString LayOutCreateReport(const char* report)
{
    XString laidOut;
    const char* line = report ? report : "";
    while (*line) {
        const char* end = std::strchr(line, '\n');
        size_t length = end ? static_cast<size_t>(end - line) : std::strlen(line);
        // A line end written as "\r\n" would count as two breaks in the pane.
        if (length > 0 && line[length - 1] == '\r')
            --length;
        const char* tab = static_cast<const char*>(std::memchr(line, '\t', length));
        if (tab) {
            const int nameLength = static_cast<int>(tab - line);
            laidOut.Append(line, nameLength);
            for (int column = nameLength; column < kReportNameColumns; ++column)
                laidOut.AppendChar(' ');
            const char* value = tab;
            while (value < line + length && *value == '\t')
                ++value;
            laidOut.Append(value, static_cast<int>(line + length - value));
        } else {
            laidOut.Append(line, static_cast<int>(length));
        }
        laidOut.AppendChar('\n');
        if (!end)
            break;
        line = end + 1;
    }
    return laidOut;
}

XString BreakCreateTitle(const char* title, int lineChars)
{
    XString broken(title);
    const int length = broken.Length();
    if (lineChars <= 0 || length < lineChars)
        return broken;
    // The search starts at the position itself; when the title is exactly
    // that long, there is no character there yet.
    for (int pos = lineChars < length ? lineChars : length - 1; pos >= 0; --pos) {
        if (broken[pos] == '\\' || broken[pos] == '/') {
            XString withBreak(broken.Data(), pos + 1);
            withBreak.AppendChar('\n');
            withBreak.Append(broken.Data() + pos + 1);
            return withBreak;
        }
    }
    return broken;
}

int CountTextLines(const char* text)
{
    int lines = 1;
    for (const char* p = text ? text : ""; *p; ++p) {
        if (*p == '\n')
            ++lines;
    }
    return lines;
}
