#pragma once

#include <windows.h>

// A child window's rectangle in its parent's client coordinates: where it
// stands for SetWindowPos, or for another window to take its place.
RECT PlaceInParent(HWND child);
