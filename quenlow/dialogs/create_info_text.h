#pragma once

#include "xstring.h"

// Text of the "Creating information" dialog, apart from its window.

// Width the names of a report's "name\tvalue" lines are padded to.
constexpr int kReportNameColumns = 30;

// Each "name\tvalue" line becomes the name padded with blanks to
// kReportNameColumns (a longer name is kept whole), the tabs after it dropped,
// then the value; other lines are copied. Every line ends with "\n".
XString LayOutCreateReport(const char* report);

// The title with one line break, so a long path wraps at a folder rather than
// anywhere: when the title has at least lineChars characters, "\n" goes after
// the last '\' or '/' at or before position lineChars. Unchanged when it is
// shorter or has no separator there.
XString BreakCreateTitle(const char* title, int lineChars);

// Lines a text takes: one more than its "\n"s.
int CountTextLines(const char* text);
