#pragma once

#include "java_home.h"
#include "payloads.h"
#include "xstring.h"

// The sibling entries and, as the record asks, the jar and zip files of the
// base folder: one byte-wise sorted list without duplicates, each as
// "<base folder>\<name>"; in quotes.
XString SiblingClassPathPart(const char* baseFolder, const ClassPathRecord& record);

// The command line that runs a main class: the quoted javaw path, the class
// path (the base folder first, then the system, user and sibling parts), the
// class name and the main() arguments, which end the line after one blank.
XString MainClassCommandLine(const char* quotedJavaw, const char* baseFolder, const ClassPathRecord& record,
                             const char* className, const char* mainArgs);
