#pragma once

#include <string>

// A rich edit's text as WM_GETTEXT gives it, with the control's paragraph
// ends (CR, or CR LF) read back as LF.
inline std::string RichTextLines(const std::string& text)
{
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}
