#pragma once

#include <windows.h>

#include <string>

// Runs a command line with its three standard streams on pipes, as the suite
// runs its children, and collects what it wrote. A child still running at the
// time-out is terminated.
struct ChildResult {
    bool started = false;
    bool timedOut = false;
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

ChildResult RunChild(const std::string& commandLine, const std::string& input, DWORD timeoutMs,
                     DWORD inputDelayMs = 0);
