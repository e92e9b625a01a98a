#pragma once

#include <windows.h>

#include <functional>

// Runs the messages of this thread as the App's loop does (the filter chain
// first) until done() holds or the time-out passes; false on the time-out.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 60000);
