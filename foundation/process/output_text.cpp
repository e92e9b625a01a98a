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

void AddingLineCounter::Feed(const XString& piece)
{
    // The tail is too short to hold a whole occurrence, so none is counted
    // twice.
    XString joined(tail);
    joined.AppendString(piece);
    count += CountAddingLines(joined);
    constexpr int kKeep = static_cast<int>(sizeof("adding:")) - 2;
    const int from = joined.Length() > kKeep ? joined.Length() - kKeep : 0;
    tail.Assign(joined.Data() + from, joined.Length() - from);
}

void AddingLineCounter::Reset()
{
    count = 0;
    tail.Assign("", 0);
}
