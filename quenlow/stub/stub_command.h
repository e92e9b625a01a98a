#pragma once

#include "stub_trailer.h"
#include "xstring.h"

// The tool the command runs, as a suffix of the Java home: "\bin\java.exe",
// or "\bin\javaw.exe" when the trailer asks for it.
const char* StubJavaTool(const StubTrailer& trailer);

// The java command line a built executable runs: the tool of the Java home,
// the other options, the class path, the main class, the stored main()
// arguments and then the user's own arguments, as they were written on the
// executable's command line. The class path is the one a run of the main
// class is given, with the executable itself in the place of the class
// folder: the executable, the system part (the trailer's archive names found
// in the Java homes), the two user texts, then the sibling part (resolved
// against the executable's folder); each entry in quotes and followed by ';'.
XString BuildStubCommand(const StubTrailer& trailer, const char* javaHome, const char* exePath,
                         const char* systemPart, const char* siblingPart, const char* userArguments);

// What a built executable's own command line asks for. The first argument
// may be "/streams" (the program's streams are the executable's, stopped by a
// "Terminate" line) or a decimal number (a window to report to); such a
// switch is taken away from the arguments passed on to the program.
struct StubArguments {
    enum Switch { None, Streams, Number };
    Switch first = None;
    unsigned long long number = 0;
    const char* all = "";           // everything after the program name
    const char* afterFirst = "";    // the same without its first argument
};
StubArguments ReadStubArguments(const char* commandLine);
