#pragma once

#include <windows.h>

#include "xstring.h"

// Combo boxes that keep a history, newest entry at the top, and the file
// picker the histories are filled from.

// True for a text of blanks and tabs only (the empty text too).
bool IsBlank(const char* text);
// The text in double quotes.
XString QuoteText(const char* text);

// The combo's own text goes to the top of its history, unless blank.
void ComboAddText(HWND combo);
// The text goes to the top: only selected when it is already there; moved
// up from a lower entry; inserted when missing. Entry 0 is then selected.
void ComboPutOnTop(HWND combo, const char* text);
// The selected entry, when below the top, moves to the top.
void ComboSelectedToTop(HWND combo);
// After the user's Yes to "Delete selection?", the entry equal to the
// combo's text goes; the top entry is selected, or the text emptied when
// none is left. Nothing is asked for an empty text.
void ComboDeleteText(HWND owner, HWND combo);

// The open-file dialog with the filter ("text|pattern|" pairs, to which
// "all file (*.*)|*.*||" is added), opening in the nearest existing folder
// of startText. 1 and the path chosen; 0 when the user cancelled.
int ChooseFilePath(HWND owner, const char* filter, const char* startText, bool mustExist, bool saving,
                   XString& path);
// The path chosen, or the initial text when the user cancelled.
XString BrowseFile(HWND owner, const char* filter, const char* initialText, bool mustExist);
