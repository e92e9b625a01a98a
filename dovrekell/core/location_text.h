#pragma once

#include "xstring.h"

// Rules on location texts (paths or addresses) shared by the frame and the
// panel. The last component is what follows the last '/' or '\'.

// 1 when the last component's extension, the fragment ('#...') left out, is
// "html" or "htm" in any case.
int IsHtmlLocation(const char* location);

// What a list shows for a location: the last component, without ".html" or
// ".htm" unless a fragment follows.
XString LocationTitle(const char* location);

// The "JDK-docs location" message for the documentation folder text: the
// folder up to its last backslash, or the note that none is known yet.
XString DocsLocationMessage(const char* folderText);
