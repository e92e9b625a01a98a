#pragma once

#include "xstring.h"

// Class-path entries on a java command line, and the way a command line is
// shown to the user. No Win32: built and tested natively as well.

// Appends "entry"; to out. Backslashes that end the entry are doubled: the
// launcher reads a backslash before a quote as an escaped quote, so "D:\"
// would swallow the rest of the line into the class path.
void AppendQuotedClasspathEntry(XString& out, const char* entry, int length);

// Every item of the list that ends with ';' quoted as above; text after the
// last ';' is dropped, an empty item gives "";.
XString QuoteClasspathList(const char* list);

// The command as the user reads it: quotes removed, and the backslashes
// doubled before a quote shown once again.
XString RemoveCommandQuotes(const char* command);
