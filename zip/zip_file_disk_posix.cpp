// The native backend (tests and fuzzing under the sanitizers).
#include "zip_exception.h"
#include "zip_file_disk.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Descriptor(void* handle)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(handle)) - 1;
}

int CauseOf(long error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return ZipFileException::FileNotFound;
    case EACCES:
    case EPERM: return ZipFileException::AccessDenied;
    case EBUSY:
    case ETXTBSY: return ZipFileException::SharingViolation;
    case EINVAL:
    case EOVERFLOW: return ZipFileException::BadSeek;
    default: return ZipFileException::Generic;
    }
}

}  // namespace

ZipFileDisk::~ZipFileDisk()
{
    Close();
}

void ZipFileDisk::Fail(long osError)
{
    throw ZipFileException(CauseOf(osError), osError, path.Data());
}

void ZipFileDisk::Open(const char* name, bool writable)
{
    Close();
    path.Assign(name);
    const int fd = ::open(name, writable ? O_RDWR : O_RDONLY);
    if (fd < 0)
        Fail(errno);
    handle = reinterpret_cast<void*>(static_cast<intptr_t>(fd) + 1);
}

size_t ZipFileDisk::Read(void* buffer, size_t n)
{
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(Descriptor(handle), static_cast<char*>(buffer) + done, n - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    return done;
}

void ZipFileDisk::Seek(uint64_t position)
{
    if (position > static_cast<uint64_t>(INT64_MAX) ||
        ::lseek(Descriptor(handle), static_cast<off_t>(position), SEEK_SET) < 0)
        Fail(EINVAL);
}

uint64_t ZipFileDisk::GetLength()
{
    struct stat st;
    if (::fstat(Descriptor(handle), &st) != 0)
        Fail(errno);
    return static_cast<uint64_t>(st.st_size);
}

void ZipFileDisk::Close()
{
    if (handle)
        ::close(Descriptor(handle));
    handle = nullptr;
}
