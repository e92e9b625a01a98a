#pragma once

#include "../xstring.h"

class SettingsFile;

// The arguments for the main method, kept as typed in one plain file: no line
// conversion, no terminator.

// Sets text to the file's whole content when the file exists and is not
// empty; leaves it as it was otherwise.
void ReadMainArgsFile(const char* path, XString& text);
// Writes the text as the whole file (a shorter text shortens the file).
int WriteMainArgsFile(const char* path, const char* text);

// The arguments as one line: line breaks (CR LF) become single blanks, the
// ends are trimmed, and a text of nothing but blanks becomes empty.
XString FlattenText(const char* text);

// Order of the flags of the main() arguments: the uses they are given to.
enum ArgsFlag { kArgsForExe, kArgsForDoubleClick };

#ifdef _WIN32
// The same for "<program directory>\Setting\mainargs.data".
XString MainArgsPath();
void ReadMainArgs(XString& text);
int WriteMainArgs(const char* text);

// The main() arguments, flattened to one line, when the settings give them
// to this use; else the empty text.
XString MainArgsWhenAsked(SettingsFile& settings, ArgsFlag use);
#endif
