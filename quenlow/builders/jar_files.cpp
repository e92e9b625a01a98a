#include "jar_files.h"

#include <cstring>
#include <vector>

#include "paths/path_text.h"
#include "xfind.h"

namespace {

// The lists come from the settings in whatever order the user's list boxes
// kept them, so they are searched one by one rather than by halving.
bool InPointerList(const StringPtrList& list, const char* text)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (std::strcmp(list.StringAt(i)->Data(), text) == 0)
            return true;
    }
    return false;
}

bool InList(const StringList& list, const char* text)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (std::strcmp(list.At(i)->Data(), text) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool JarFileFilter::Takes(const char* fileName) const
{
    const XString extension = PathExtension(fileName);
    if (!includeAll && !InPointerList(include, extension.Data()))
        return false;
    return exclusionDisabled || !InList(exclude, extension.Data());
}

void CollectJarFiles(const char* folder, const JarFileFilter& filter, StringPtrList& files)
{
    // Folders still to walk; a list rather than recursion, so a deep tree
    // cannot exhaust the stack.
    std::vector<XString> pending(1, XString(folder));
    while (!pending.empty()) {
        const XString current = pending.back();
        pending.pop_back();
        XString pattern(current);
        pattern.Append("\\*.*");
        XFind find;
        for (bool more = find.FindFirst(pattern.Data()); more; more = find.FindNext()) {
            if (find.IsDots())
                continue;
            XString path(current);
            path.AppendChar('\\');
            path.Append(find.FileName());
            if (find.IsDirectory())
                pending.push_back(path);
            else if (filter.Takes(path.Data()))
                files.InsertSorted(path.Data());
        }
    }
}
