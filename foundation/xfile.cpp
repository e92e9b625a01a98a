#include "xfile.h"

// The platform-independent half of XFile; the handle work lives in
// xfile_win32.cpp or xfile_posix.cpp.

XFile::~XFile()
{
    Close();
}

int XFile::Open(const char* path, int disposition, int writable)
{
    Close();
    name.Assign(path);
    return OpenHandle(path, disposition, writable ? 1 : 0);
}

int XFile::Create(const char* path, int overwrite)
{
    Close();
    name.Assign(path);
    return OpenHandle(path, overwrite ? CreateAlways : CreateNew, 1);
}

int XFile::Write(const void* buffer, int n)
{
    const char* p = static_cast<const char*>(buffer);
    while (n > 0) {
        const int chunk = n < kWriteChunk ? n : kWriteChunk;
        if (!WriteChunk(p, chunk))
            return 0;
        p += chunk;
        n -= chunk;
    }
    return 1;
}

void XFile::Close()
{
    if (handle) {
        Seek(0, FromEnd);
        Truncate();
        CloseHandle();
    }
    handle = nullptr;
    name.Assign("", 0);
}

int XFile::ReadWhole(XBuffer& buffer, int* length)
{
    *length = 0;
    if (!handle)
        return 0;
    const int size = GetSize();
    // A size at or beyond 2 GiB (or the "unknown" result) would wrap size + 1.
    if (size < 0 || !Seek(0, FromBegin) || !buffer.Resize(size + 1))
        return 0;
    int got = 0;
    if (size > 0 && (!Read(buffer.Data(), size, &got) || got != size))
        return 0;
    buffer.Data()[size] = 0;
    *length = size;
    return 1;
}
