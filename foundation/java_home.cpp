#include "java_home.h"

#include <windows.h>

#include "registry.h"
#include "xfind.h"

const char kJdkRegistryKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
const char kJreRegistryKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

const char* const kJreLibFolders[kJreLibFolderCount] = { "lib", "lib\\ext", "lib\\im", "lib\\security" };
const char* const kJdkLibFolders[kJdkLibFolderCount] = {
    "lib", "jre", "jre\\lib", "jre\\lib\\ext", "jre\\lib\\im", "jre\\lib\\security",
};

namespace {

// The registry texts of a kit; the version key path must fit its own,
// smaller, buffer or the lookup fails.
constexpr int kJavaRegistryTextSize = 4090;
constexpr int kVersionKeySize = 1024;

}  // namespace

int GetJavaHome(const char* baseKey, XString& home)
{
    XString version;
    if (!ReadRegistryText(HKEY_LOCAL_MACHINE, baseKey, "CurrentVersion", kJavaRegistryTextSize, version))
        return 0;
    XString versionKey(baseKey);
    versionKey.AppendChar('\\');
    versionKey.AppendString(version);
    if (versionKey.Length() >= kVersionKeySize)
        return 0;
    XString found;
    if (!ReadRegistryText(HKEY_LOCAL_MACHINE, versionKey.Data(), "JavaHome", kJavaRegistryTextSize, found))
        return 0;
    home.Copy(found);
    return 1;
}

XString FindJavaToolExe(const char* toolSuffix, int jdkFirst, int quoted)
{
    XString home;
    const char* first = jdkFirst ? kJdkRegistryKey : kJreRegistryKey;
    const char* second = jdkFirst ? kJreRegistryKey : kJdkRegistryKey;
    if (!GetJavaHome(first, home) && !GetJavaHome(second, home))
        return XString();
    XString path;
    if (quoted)
        path.AppendChar('"');
    path.AppendString(home);
    path.Append(toolSuffix);
    if (quoted)
        path.AppendChar('"');
    return path;
}

XString FindJavawExe(int quoted)
{
    return FindJavaToolExe("\\bin\\javaw.exe", 0, quoted);
}

void FindFilesByExtension(StringPtrList& list, const char* directory, const char* extension)
{
    XString pattern(directory);
    pattern.Append("\\*.");
    pattern.Append(extension);
    XFind find;
    for (bool more = find.FindFirst(pattern.Data()); more; more = find.FindNext()) {
        if (find.IsDirectory())
            continue;
        int found = 0;
        const int at = list.Find(0, list.Count() - 1, find.FileName(), &found);
        if (found)
            continue;
        XString* name = new XString();
        name->Assign(find.FileName());
        list.InsertAt(at, name);
    }
}

namespace {

int TakeWanted(PtrArray& wanted, const char* name)
{
    for (int i = 0; i < wanted.Count(); ++i) {
        XString* entry = static_cast<XString*>(wanted.GetAt(i));
        if (entry && entry->CompareN(name, -1) == 0) {
            wanted.RemoveAt(i);
            delete entry;
            return 1;
        }
    }
    return 0;
}

}  // namespace

void FindWantedJars(const char* home, const char* const* folders, int folderCount, PtrArray& wanted,
                    XString& classPath)
{
    for (int i = 0; i < folderCount && wanted.Count() > 0; ++i) {
        XString pattern(home);
        pattern.AppendChar('\\');
        pattern.Append(folders[i]);
        pattern.Append("\\*.jar");
        XFind find;
        for (bool more = find.FindFirst(pattern.Data()); more; more = find.FindNext()) {
            if (find.IsDirectory() || !TakeWanted(wanted, find.FileName()))
                continue;
            classPath.AppendChar('"');
            classPath.AppendString(find.Directory());
            classPath.AppendChar('\\');
            classPath.Append(find.FileName());
            classPath.Append("\";");
        }
    }
}
