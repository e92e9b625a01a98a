#pragma once

#include "inside_info.h"
#include "java_command.h"

// The pieces of a java command line that come from the installed kits, the
// payload and the class root: what the Execute and Debug pages share.

// Everything but the class root and name: javaw in quotes, the system
// archives, the user paths, the sibling and detected archives of classRoot.
void GatherCommandParts(const ZInsideInfo& info, const XString& quotedTool, const XString& classRoot,
                        CommandParts& parts);

// "<install>\temp\applet.txt" with the page's bytes; nothing when the file
// cannot be made (the viewer then reports the missing page).
XString AppletFilePath(const char* installFolder);
void WriteAppletPage(const char* path, const XString& page);
