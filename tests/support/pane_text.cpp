#include "pane_text.h"

std::string WithLineFeeds(const char* text, size_t length)
{
    std::string shown;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\r' && i + 1 < length && text[i + 1] == '\n')
            continue;
        shown += text[i] == '\r' ? '\n' : text[i];
    }
    return shown;
}
