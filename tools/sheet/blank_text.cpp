#include "blank_text.h"

#include <cstring>

namespace {

bool OnlyOf(const char* text, const char* allowed)
{
    return text[std::strspn(text, allowed)] == '\0';
}

}  // namespace

bool IsBlank(const char* text)
{
    return OnlyOf(text, " ");
}

bool IsBlankLine(const char* text)
{
    return OnlyOf(text, " \r\n");
}
