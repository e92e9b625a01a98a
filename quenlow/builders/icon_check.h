#pragma once

#include <cstddef>

#include "xstring.h"

// What the confirm-icon button shows of an icon file: a line per image of its
// directory (width, height, colours or bits), and whether the file holds at
// least one image the launcher stub takes (square 16, 32 or 48 pixels at 4,
// 8, 16 or 24 bits). 0 when the bytes are no usable icon file: 22 bytes or
// fewer, no image, or a directory entry or image header beyond the end.
int DescribeIconFormat(const unsigned char* data, size_t size, XString& table, int* standard);
