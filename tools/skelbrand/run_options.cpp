#include "run_options.h"

#include <cstdio>
#include <cstring>

#include "java_command.h"

namespace {

constexpr int kContentLimit = 500;

void CollapseLineEnds(XString& text)
{
    while (text.Replace("\r\n", "\n") > 0) {
    }
    while (text.Replace("\n\n", "\n") > 0) {
    }
}

}  // namespace

XString TrimBlanks(const char* text)
{
    while (*text == ' ')
        ++text;
    int length = static_cast<int>(std::strlen(text));
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return XString(text, length);
}

XString ArgumentsLine(const char* text)
{
    XString line(text);
    CollapseLineEnds(line);
    line.ReplaceChar('\n', ' ');
    XString trimmed = TrimBlanks(line.Data());
    trimmed.ReplaceChar('"', kQuoteGuard);
    return trimmed;
}

XString ParametersText(const char* text)
{
    XString lines(text);
    if (lines.IsEmpty())
        return lines;
    CollapseLineEnds(lines);
    const bool endsWithBreak = lines.LastChar() == '\n';
    lines.Replace("\n", "\r\n");
    if (!endsWithBreak)
        lines.Append("\r\n");
    return lines;
}

const char* NamedSetRefusal(const char* trimmedName, const char* content, XString& message)
{
    if (!*trimmedName)
        return "Please input a Name for saving";
    if (std::strchr(trimmedName, ' '))
        return "Name can not contain space characters";
    if (!*content)
        return "Please input a content for saving";
    const int length = static_cast<int>(std::strlen(content));
    if (length > kContentLimit) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Error:\nmaximum length of content is 500,current length is %d,\nwhich can not be saved.", length);
        message.Assign(text);
        return message.Data();
    }
    return nullptr;
}
