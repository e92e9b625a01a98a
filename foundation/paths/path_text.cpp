#include "path_text.h"

#include <cstring>

namespace {

int LastIndexOf(const char* text, int length, char c)
{
    for (int i = length - 1; i >= 0; --i) {
        if (text[i] == c)
            return i;
    }
    return -1;
}

}  // namespace

XString PathDirectory(const char* path)
{
    const int slash = LastIndexOf(path, static_cast<int>(std::strlen(path)), '\\');
    return slash < 0 ? XString() : XString(path, slash);
}

XString FileFolder(const char* path)
{
    XString folder = PathDirectory(path);
    if (folder.Length() == 2 && folder[1] == ':')
        folder.AppendChar('\\');
    return folder;
}

XString PathFileTitle(const char* path)
{
    const int length = static_cast<int>(std::strlen(path));
    const int slash = LastIndexOf(path, length, '\\');
    const int dot = LastIndexOf(path, length, '.');
    if (dot < 0)
        return XString(path + slash + 1);
    if (dot < slash)
        return XString();
    return XString(path + slash + 1, dot - slash - 1);
}

const char* PathExtensionText(const char* path)
{
    for (int i = static_cast<int>(std::strlen(path)) - 1; i >= 0; --i) {
        if (path[i] == '\\')
            break;
        if (path[i] == '.')
            return path + i + 1;
    }
    return "";
}

XString PathExtension(const char* path)
{
    return XString(PathExtensionText(path));
}

void RemoveChar(XString& text, char c)
{
    XString kept;
    for (int i = 0; i < text.Length(); ++i) {
        if (text[i] != c)
            kept.AppendChar(text[i]);
    }
    if (kept.Length() != text.Length())
        text.Copy(kept);
}

XString ProgramDirectoryOf(const char* modulePath)
{
    const int length = static_cast<int>(std::strlen(modulePath));
    const int slash = LastIndexOf(modulePath, length, '\\');
    return XString(modulePath, slash < 0 ? length : slash);
}

XString PickedFolderText(const char* shellPath)
{
    XString folder(shellPath);
    const bool driveRoot = folder.Length() == 3 && folder[1] == ':' && folder[2] == '\\';
    if (!driveRoot && folder.Length() > 1 && folder.LastChar() == '\\')
        folder.RemoveLast();
    return folder;
}

void AppendQuotedPath(XString& out, const char* path)
{
    out.AppendChar('"');
    out.Append(path);
    const size_t length = std::strlen(path);
    if (length > 0 && path[length - 1] == '\\')
        out.AppendChar('.');
    out.AppendChar('"');
}
