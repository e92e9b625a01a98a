#pragma once

#include "../xstring.h"

// The arguments for the main method, kept as typed in one plain file: no line
// conversion, no terminator.

// Sets text to the file's whole content when the file exists and is not
// empty; leaves it as it was otherwise.
void ReadMainArgsFile(const char* path, XString& text);
// Writes the text as the whole file (a shorter text shortens the file).
int WriteMainArgsFile(const char* path, const char* text);

#ifdef _WIN32
// The same for "<program directory>\Setting\mainargs.data".
void ReadMainArgs(XString& text);
int WriteMainArgs(const char* text);
#endif
