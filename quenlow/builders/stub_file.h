#pragma once

#include "icon_convert.h"
#include "xstring.h"

// "<program directory>\bin\compress.ies": the launcher stubs and their icon tables.
XString StubFilePath(const char* programDir);

// The whole file at path; 0 when it cannot be opened or read.
int ReadFileBytes(const char* path, Bytes& bytes);

// The stub and its icon table from the stub file: P0 and P2, or P1 and P3
// when rich. 0 when the file cannot be read or a marker is missing.
int ReadStubFile(int rich, const char* programDir, Bytes& stub, Bytes& iconTable);
