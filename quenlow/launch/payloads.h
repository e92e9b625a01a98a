#pragma once

#include "reserved_bytes.h"
#include "payload_fields.h"
#include "xstring.h"

// Payloads and command lines with which the main program starts the other
// programs of the installation. Every field ends with INFO_SEPARATOR unless
// said otherwise; flags are the characters '1' and '0'.

// Which use the class path is collected for; a caller sets exactly one.
struct ClassPathTarget {
    bool exeFiles = false;
    bool doubleClick = false;
    bool classInfo = false;
    bool compile = false;
    bool executeDebug = false;
};

struct ClassPathRecord {
    XString systemClassPath;   // item;item;
    XString userZipClassPath;  // "item";"item";
    XString userDirClassPath;  // "item";"item";
    XString siblingClassPath;  // item;item;
    bool autoDetectJars = false;
    bool autoDetectZips = false;
};

struct DoubleClickOptions {
    bool runApplications = true;
    bool runApplets = true;
    bool showErrors = true;
    bool monitorStreams = false;
    int appletWidth = 500;
    int appletHeight = 400;
};

// What a checked class file is, for the double-click payload.
struct DoubleClickClass {
    bool runApplication = false;
    bool runApplet = false;
    XString rootFolder;
    XString qualifiedName;
};

// The payload of "/inside-info" for the compile and the execute-and-debug tool.
XString InsideInfo(const ClassPathRecord& record, const char* selection);
XString ClassInfoPayload(const ClassPathRecord& record, const char* otherOptions, const char* classFile);
XString DoubleClickPayload(bool runFlag, const DoubleClickClass& target, const DoubleClickOptions& options,
                           const ClassPathRecord& record, const char* mainArgs, const char* otherOptions);

// Whether each text can travel in its field of the payload: 1 when it can,
// else 0 and the message that names the first text holding INFO_SEPARATOR.
// The last field of a payload has no separator behind it and may hold one.
int CheckInsideInfo(const ClassPathRecord& record, const char* selection, XString& message);
int CheckClassInfoPayload(const ClassPathRecord& record, const char* otherOptions, XString& message);
int CheckDoubleClickPayload(const DoubleClickClass& target, const ClassPathRecord& record, const char* mainArgs,
                            const char* otherOptions, XString& message);

// "<folder>\<program>" in double quotes, then the rest (may be empty).
XString ProgramCommand(const char* folder, const char* program, const char* rest);
