#pragma once

#include "java_home.h"
#include "payloads.h"
#include "xstring.h"

// The command line that runs a main class: the quoted javaw path, the class
// path (the base folder first, then the system, user and sibling parts), the
// class name and the main() arguments, which end the line after one blank.
XString MainClassCommandLine(const char* quotedJavaw, const char* baseFolder, const ClassPathRecord& record,
                             const char* className, const char* mainArgs);
