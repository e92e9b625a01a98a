#pragma once

#include "menu_selection.h"
#include "process/start_child.h"
#include "xstring.h"

// The main program's command line for a verb: the program in double quotes,
// the verb's switch, then the one selected path in double quotes (offsets
// 0-2) or the selection count, LF and every path with its LF (offsets 3-4).
// 0 for an offset outside the five.
int BuildMenuCommandLine(XString& line, const char* program, int verb, const MenuSelection& selection);
