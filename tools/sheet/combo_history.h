#pragma once

#include <windows.h>

// The history lists of the tools' combo boxes: the text used last on top,
// once.

// The combo's edit text, unless blank, moves to the top and is selected.
void ComboPushHistory(HWND combo);
// The same with a given text, blank or not.
void ComboPushText(HWND combo, const char* text);
// Deletes the entry equal to the edit text after the user agrees, then
// selects the first entry left or empties the edit text.
void ComboDeleteEntry(HWND combo, HWND parent);
