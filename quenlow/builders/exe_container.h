#pragma once

#include <cstddef>

#include "icon_convert.h"
#include "payloads.h"
#include "xstring.h"

// The stub file holds four parts, each ended by twenty 0xAB bytes: the plain
// stub, the rich-colour stub, and the icon tables of the two.
constexpr size_t kStubFileMarkerLength = 20;
constexpr unsigned char kStubFileMarkerByte = 0xAB;

// The stub and its icon table: P0 and P2, or P1 and P3 when rich. 0 when a
// marker is missing (also one after the parts that are needed).
int ReadStubParts(const unsigned char* data, size_t size, bool rich, Bytes& stub, Bytes& iconTable);

// Makes the stub a windowed program, which opens no console (the one that
// starts javaw), or a console program (java's), by its PE header's subsystem.
// 0 when the stub is no PE image.
int SetStubSubsystem(Bytes& stub, bool windowed);

// What follows the stub in a built executable, up to the jar.
struct ExeTrailerFields {
    bool useJavaw = false;
    ClassPathRecord record;
    XString otherOptions;  // empty unless enabled for built files
    XString mainClass;
    bool addMainArgs = false;
    XString mainArgs;
};

Bytes BuildExeTrailer(const ExeTrailerFields& fields);

// Whether every text can travel in the trailer: its fields end at 0xA5 and
// the main class and arguments at the jar mark, and the launcher finds the
// trailer by its marks. 1 when all fit, else 0 and the message naming the
// first text that holds one of those bytes.
int CheckExeTrailerFields(const ExeTrailerFields& fields, XString& message);

// The lines shown in the creating-information dialog after a build.
struct ExeReportFacts {
    bool useJavaw = false;
    bool userIcon = false;
    bool compression = false;
    bool mainClassDirectoryOnly = false;
    bool includeAll = false;
    bool exclusionDisabled = false;
};
XString BuildExeReport(const ExeReportFacts& facts, const ExeTrailerFields& fields);
