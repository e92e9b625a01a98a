#include "zip_storage.h"

#include <cstring>

#include "zip_exception.h"

void ZipStorage::Open(const char* path, int mode)
{
    file.Open(path, mode == 0);
    openMode = mode;
    spanMode = SpanUndecided;  // known once the end record is read
    currentVolume = 0;
    buffer.resize(kBufferSize);
    bufferPos = bufferEnd = 0;
}

void ZipStorage::Close()
{
    file.Close();
    openMode = -1;
    spanMode = SpanUndecided;
    currentVolume = -1;
    bufferPos = bufferEnd = 0;
}

void ZipStorage::Seek(uint64_t position)
{
    bufferPos = bufferEnd = 0;
    file.Seek(position);
}

size_t ZipStorage::Refill()
{
    bufferPos = 0;
    bufferEnd = file.Read(buffer.data(), buffer.size());
    return bufferEnd;
}

void ZipStorage::Read(void* out, size_t n)
{
    unsigned char* to = static_cast<unsigned char*>(out);
    while (n > 0) {
        if (bufferPos == bufferEnd) {
            // Large reads skip the buffer; small ones fill it first.
            if (n >= buffer.size()) {
                if (file.Read(to, n) != n)
                    ThrowZipError(ZipExceptionUse::BadZipFile, Path());
                return;
            }
            if (Refill() == 0)
                ThrowZipError(ZipExceptionUse::BadZipFile, Path());
        }
        const size_t have = bufferEnd - bufferPos;
        const size_t take = have < n ? have : n;
        std::memcpy(to, buffer.data() + bufferPos, take);
        bufferPos += take;
        to += take;
        n -= take;
    }
}
