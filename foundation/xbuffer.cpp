#include "xbuffer.h"

#include <cstdlib>

XBuffer::~XBuffer()
{
    Free();
}

int XBuffer::Resize(int n)
{
    if (n != size || !data) {
        std::free(data);
        data = n > 0 ? static_cast<unsigned char*>(std::malloc(static_cast<size_t>(n))) : nullptr;
        size = data ? n : 0;
    }
    return data ? 1 : 0;
}

void XBuffer::Free()
{
    std::free(data);
    data = nullptr;
    size = 0;
}
