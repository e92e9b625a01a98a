#pragma once

#include <windows.h>

#include <string>

#include "support/pane_text.h"
#include "window_text.h"

// The Main page's report of a tool's sheet in any process, as a user reads
// it; the selection folder stands as <SEL>, so goldens do not depend on
// where the test's files are.
inline std::string ToolReport(HWND sheet, const std::string& selection)
{
    HWND page = nullptr;
    while ((page = FindWindowExA(sheet, page, "#32770", nullptr)) != nullptr) {
        if (HWND report = GetDlgItem(page, 1000)) {
            std::string text = PaneLines(XString(WindowText(report).c_str()));
            for (size_t at = text.find(selection); at != std::string::npos; at = text.find(selection, at))
                text.replace(at, selection.size(), "<SEL>");
            return text;
        }
    }
    return "(no Main page)";
}
