#pragma once

#include <windows.h>

#include <string>

// Runs a command line with its three standard streams on pipes, as the suite
// runs its children, and collects what it wrote. A child still running at the
// time-out is terminated. With inputDelayMs the input is written once the
// child has written to its standard output, or after that long at most.
struct ChildResult {
    bool started = false;
    DWORD startError = 0;  // GetLastError of a failed start
    bool timedOut = false;
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

ChildResult RunChild(const std::string& commandLine, const std::string& input, DWORD timeoutMs,
                     DWORD inputDelayMs = 0);

// The top-level windows of a process, one line each: class, caption, whether
// shown, and the text of a message box. What a test prints when a program
// did not do what it waited for.
std::string DescribeWindows(DWORD processId);
