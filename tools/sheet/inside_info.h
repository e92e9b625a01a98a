#pragma once

#include "garray.h"
#include "xstring.h"

// What the main program hands the two tools: the class-path options and the
// Explorer selection, read from the payload of "/inside-info". Every payload
// replaces the whole record.

enum class PathKind { Missing, File, Folder };
// Tells what a selected path is. The tools pass ProbePath; tests pass a table.
using PathProbe = PathKind (*)(const char* path);
#ifdef _WIN32
PathKind ProbePath(const char* path);
#endif

class ZInsideInfo {
public:
    // sortedExtension: the files kept apart from the other files, "class" in
    // the execute-and-debug tool and "java" in the compile tool.
    ZInsideInfo(const char* sortedExtension, PathProbe probe);
    ZInsideInfo(const ZInsideInfo&) = delete;
    ZInsideInfo& operator=(const ZInsideInfo&) = delete;
    virtual ~ZInsideInfo() = default;

    void Clear();
    // Whatever is read stays when a later field is missing; the fields not
    // reached stay empty. 0 for a broken payload or one without a selection.
    int Parse(const char* payload);
    // The selection of one path, [begin, end).
    int ParseSingle(const char* begin, const char* end);

    // A '0'/'1' followed by the separator; the cursor moves past both.
    static int ReadFlag(const char*& cursor, int& flag);
    // The text up to the next separator (which must exist); the cursor moves
    // past the separator.
    static int ReadField(const char*& cursor, XString& field);

    // The compile tool's name for the sorted files.
    StringList& JavaFiles() { return classFiles; }
    const StringList& JavaFiles() const { return classFiles; }

    int autoJars = 0;
    int autoZips = 0;
    XString systemClassPaths;
    XString userZippedClassPaths;
    XString userNakedClassPaths;
    XString siblingClassPaths;
    int selectedCount = 0;
    XString startDirectory;
    StringList classFiles;
    StringList otherFiles;
    StringList folders;
    int hasSelection = 0;

private:
    void ParseLines(const char* begin, const char* end);
    void AddFile(const XString& path);

    const char* sortedExtension;
    PathProbe probe;
};

// The payload of a tool's command line (without the program name): it must
// begin with "/inside-info " and be at least 18 characters long; blanks after
// the prefix are skipped and every double quote is removed. 0 when the
// command line is not a tool's.
int TakeInsideInfoPayload(const char* commandLine, XString& payload);

// The text of a hand-over record: at most size bytes, up to the first zero
// among them. A record without a zero is never read past its end.
XString HandOverText(const void* data, unsigned long size);
