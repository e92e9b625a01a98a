#pragma once

#include "xstring.h"

// The Options page's texts as a run takes them. No Win32.

// The arguments' lines joined by single blanks, trimmed, every '"' carried
// as the quote guard.
XString ArgumentsLine(const char* text);
// The parameters' non-empty lines, each ended by CRLF; empty stays empty.
XString ParametersText(const char* text);

// The blanks at both ends of a name removed.
XString TrimBlanks(const char* text);
// Why a named set may not be saved, checked before the file is touched:
// its text, or null when the name and the content may go on.
const char* NamedSetRefusal(const char* trimmedName, const char* content, XString& message);
