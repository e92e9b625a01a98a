#include "text_rules.h"

#include <cstring>

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

int EqualsIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (Lower(*a) != Lower(*b))
            return 0;
    }
    return *a == *b ? 1 : 0;
}

int EndsWithIgnoringCase(const char* text, const char* ending)
{
    const size_t textLength = std::strlen(text);
    const size_t endingLength = std::strlen(ending);
    return textLength >= endingLength && EqualsIgnoringCase(text + textLength - endingLength, ending);
}
