#include "argument_file.h"

#include <cstdio>

#include "../xfile.h"

void AppendArgumentFileLine(XString& list, const char* argument)
{
    list.AppendChar('"');
    for (const char* c = argument; *c; ++c) {
        if (*c == '\\')
            list.AppendChar('\\');
        list.AppendChar(*c);
    }
    list.Append("\"\r\n");
}

int WriteArgumentFile(const char* path, const XString& list)
{
    XFile file;
    const bool written = file.Open(path, XFile::CreateAlways, 1) && file.Write(list.Data(), list.Length());
    file.Close();
    if (!written)
        std::remove(path);
    return written ? 1 : 0;
}
