#include "pane_text.h"

std::string PaneLines(const XString& text)
{
    std::string shown;
    for (int i = 0; i < text.Length(); ++i) {
        if (text[i] == '\r' && i + 1 < text.Length() && text[i + 1] == '\n')
            continue;
        shown += text[i] == '\r' ? '\n' : text[i];
    }
    return shown;
}
