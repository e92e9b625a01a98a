#pragma once

#include "xstring.h"

// Read-only view of one settings tag file: the menu only ever reads the main
// program's settings, never writes them.
class MenuSettings {
public:
    explicit MenuSettings(const char* path) : path(path) {}

    // true and the value when the key is in the section's key part.
    bool ReadInt(const char* section, const char* key, int* value) const;

private:
    XString path;
};
