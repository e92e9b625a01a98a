#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "zip_file_disk.h"

// The archive's file with its open mode, span mode and current volume, and
// a read buffer so the central directory is read in large blocks.
class ZipStorage {
public:
    enum SpanMode { SpanUndecided = -2, SpanNone = 0, SpanRemovable = 1, SpanNumberedFiles = 2 };
    static constexpr size_t kBufferSize = 65536;

    void Open(const char* path, int mode);
    void Close();   // never throws

    // Closed when no volume is current (which = true) or when no file is open.
    bool IsClosed(bool which) const { return which ? currentVolume == -1 : !file.IsOpen(); }

    uint64_t Length() { return file.GetLength(); }
    void Seek(uint64_t position);
    // Exactly n bytes or code 101: the archive ends early.
    void Read(void* buffer, size_t n);

    const char* Path() const { return file.FilePath().Data(); }

    int openMode = -1;
    int spanMode = SpanUndecided;
    int currentVolume = -1;

private:
    size_t Refill();

    ZipFileDisk file;
    std::vector<unsigned char> buffer;
    size_t bufferPos = 0;
    size_t bufferEnd = 0;
};
