#pragma once

#include <cstddef>

#include "xstring.h"

// What a built executable carries behind its launcher stub: the trailer
// between a mark of ten 0xAB and a mark of ten 0xBB, then the jar.
struct StubTrailer {
    static constexpr unsigned char kTrailerMarkByte = 0xAB;
    static constexpr unsigned char kJarMarkByte = 0xBB;
    static constexpr unsigned char kFieldEnd = 0xA5;
    static constexpr size_t kMarkLength = 10;

    bool useJavaw = false;
    bool autoDetectJars = false;
    bool autoDetectZips = false;
    XString systemClassPath;
    XString userZipClassPath;
    XString userDirClassPath;
    XString siblingClassPath;
    XString otherOptions;
    XString mainClass;
    XString mainArgs;
    size_t jarOffset = 0;
};

// End of a PE image's own bytes (headers and sections): where data appended
// to the file begins. 0 when the bytes are no PE image.
size_t PeImageEnd(const unsigned char* data, size_t size);

// Where a PE image's subsystem (2 windowed, 3 console) is written, a 16-bit
// value; 0 when the bytes are no PE image or its optional header is too short.
constexpr unsigned kPeSubsystemWindows = 2;
constexpr unsigned kPeSubsystemConsole = 3;
size_t PeSubsystemOffset(const unsigned char* data, size_t size);

// Reads the trailer that starts at offset. 1 on success, 0 when the mark,
// a field or the jar mark is missing.
int ParseStubTrailer(const unsigned char* data, size_t size, size_t offset, StubTrailer& trailer);
