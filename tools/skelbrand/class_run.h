#pragma once

#include "class_target.h"
#include "exec_page.h"
#include "inside_info.h"

// What the Execute and Debug pages start for a class: the class check, then
// the shared java command for the tool (javaw or jdb, quoted), an applet's
// page file written, the command pane's text and the runner's text. 0 with
// the check's error text when the class does not pass.
int PrepareClassRun(const ZInsideInfo& info, DebugTarget& target, RunOptionsSource& optionsSource,
                    const XString& quotedTool, const char* classFile, int isApplication, XString& display,
                    XString& runText, XString& error);

// tool in double quotes.
XString QuotedTool(const XString& tool);
