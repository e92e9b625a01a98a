// The platform of the native build: names are kept as stored (the test
// programs inject their own converters where they check conversions).
#include "zip_platform.h"

#include <cstring>

namespace {

void KeepOem(char*, int) {}

int CopyUtf8(const char* text, int length, char* out)
{
    if (length > 0)
        std::memcpy(out, text, static_cast<size_t>(length));
    return length;
}

bool NeverRemovable(const char*) { return false; }

}  // namespace

const ZipPlatform& ZipSystemPlatform()
{
    static const ZipPlatform platform = {KeepOem, CopyUtf8, NeverRemovable};
    return platform;
}
