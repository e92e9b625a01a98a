#pragma once

#include "xstring.h"

// Text helpers of the runners that need no Win32, so they build and are
// sanitized natively as well.

// A chunk of child output as the pane shows it: CR LF pairs inside the chunk
// become LF (a pair split across two reads stays as it came).
void NormalizeLineEnds(XString& chunk);

// Non-overlapping occurrences of "adding:" (the jar tool's line for each file
// it packs).
int CountAddingLines(const XString& text);

// Counts "adding:" over text that arrives in pieces, as CountAddingLines
// would over the pieces joined: an occurrence split between two pieces is
// counted once.
class AddingLineCounter {
public:
    void Feed(const XString& piece);
    int Count() const { return count; }
    void Reset();

private:
    int count = 0;
    XString tail;  // the last piece's end, shorter than "adding:"
};
