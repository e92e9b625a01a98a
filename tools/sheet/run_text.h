#pragma once

#include "xstring.h"

// The texts a tool's runner puts around a run. No Win32: built and tested natively as well.

enum class RunWord { Executing, Debugging, Compiling };

// 38 '=' (standard output) or '*' (standard error), then " Start W ...\n";
// the end banner begins on a line of its own and has three blanks after
// "End".
XString RunStartBanner(int errorStream, RunWord word);
XString RunEndBanner(int errorStream, RunWord word);
