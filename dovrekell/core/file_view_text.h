#pragma once

#include <cstddef>

#include "xstring.h"

// What the file viewer shows for a file's bytes: the text, or a message in
// red when the bytes can not be shown as text.
struct FileViewText {
    XString text;
    bool isError = false;
};

// data is null when the file could not be opened or read.
FileViewText TextForFile(const char* path, const char* extension, const unsigned char* data, size_t size);
