#include "title_search.h"

#include <cstring>

int TitleMatches(const char* title, const char* text, int position)
{
    const size_t m = std::strlen(title);
    const size_t n = std::strlen(text);
    if (m < n)
        return 0;
    switch (position) {
    case kBeginning:
        return std::strncmp(title, text, n) == 0 ? 1 : 0;
    case kEnd:
        return std::strcmp(title + m - n, text) == 0 ? 1 : 0;
    case kMiddle: {
        // Neither touching the first character nor ending at the last one.
        const char* found = m > 0 ? std::strstr(title + 1, text) : nullptr;
        return found && static_cast<size_t>(found - title) + n < m ? 1 : 0;
    }
    default:
        return std::strstr(title, text) ? 1 : 0;
    }
}
