#pragma once

#include "garray.h"
#include "xstring.h"

// What the class-path pages accept into their lists, free of any window.

// A sibling entry is a path relative to the program's folder: no drive, no
// leading backslash, no doubled backslash, and none of / : * ".
bool IsValidSiblingEntry(const char* text);

// An entry the user typed or picked can travel in the payloads, the built
// executable's trailer and a settings line only without their reserved
// bytes. 1 when it can; else 0 and the message that says why.
int CheckEntryBytes(const XString& entry, XString& message);

// Whether the lists differ: other counts, or an entry of now that loaded
// lacks (letter case counts).
bool ListDiffers(const StringList& now, const StringList& loaded);
