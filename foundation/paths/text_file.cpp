#include "text_file.h"

#include <cstring>

#include "../xfile.h"

int IsTextFile(const char* path)
{
    XFile file;
    if (!file.Open(path, XFile::OpenExisting, 0))
        return 1;
    char chunk[4096];
    for (;;) {
        int got = 0;
        if (!file.Read(chunk, sizeof chunk, &got))
            return 0;
        if (got == 0)
            return 1;
        if (std::memchr(chunk, 0, static_cast<size_t>(got)))
            return 0;
    }
}
