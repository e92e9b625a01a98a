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
