#pragma once

#include "xstring.h"

// The command line that opens the documentation through the main program,
// which lies in the parent of the starter's own folder.
XString BuildStarterCommand(const char* modulePath);
