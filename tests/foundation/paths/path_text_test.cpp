#include <gtest/gtest.h>

#include <string>

#include "paths/path_text.h"
#include "paths/text_file.h"
#include "support/test_files.h"

namespace {

TEST(PathText, TableOfPaths)
{
    struct Case {
        const char* path;
        const char* directory;
        const char* title;
        const char* extension;
    } cases[] = {
        { "C:\\dir\\Main.class", "C:\\dir", "Main", "class" },
        { "C:\\dir.x\\file", "C:\\dir.x", "", "" },
        { "a.b\\c", "a.b", "", "" },
        { "c.tar.gz", "", "c.tar", "gz" },
        { "README", "", "README", "" },
        { "C:\\", "C:", "", "" },
        { "\\\\server\\share\\lib.jar", "\\\\server\\share", "lib", "jar" },
        { "C:\\dir\\.hidden", "C:\\dir", "", "hidden" },
        { "", "", "", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(PathDirectory(c.path).Data(), c.directory);
        EXPECT_STREQ(PathFileTitle(c.path).Data(), c.title);
        EXPECT_STREQ(PathExtension(c.path).Data(), c.extension);
        EXPECT_STREQ(PathExtensionText(c.path), c.extension);
    }
}

TEST(PathText, TextHelpers)
{
    struct Case {
        const char* text;
        char removed;
        const char* expected;
    } removals[] = { { "", 'a', "" }, { "a\"b\"\"c", '"', "abc" }, { "xxx", 'x', "" }, { "abc", 'z', "abc" } };
    for (const Case& c : removals) {
        XString s(c.text);
        RemoveChar(s, c.removed);
        EXPECT_STREQ(s.Data(), c.expected) << c.text;
    }

    struct Folder {
        const char* picked;
        const char* stored;
    } folders[] = {
        { "C:\\", "C:\\" },  // a drive root keeps its backslash: "C:" is the current directory
        { "d:\\", "d:\\" },
        { "C:\\work\\", "C:\\work" },
        { "C:\\work", "C:\\work" },
        { "C:\\work\\\\", "C:\\work\\" },  // one backslash only
        { "\\\\server\\share\\", "\\\\server\\share" },
        { "", "" },
    };
    for (const Folder& f : folders)
        EXPECT_STREQ(PickedFolderText(f.picked).Data(), f.stored) << f.picked;

    EXPECT_STREQ(ProgramDirectoryOf("C:\\Quenlow\\Quenlow.exe").Data(), "C:\\Quenlow");
    EXPECT_STREQ(ProgramDirectoryOf("Quenlow.exe").Data(), "Quenlow.exe");
}

TEST(TextFile, NulBytesMakeABinaryFile)
{
    struct Case {
        const char* name;
        std::string bytes;
        int text;
    } cases[] = {
        { "plain.txt", "Manifest-Version: 1.0\r\n", 1 },
        { "empty.txt", "", 1 },
        { "nul-first.bin", std::string("\0abc", 4), 0 },
        { "nul-late.bin", std::string(5000, 'a') + std::string(1, '\0'), 0 },
    };
    for (const Case& c : cases) {
        const std::string path = ScratchPath(c.name);
        ASSERT_TRUE(WriteFileBytes(path, c.bytes));
        EXPECT_EQ(IsTextFile(path.c_str()), c.text) << c.name;
    }
    EXPECT_EQ(IsTextFile(ScratchPath("missing.txt").c_str()), 1);
}

}  // namespace
