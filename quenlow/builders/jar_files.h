#pragma once

#include <windows.h>

#include "garray.h"
#include "xstring.h"

// Which files of a folder go into the archive: by extension (exact case),
// unless all files are included or exclusion is off.
struct JarFileFilter {
    int includeAll = 1;
    int exclusionDisabled = 0;
    StringPtrList include;
    StringList exclude;

    bool Takes(const char* fileName) const;
};

// Every file under folder, sub-folders included, that the filter takes, as
// full paths sorted byte-wise.
void CollectJarFiles(const char* folder, const JarFileFilter& filter, StringPtrList& files);

// CollectJarFiles on a thread of its own, begun at construction, so that the
// caller can make the jar tool's process meanwhile. The folder and filter
// must outlive the search.
class JarFilesSearch {
public:
    JarFilesSearch(const char* folder, const JarFileFilter& filter);
    JarFilesSearch(const JarFilesSearch&) = delete;
    JarFilesSearch& operator=(const JarFilesSearch&) = delete;
    ~JarFilesSearch();

    // The files, once the search has ended.
    StringPtrList& Files();

private:
    static DWORD WINAPI SearchProc(void* self);

    const char* folder;
    const JarFileFilter& filter;
    StringPtrList files;
    HANDLE thread;
};
