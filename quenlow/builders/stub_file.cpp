#include "stub_file.h"

#include "exe_container.h"
#include "xfile.h"

XString StubFilePath(const char* programDir)
{
    XString path(programDir);
    path.Append("\\bin\\compress.ies");
    return path;
}

int ReadFileBytes(const char* path, Bytes& bytes)
{
    // Straight into the bytes, in one read: every Create reads the stub, and the
    // jar of an executable.
    XFile file;
    if (!file.Open(path, XFile::OpenExisting, 0))
        return 0;
    const int size = file.GetSize();
    if (size < 0)
        return 0;
    bytes.resize(static_cast<size_t>(size));
    int got = 0;
    return size == 0 || (file.Read(bytes.data(), size, &got) && got == size) ? 1 : 0;
}

int ReadStubFile(int rich, const char* programDir, Bytes& stub, Bytes& iconTable)
{
    Bytes file;
    if (!ReadFileBytes(StubFilePath(programDir).Data(), file))
        return 0;
    return ReadStubParts(file.data(), file.size(), rich != 0, stub, iconTable);
}
