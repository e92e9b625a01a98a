#pragma once

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
