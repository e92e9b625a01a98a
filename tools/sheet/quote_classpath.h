#pragma once

#include "xstring.h"

// Class-path entries as both tools put them on a command line.

// The text in double quotes; trailing backslashes are doubled, so that an
// entry such as a drive root never ends in \" (which would escape the
// closing quote and swallow what follows into the same argument).
void AppendQuotedPath(XString& out, const char* text, int length = -1);

// Every item that ends with ';' becomes the item quoted as above followed by
// ';'; text after the last ';' is dropped; an empty item gives "";.
XString QuoteClasspathList(const char* paths);
