#pragma once

// The one way the suite's programs start one another: a new console, shown,
// handles inherited, not waited for. 1 when the program started; 0 when it
// could not, or when the command line is longer than a process can be given.
int StartChildProcess(const char* commandLine, int show = 5 /* SW_SHOW */);

// The longest command line CreateProcess takes, in characters.
constexpr int kMaxCommandLine = 32767;
