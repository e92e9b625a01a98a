#pragma once

// Wall-clock time of an action, for the Windows benchmarks.
#include <windows.h>

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Action>
double Time(Action action)
{
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    action();
    QueryPerformanceCounter(&to);
    return Seconds(from, to);
}
