#include "stub_file.h"

#include "exe_container.h"
#include "xbuffer.h"
#include "xfile.h"

XString StubFilePath(const char* programDir)
{
    XString path(programDir);
    path.Append("\\bin\\compress.ies");
    return path;
}

int ReadFileBytes(const char* path, Bytes& bytes)
{
    XFile file;
    XBuffer buffer;
    int length = 0;
    if (!file.Open(path, XFile::OpenExisting, 0) || !file.ReadWhole(buffer, &length) || length < 0)
        return 0;
    bytes.assign(buffer.Data(), buffer.Data() + length);
    return 1;
}

int ReadStubFile(int rich, const char* programDir, Bytes& stub, Bytes& iconTable)
{
    Bytes file;
    if (!ReadFileBytes(StubFilePath(programDir).Data(), file))
        return 0;
    return ReadStubParts(file.data(), file.size(), rich != 0, stub, iconTable);
}
