#include "output_text.h"

#include <cstring>

void NormalizeLineEnds(XString& chunk)
{
    chunk.Replace("\r\n", "\n");
}

int CountAddingLines(const XString& text)
{
    static const char kAdding[] = "adding:";
    const size_t step = sizeof(kAdding) - 1;
    int count = 0;
    for (const char* p = std::strstr(text.Data(), kAdding); p; p = std::strstr(p + step, kAdding))
        ++count;
    return count;
}
