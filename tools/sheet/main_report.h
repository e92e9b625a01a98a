#pragma once

#include "inside_info.h"
#include "tool_settings.h"

// The Main page's read-only report of what the main program handed over, and
// which of its three buttons a selection shows. No Win32.

// Labels are padded with blanks to this width; longer ones stay as they are.
constexpr int kReportLabelWidth = 30;

// filesOnly: the page's check box "Display class files only" (or "Java
// files"): other files are left out of the report.
XString BuildReport(const ZInsideInfo& info, int filesOnly, ToolKind kind);

struct MainButtons {
    int first;   // 1003: find in topmost class files / compile
    int second;  // 1004: find with sub-directory / find
    int error;   // 1005: the selection cannot be worked on
};

// previous: the buttons shown before; the execute-and-debug tool leaves 1003
// as it was for a selection with folders.
MainButtons VisibleMainButtons(const ZInsideInfo& info, ToolKind kind, const MainButtons& previous);
