#pragma once

#include "stub_trailer.h"
#include "xstring.h"

// The tool the command runs, as a suffix of the Java home: "\bin\java.exe",
// or "\bin\javaw.exe" when the trailer asks for it.
const char* StubJavaTool(const StubTrailer& trailer);

// The java command line a built executable runs: the tool of the Java home,
// the other options, the class path (the four texts of the trailer, the
// detected archives, then the executable itself as the jar), the main class
// and its arguments. detectedArchives is a ';'-ended list, may be empty.
XString BuildStubCommand(const StubTrailer& trailer, const char* javaHome, const char* exePath,
                         const char* detectedArchives);
