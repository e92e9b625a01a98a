#pragma once

#include <windows.h>

// A function of a system library that is loaded when the function is first
// wanted: a program that may never open a file dialog or a folder browser
// does not pay at its start for loading the library and all it pulls in.
// nullptr when the library or the function is missing.
template <class Function>
Function LateBound(const char* library, const char* name)
{
    HMODULE module = LoadLibraryA(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
