#include "java_home.h"

#include <windows.h>

#include <cstring>

#include "paths/file_system.h"
#include "registry.h"
#include "xfind.h"

const char* const kJreLibFolders[kJreLibFolderCount] = { "lib", "lib\\ext", "lib\\im", "lib\\security" };
const char* const kJdkLibFolders[kJdkLibFolderCount] = {
    "lib", "jre", "jre\\lib", "jre\\lib\\ext", "jre\\lib\\im", "jre\\lib\\security",
};

namespace {

// The machine's registry and files.
class InstalledJava : public JavaInstallation {
public:
    int ReadText(JavaRegistryView view, const char* key, const char* value, int maxBytes, XString& out) override
    {
        // On 32-bit Windows there is no 64-bit view: the flag is ignored and
        // the same keys are read again, finding nothing new.
        const REGSAM sam = view == k64BitRegistryView ? KEY_WOW64_64KEY : 0;
        return ReadRegistryText(HKEY_LOCAL_MACHINE, key, value, maxBytes, out, sam);
    }
    int FileExists(const char* path) override { return ::FileExists(path); }
};

}  // namespace

int GetJavaHome(const char* baseKey, XString& home)
{
    InstalledJava installed;
    return ReadJavaHomeOfKey(installed, baseKey, home);
}

int FindJavaHome(JavaKitOrder order, const char* const* toolSuffixes, int toolCount, XString& home)
{
    InstalledJava installed;
    return FindJavaHomeIn(installed, order, toolSuffixes, toolCount, home);
}

int FindJavaHome(JavaKitOrder order, const char* toolSuffix, XString& home)
{
    return FindJavaHome(order, &toolSuffix, 1, home);
}

XString FindJavaToolExe(const char* toolSuffix, int jdkFirst, int quoted)
{
    XString home;
    if (!FindJavaHome(jdkFirst ? kJdkThenJre : kJreThenJdk, toolSuffix, home))
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

int FindLibraryHome(JavaKitOrder kit, XString& home)
{
    // A home without javaw is passed over like a missing one.
    return FindJavaHome(kit, "\\bin\\javaw.exe", home);
}

XString SystemClassPathPart(const char* systemClassPath)
{
    XString part;
    // Kept in the order of the text: the archives are looked up by name, not by halving.
    PtrArray wanted;
    for (const char* end = std::strchr(systemClassPath, ';'); end; end = std::strchr(systemClassPath, ';')) {
        wanted.Add(new XString(systemClassPath, static_cast<int>(end - systemClassPath)));
        systemClassPath = end + 1;
    }
    if (wanted.Count() == 0)
        return part;
    XString home;
    if (FindLibraryHome(kJreOnly, home))
        FindWantedJars(home.Data(), kJreLibFolders, kJreLibFolderCount, wanted, part);
    home.Assign("");
    if (wanted.Count() > 0 && FindLibraryHome(kJdkOnly, home))
        FindWantedJars(home.Data(), kJdkLibFolders, kJdkLibFolderCount, wanted, part);
    for (int i = 0; i < wanted.Count(); ++i)
        delete static_cast<XString*>(wanted.GetAt(i));
    return part;
}
