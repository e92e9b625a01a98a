#include "sibling_class_path.h"

#include <cstring>

#include "garray.h"
#include "java_home.h"

XString SiblingClassPathPart(const char* folder, const char* siblingClassPath, bool detectJars, bool detectZips)
{
    StringPtrList names;
    for (const char* end = std::strchr(siblingClassPath, ';'); end; end = std::strchr(siblingClassPath, ';')) {
        names.InsertSorted(XString(siblingClassPath, static_cast<int>(end - siblingClassPath)).Data());
        siblingClassPath = end + 1;
    }
    if (detectJars)
        FindFilesByExtension(names, folder, "jar");
    if (detectZips)
        FindFilesByExtension(names, folder, "zip");
    const size_t folderLength = std::strlen(folder);
    const bool endsWithSeparator = folderLength > 0 && folder[folderLength - 1] == '\\';
    XString part;
    for (int i = 0; i < names.Count(); ++i) {
        part.AppendChar('"');
        part.Append(folder);
        if (!endsWithSeparator)
            part.AppendChar('\\');
        part.AppendString(*names.StringAt(i));
        part.Append("\";");
    }
    return part;
}
