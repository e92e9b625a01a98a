#include "zip_exception.h"
#include "zip_file_disk.h"

#include <windows.h>

namespace {

int CauseOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return ZipFileException::FileNotFound;
    case ERROR_ACCESS_DENIED: return ZipFileException::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return ZipFileException::SharingViolation;
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK: return ZipFileException::BadSeek;
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
    throw ZipFileException(CauseOf(static_cast<DWORD>(osError)), osError, path.Data());
}

void ZipFileDisk::Open(const char* name, bool writable)
{
    Close();
    path.Assign(name);
    const DWORD access = writable ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    // Readers share; writers are kept out while the archive is open.
    HANDLE h = CreateFileA(name, access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Fail(static_cast<long>(GetLastError()));
    handle = h;
}

size_t ZipFileDisk::Read(void* buffer, size_t n)
{
    size_t done = 0;
    while (done < n) {
        const size_t left = n - done;
        const DWORD ask = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(static_cast<HANDLE>(handle), static_cast<char*>(buffer) + done, ask, &got, nullptr))
            Fail(static_cast<long>(GetLastError()));
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

void ZipFileDisk::Seek(uint64_t position)
{
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(position);
    if (position > 0x7fffffffffffffffull || !SetFilePointerEx(static_cast<HANDLE>(handle), to, nullptr, FILE_BEGIN))
        Fail(static_cast<long>(ERROR_SEEK));
}

uint64_t ZipFileDisk::GetLength()
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(static_cast<HANDLE>(handle), &size))
        Fail(static_cast<long>(GetLastError()));
    return static_cast<uint64_t>(size.QuadPart);
}

void ZipFileDisk::Close()
{
    if (handle)
        CloseHandle(static_cast<HANDLE>(handle));
    handle = nullptr;
}
