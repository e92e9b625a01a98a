#pragma once

#include <windows.h>

// A named 4-byte mapping that holds the main window of the running instance,
// so a second start can bring that window back instead of opening another.
namespace single_instance {

// Writes the window into the slot. The mapping and its view stay open until
// the process ends: the name lives only while a handle to it is open.
bool Publish(const char* name, HWND window);

// The window a running instance published, or null.
HWND Find(const char* name);

// Restores and raises the published window; false when there is none.
bool RaiseExisting(const char* name);

}  // namespace single_instance
