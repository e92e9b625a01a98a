#pragma once

#include <string>

#include "xstring.h"

// An output pane's text as a user reads it: its paragraph ends (CR, or CR LF)
// as LF.
std::string PaneLines(const XString& text);
