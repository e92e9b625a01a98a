// The XFile backend of the native (sanitizer) build: the same operations
// over a POSIX descriptor, so the byte-level code above XFile runs natively.
#include "xfile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Descriptor(void* handle)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(handle)) - 1;
}

}  // namespace

int XFile::OpenHandle(const char* path, int disposition, int readWrite)
{
    int flags = readWrite ? O_RDWR : O_RDONLY;
    switch (disposition) {
    case CreateNew: flags |= O_CREAT | O_EXCL; break;
    case CreateAlways: flags |= O_CREAT | O_TRUNC; break;
    case OpenAlways: flags |= O_CREAT; break;
    default: break;
    }
    const int fd = ::open(path, flags, 0644);
    handle = fd < 0 ? nullptr : reinterpret_cast<void*>(static_cast<intptr_t>(fd) + 1);
    return handle ? 1 : 0;
}

void XFile::CloseHandle()
{
    ::close(Descriptor(handle));
}

int XFile::Read(void* buffer, int n, int* bytesRead)
{
    ssize_t got = handle && n >= 0 ? ::read(Descriptor(handle), buffer, static_cast<size_t>(n)) : -1;
    if (bytesRead)
        *bytesRead = got > 0 ? static_cast<int>(got) : 0;
    return got >= 0 ? 1 : 0;
}

int XFile::WriteChunk(const void* buffer, int n)
{
    if (!handle)
        return 0;
    return ::write(Descriptor(handle), buffer, static_cast<size_t>(n)) == n ? 1 : 0;
}

int XFile::Seek(long distance, int origin)
{
    if (!handle)
        return 0;
    const int whence = origin == FromEnd ? SEEK_END : origin == FromCurrent ? SEEK_CUR : SEEK_SET;
    return ::lseek(Descriptor(handle), distance, whence) >= 0 ? 1 : 0;
}

int XFile::Position()
{
    if (!handle)
        return -1;
    const off_t pos = ::lseek(Descriptor(handle), 0, SEEK_CUR);
    return pos < 0 || pos > INT32_MAX ? -1 : static_cast<int>(pos);
}

int XFile::GetSize()
{
    struct stat st;
    if (!handle || ::fstat(Descriptor(handle), &st) != 0)
        return 0;
    return static_cast<int>(static_cast<uint32_t>(st.st_size));
}

int XFile::Truncate()
{
    const int pos = Position();
    return pos >= 0 && ::ftruncate(Descriptor(handle), pos) == 0 ? 1 : 0;
}
