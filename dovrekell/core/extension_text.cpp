#include "extension_text.h"

namespace {

bool IsWordChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

void SplitExtensionList(const char* text, std::vector<XString>& items)
{
    const char* p = text;
    while (*p) {
        while (*p == ';' || IsBlank(*p))
            ++p;
        const char* start = p;
        while (*p && *p != ';')
            ++p;
        const char* end = p;
        while (end > start && IsBlank(end[-1]))
            --end;
        if (end > start)
            items.emplace_back(start, static_cast<int>(end - start));
    }
}

int IsExtensionList(const char* text)
{
    if (!*text)
        return 0;
    bool itemEmpty = true;
    for (const char* p = text; *p; ++p) {
        if (*p == ';') {
            if (itemEmpty)
                return 0;
            itemEmpty = true;
        } else if (IsWordChar(*p)) {
            itemEmpty = false;
        } else {
            return 0;
        }
    }
    return 1;
}

int IsPlainWord(const char* text)
{
    if (!*text)
        return 0;
    for (const char* p = text; *p; ++p) {
        if (!IsWordChar(*p))
            return 0;
    }
    return 1;
}
