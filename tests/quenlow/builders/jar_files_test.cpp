#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "jar_files.h"
#include "support/test_files.h"

namespace {

std::vector<std::string> Collect(const std::string& folder, const JarFileFilter& filter)
{
    StringPtrList files;
    CollectJarFiles(folder.c_str(), filter, files);
    std::vector<std::string> paths;
    for (int i = 0; i < files.Count(); ++i)
        paths.push_back(files.StringAt(i)->Data());
    return paths;
}

// Names whose byte order differs from any order by folder: '-' and '.' sort
// before the backslash, so a folder's files and its sub-folders interleave.
TEST(CollectJarFiles, EveryFileUnderTheFolderSortedByteWiseAsWholePaths)
{
    const std::string root = ScratchPath("jar_files");
    for (const char* folder : {"", "\\a", "\\a\\b", "\\a.b", "\\a-b", "\\Z"})
        CreateDirectoryA((root + folder).c_str(), nullptr);
    const std::vector<std::string> names = {"\\a-b\\x.class", "\\a.b\\x.txt",   "\\a\\b\\c.class", "\\a\\b.class",
                                            "\\a\\b-c.txt",   "\\a.class",      "\\Z\\z.class",    "\\\xE9.class",
                                            "\\b",            "\\a\\b\\d.class"};
    for (const std::string& name : names)
        ASSERT_TRUE(WriteFileBytes(root + name, "x"));
    std::vector<std::string> expected;
    for (const std::string& name : names)
        expected.push_back(root + name);
    std::sort(expected.begin(), expected.end(),
              [](const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) < 0; });

    JarFileFilter all;
    EXPECT_EQ(Collect(root, all), expected);

    JarFileFilter classes;
    classes.includeAll = 0;
    classes.include.InsertSorted("class");
    classes.exclusionDisabled = 1;
    std::vector<std::string> classFiles;
    for (const std::string& path : expected) {
        if (path.size() > 6 && path.compare(path.size() - 6, 6, ".class") == 0)
            classFiles.push_back(path);
    }
    EXPECT_EQ(Collect(root, classes), classFiles);

    JarFileFilter noText;
    noText.exclude.Add("txt");
    EXPECT_EQ(Collect(root, noText).size(), expected.size() - 2);
    EXPECT_TRUE(Collect(root + "\\missing", all).empty());
}

}  // namespace
