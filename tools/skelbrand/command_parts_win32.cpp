#include "command_parts.h"

#include <windows.h>

#include "classpath_quote.h"
#include "java_home.h"

namespace {

constexpr DWORD kWritePiece = 1024;

}  // namespace

void GatherCommandParts(const ZInsideInfo& info, const XString& quotedTool, const XString& classRoot,
                        CommandParts& parts)
{
    parts.toolPath.Copy(quotedTool);
    parts.classRoot.Copy(classRoot);
    parts.systemJars = SystemClassPathPart(info.systemClassPaths.Data());
    XString user(info.userZippedClassPaths);
    user.AppendString(info.userNakedClassPaths);
    parts.userPaths = QuoteClasspathList(user.Data());
    StringPtrList archives;
    if (info.autoJars)
        FindFilesByExtension(archives, classRoot.Data(), "jar");
    if (info.autoZips)
        FindFilesByExtension(archives, classRoot.Data(), "zip");
    StringList found;
    for (int i = 0; i < archives.Count(); ++i)
        found.Add(*archives.StringAt(i));
    parts.rootEntries = RootEntries(classRoot, info.siblingClassPaths.Data(), found);
}

XString AppletFilePath(const char* installFolder)
{
    XString path(installFolder);
    path.Append("\\temp\\applet.txt");
    return path;
}

void WriteAppletPage(const char* path, const XString& page)
{
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const char* data = page.Data();
    DWORD left = static_cast<DWORD>(page.Length());
    while (left > 0) {
        const DWORD piece = left < kWritePiece ? left : kWritePiece;
        DWORD written = 0;
        if (!WriteFile(file, data, piece, &written, nullptr) || written == 0)
            break;
        data += written;
        left -= written;
    }
    SetEndOfFile(file);
    CloseHandle(file);
}
