#pragma once

#include "xbuffer.h"
#include "xobject.h"
#include "xstring.h"

// File wrapper over the platform's file handle and the path it was opened with.
// Closing cuts the file at its end (where it already ends), so only an explicit
// Truncate ever shortens a file.
class XFile : public XObject {
public:
    // Dispositions and seek origins, with the values the platform gives them.
    enum Disposition { CreateNew = 1, CreateAlways = 2, OpenExisting = 3, OpenAlways = 4 };
    enum SeekOrigin { FromBegin = 0, FromCurrent = 1, FromEnd = 2 };
    static constexpr int kWriteChunk = 1024;

    XFile() = default;
    XFile(const XFile&) = delete;
    XFile& operator=(const XFile&) = delete;
    ~XFile() override;

    int Open(const char* path, int disposition, int writable);
    int Create(const char* path, int overwrite);
    int Read(void* buffer, int n, int* bytesRead = nullptr);
    int Write(const void* buffer, int n);
    int Seek(long distance, int origin);
    int Position();                 // -1 when closed or unknown
    int GetSize();                  // low 32 bits; 0 when closed
    int Truncate();                 // cuts the file at the current position
    void Close();

    // The whole file from its start, followed by a NUL that is not counted in
    // length. Fails when the size is unknown or too large for one block.
    int ReadWhole(XBuffer& buffer, int* length);

    bool IsOpen() const { return handle != nullptr; }
    const XString& Name() const { return name; }

private:
    int WriteChunk(const void* buffer, int n);  // platform write, 1 when all of n went
    int OpenHandle(const char* path, int disposition, int readWrite);
    void CloseHandle();

    void* handle = nullptr;
    XString name;
};
