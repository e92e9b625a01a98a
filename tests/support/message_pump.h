#pragma once

#include <windows.h>

// Dispatches this thread's messages for about `ms` milliseconds: the work
// that windows, timers and controls do while a program waits in its loop.
void PumpFor(DWORD ms);
