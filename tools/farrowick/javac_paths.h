#pragma once

#include "inside_info.h"
#include "xstring.h"

// Where the compiler and the class-path archives of a compile come from.

// "<home>\bin\javac.exe" of the development kit, else of the runtime; in
// double quotes when quoted is set; empty when neither has it.
XString FindJavacExe(int quoted);

// The sibling entries and, as the payload asks, the jar and zip files of the
// base folder, sorted without duplicates, each as "<base>\<name>" quoted and
// followed by ';'.
XString CompileRootClassPath(const char* base, const ZInsideInfo& info);
