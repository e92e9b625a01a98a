#pragma once

// Whether a text typed into a combo box holds anything. A tab counts as text.
bool IsBlank(const char* text);           // empty or only blanks
bool IsBlankLine(const char* text);       // empty or only blanks, CR and LF
