#pragma once

#include "xstring.h"

// What the user asked the main dialog for, read from its controls before
// every action.
struct CreateRequest {
    XString mainClass;  // trimmed
    XString outputFile;
    XString manifestFile;
    XString iconFile;
    int exe = 1;
    int compression = 1;
    int mainClassDirOnly = 1;
    int addManifest = 0;  // always 0 for an exe
    int useJavaw = 1;
    int userIcon = 0;
};
