#pragma once

#include <cstddef>
#include <cstdint>

#include "xstring.h"

// The file under an archive. Failures throw ZipFileException. Opened files
// deny writers, so an archive cannot change while its directory is read.
class ZipFileDisk {
public:
    ZipFileDisk() = default;
    ZipFileDisk(const ZipFileDisk&) = delete;
    ZipFileDisk& operator=(const ZipFileDisk&) = delete;
    ~ZipFileDisk();

    void Open(const char* path, bool writable);
    size_t Read(void* buffer, size_t n);  // fewer than n only at the end of the file
    void Seek(uint64_t position);          // from the start
    uint64_t GetLength();
    void Close();                          // never throws

    bool IsOpen() const { return handle != nullptr; }
    const XString& FilePath() const { return path; }

private:
    [[noreturn]] void Fail(long osError);

    void* handle = nullptr;
    XString path;
};
