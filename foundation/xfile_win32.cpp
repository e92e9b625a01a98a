#include "xfile.h"

#include <windows.h>

int XFile::OpenHandle(const char* path, int disposition, int readWrite)
{
    DWORD access = GENERIC_READ;
    DWORD share = FILE_SHARE_READ;
    if (readWrite) {
        access |= GENERIC_WRITE;
        share |= FILE_SHARE_WRITE;
    }
    HANDLE h = CreateFileA(path, access, share, nullptr, static_cast<DWORD>(disposition),
                           FILE_ATTRIBUTE_ARCHIVE, nullptr);
    handle = h == INVALID_HANDLE_VALUE ? nullptr : h;
    return handle ? 1 : 0;
}

void XFile::CloseHandle()
{
    ::CloseHandle(static_cast<HANDLE>(handle));
}

int XFile::Read(void* buffer, int n, int* bytesRead)
{
    DWORD got = 0;
    BOOL ok = handle && n >= 0 &&
              ReadFile(static_cast<HANDLE>(handle), buffer, static_cast<DWORD>(n), &got, nullptr);
    if (bytesRead)
        *bytesRead = static_cast<int>(got);
    return ok ? 1 : 0;
}

int XFile::WriteChunk(const void* buffer, int n)
{
    DWORD written = 0;
    if (!handle || !WriteFile(static_cast<HANDLE>(handle), buffer, static_cast<DWORD>(n), &written, nullptr))
        return 0;
    return written == static_cast<DWORD>(n) ? 1 : 0;
}

int XFile::Seek(long distance, int origin)
{
    if (!handle)
        return 0;
    return SetFilePointer(static_cast<HANDLE>(handle), distance, nullptr, static_cast<DWORD>(origin)) !=
           INVALID_SET_FILE_POINTER;
}

int XFile::Position()
{
    if (!handle)
        return -1;
    DWORD pos = SetFilePointer(static_cast<HANDLE>(handle), 0, nullptr, FILE_CURRENT);
    return pos == INVALID_SET_FILE_POINTER ? -1 : static_cast<int>(pos);
}

int XFile::GetSize()
{
    if (!handle)
        return 0;
    return static_cast<int>(GetFileSize(static_cast<HANDLE>(handle), nullptr));
}

int XFile::Truncate()
{
    return handle && SetEndOfFile(static_cast<HANDLE>(handle)) ? 1 : 0;
}
