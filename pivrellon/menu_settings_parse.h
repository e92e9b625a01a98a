#pragma once

#include <cstddef>

// Looks up "[key]" in the key part of section "{section}" of a settings tag
// file's bytes. Lines end at CR (a CR LF pair, or a lone CR); the key part
// ends at "<LIST>" or at the next section header. true and the decimal value
// when found.
bool FindSettingInt(const unsigned char* data, size_t size, const char* section, const char* key, int* value);
