#include "inside_info.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "paths/path_text.h"
#include "payload_fields.h"

namespace {

constexpr char kPrefix[] = "/inside-info ";
constexpr int kPrefixLength = sizeof(kPrefix) - 1;
// The prefix and at least the two flags with their separators and more: a
// shorter command line cannot carry a payload.
constexpr int kShortestCommandLine = 18;
// A selection line shorter than this is a stray byte (a CR left at the end).
constexpr int kShortestLine = 2;

const char* FindByte(const char* begin, const char* end, char c)
{
    const void* found = std::memchr(begin, c, static_cast<size_t>(end - begin));
    return found ? static_cast<const char*>(found) : nullptr;
}

}  // namespace

ZInsideInfo::ZInsideInfo(const char* sortedExtension, PathProbe probe)
    : sortedExtension(sortedExtension), probe(probe)
{
}

void ZInsideInfo::Clear()
{
    autoJars = autoZips = 0;
    systemClassPaths.Assign("", 0);
    userZippedClassPaths.Assign("", 0);
    userNakedClassPaths.Assign("", 0);
    siblingClassPaths.Assign("", 0);
    selectedCount = 0;
    hasSelection = 0;
    startDirectory.Assign("", 0);
    classFiles.RemoveAll();
    otherFiles.RemoveAll();
    folders.RemoveAll();
}

int ZInsideInfo::ReadFlag(const char*& cursor, int& flag)
{
    if ((cursor[0] != '0' && cursor[0] != '1') || cursor[1] != INFO_SEPARATOR)
        return 0;
    flag = cursor[0] == '1';
    cursor += 2;
    return 1;
}

int ZInsideInfo::ReadField(const char*& cursor, XString& field)
{
    const char* separator = std::strchr(cursor, INFO_SEPARATOR);
    if (!separator)
        return 0;
    field.Assign(cursor, static_cast<int>(separator - cursor));
    cursor = separator + 1;
    return 1;
}

int ZInsideInfo::Parse(const char* payload)
{
    Clear();
    const char* cursor = payload;
    if (!ReadFlag(cursor, autoJars) || !ReadFlag(cursor, autoZips))
        return 0;
    XString* fields[] = {&systemClassPaths, &userZippedClassPaths, &userNakedClassPaths, &siblingClassPaths};
    for (XString* field : fields) {
        if (!ReadField(cursor, *field))
            return 0;
    }
    const char* countEnd = std::strchr(cursor, '\n');
    if (!countEnd)
        return 0;
    selectedCount = std::atoi(XString(cursor, static_cast<int>(countEnd - cursor)).Data());
    if (selectedCount <= 0)
        return 0;
    const char* begin = countEnd + 1;
    const char* end = std::strchr(begin, INFO_SEPARATOR);
    if (!end || end == begin)
        return 0;
    if (selectedCount == 1)
        return ParseSingle(begin, end);
    ParseLines(begin, end);
    return 1;
}

int ZInsideInfo::ParseSingle(const char* begin, const char* end)
{
    const char* lineEnd = FindByte(begin, end, '\n');
    const XString path(begin, static_cast<int>((lineEnd ? lineEnd : end) - begin));
    if (probe(path.Data()) == PathKind::Folder) {
        // One folder is searched by the pages; nothing is sorted yet.
        startDirectory.Copy(path);
        return 1;
    }
    startDirectory = PathDirectory(path.Data());
    AddFile(path);  // also a path that does not exist
    hasSelection = 1;
    return 1;
}

void ZInsideInfo::ParseLines(const char* begin, const char* end)
{
    const char* line = begin;
    while (line < end) {
        const char* lineEnd = FindByte(line, end, '\n');
        if (!lineEnd)
            lineEnd = end;
        if (lineEnd - line >= kShortestLine) {
            const XString path(line, static_cast<int>(lineEnd - line));
            startDirectory = PathDirectory(path.Data());
            const PathKind kind = probe(path.Data());
            if (kind == PathKind::Folder)
                folders.Add(path);
            else if (kind == PathKind::File)
                AddFile(path);
        }
        line = lineEnd + 1;
    }
    hasSelection = 1;
}

void ZInsideInfo::AddFile(const XString& path)
{
    if (std::strcmp(PathExtension(path.Data()).Data(), sortedExtension) == 0)
        classFiles.Add(path);
    else
        otherFiles.Add(path);
}

int TakeInsideInfoPayload(const char* commandLine, XString& payload)
{
    payload.Assign("", 0);
    if (!commandLine || static_cast<int>(std::strlen(commandLine)) < kShortestCommandLine ||
        std::strncmp(commandLine, kPrefix, kPrefixLength) != 0)
        return 0;
    const char* rest = commandLine + kPrefixLength;
    while (*rest == ' ')
        ++rest;
    payload.Assign(rest);
    RemoveChar(payload, '"');
    return 1;
}

XString HandOverText(const void* data, unsigned long size)
{
    // XString stops at the first zero within the length it is given.
    const int bounded = size > static_cast<unsigned long>(INT_MAX) ? INT_MAX : static_cast<int>(size);
    return XString(static_cast<const char*>(data), bounded);
}
