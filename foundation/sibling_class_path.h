#pragma once

#include "xstring.h"

// The sibling part of a class path: the entries of the sibling text (each
// ended by ';', a rest after the last one dropped) and, when asked, the jar
// and then zip files found in the folder, as one byte-wise sorted list without
// duplicates, each resolved against the folder: "<folder>\<name>";. A drive
// root ("C:\") is not given a second backslash.
XString SiblingClassPathPart(const char* folder, const char* siblingClassPath, bool detectJars, bool detectZips);
