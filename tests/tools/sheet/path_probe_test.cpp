// The kind of a selected path answered from its attributes, as a search for
// the path would answer it: for files, folders, missing paths and the forms a
// search treats on its own (wildcards, trailing separators, drives, shares).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "inside_info.h"
#include "support/test_files.h"

namespace {

PathKind SearchKind(const char* path)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return PathKind::Missing;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

TEST(PathProbe, AnswersAsASearchForThePathDoes)
{
    const std::string folder = WindowsPath(ScratchPath("probe folder"));
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(folder + "\\A.java", "class A {}\n"));
    const struct {
        std::string path;
        PathKind kind;
    } cases[] = {
        {folder + "\\A.java", PathKind::File},
        {folder + "\\sub", PathKind::Folder},
        {folder, PathKind::Folder},
        {folder + "\\B.java", PathKind::Missing},
        {folder + "\\none\\B.java", PathKind::Missing},
        {folder + "\\sub\\", PathKind::Missing},
        {folder + "\\*.java", PathKind::File},
        {folder + "\\s?b", PathKind::Folder},
        {folder + "\\A.java.", SearchKind((folder + "\\A.java.").c_str())},
        {"C:\\", PathKind::Missing},
        {"C:", SearchKind("C:")},
        {"\\\\server\\share", SearchKind("\\\\server\\share")},
        {"", PathKind::Missing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SearchKind(c.path.c_str()), c.kind) << c.path;
        EXPECT_EQ(ProbePath(c.path.c_str()), c.kind) << c.path;
    }
}

}  // namespace
