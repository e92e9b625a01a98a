#pragma once

#include "../xstring.h"

// The JDK tools' argument files ("@file"): the way past the longest command
// line Windows starts a program with. No Win32: built and tested natively too.

// The longest command line, in characters without its terminating zero, that
// a program can be started with.
constexpr int kLongestCommandLine = 32766;

// One argument on a line of its own: in double quotes, with each backslash
// doubled, since the tools read a backslash inside quotes as an escape.
void AppendArgumentFileLine(XString& list, const char* argument);

// Writes the list to path, replacing what was there; 0 (and no file left)
// when it cannot be written whole.
int WriteArgumentFile(const char* path, const XString& list);
