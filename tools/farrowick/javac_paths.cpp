#include "javac_paths.h"

#include <cstring>
#include <vector>

#include "compile_command.h"
#include "java_home.h"

namespace {

// The items before each ';' (text after the last one is dropped).
template <typename Add>
void ForEachItem(const char* text, Add add)
{
    for (const char* semicolon = std::strchr(text, ';'); semicolon; semicolon = std::strchr(text, ';')) {
        add(XString(text, static_cast<int>(semicolon - text)));
        text = semicolon + 1;
    }
}

}  // namespace

XString FindJavacExe(int quoted)
{
    return FindJavaToolExe("\\bin\\javac.exe", 1, quoted);
}

XString CompileRootClassPath(const char* base, const ZInsideInfo& info)
{
    StringPtrList names;
    ForEachItem(info.siblingClassPaths.Data(), [&](const XString& item) { names.InsertSorted(item.Data()); });
    if (info.autoJars)
        FindFilesByExtension(names, base, "jar");
    if (info.autoZips)
        FindFilesByExtension(names, base, "zip");
    std::vector<const char*> list;
    for (int i = 0; i < names.Count(); ++i)
        list.push_back(names.StringAt(i)->Data());
    return RootClassPath(base, list.data(), static_cast<int>(list.size()));
}
