#pragma once

#include <windows.h>

#include "xstring.h"

// A window's text, or one entry of a list or combo box, of any length: the
// length is asked first, then read into one exact buffer.
XString WindowText(HWND window);
XString ComboEntryText(HWND combo, int index);
XString ListEntryText(HWND list, int index);
