#include <gtest/gtest.h>

#include <filesystem>

#include "contents_fixture.h"
#include "docs_options.h"
#include "native_folder_walk.h"

namespace fs = std::filesystem;

namespace {

TEST(DocsOptions, ExtensionInputRules)
{
    const std::vector<XString> entries = {XString("txt;XML"), XString("log")};
    struct Case {
        const char* text;
        const char* refusal;
    };
    const Case cases[] = {
        {"ini", ""},
        {"ini;cfg", ""},
        {"ini;", ""},
        {"", "Please input file extensions"},
        {";ini", "Bad file extension's format"},
        {"ini;;cfg", "Bad file extension's format"},
        {".ini", "Bad file extension's format"},
        {"i-i", "Bad file extension's format"},
        {"ini;GIF", "Extension \"GIF\" is not for text files"},
        {"cfg;xml", "The extension \"xml\" has been used already"},
        {"LOG", "The extension \"LOG\" has been used already"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(ExtensionInputRefusal(c.text, entries).Data(), c.refusal) << c.text;
}

TEST(DocsOptions, DriveSearchFindsDocsFoldersButNotNestedOnesAndEnds)
{
    const fs::path drive = ScratchPath("drive");
    for (const char* docs : {"jdk8/docs", "tools/deep/docs", "jdk8/docs/api/inner/docs"}) {
        for (const char* part : {"api/x.html", "guide/y.html", "index.html"})
            TouchFixtureFile(drive / docs / part);
    }
    TouchFixtureFile(drive / "other/readme.txt");
    std::error_code noLink;
    fs::create_directory_symlink(drive, drive / "other" / "loop", noLink);

    NativeFolderWalk walk;
    std::vector<XString> roots = {XString((WindowsPath(drive.string()) + "\\").c_str())};
    std::vector<XString> folders;
    int steps = 0;
    int lastCount = 0;
    FindDocsFolders(walk, roots, folders, [&] { ++steps; }, [&](int count) { lastCount = count; });
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(std::string(folders[0].Data()), WindowsPath((drive / "jdk8/docs").string()));
    EXPECT_EQ(std::string(folders[1].Data()), WindowsPath((drive / "tools/deep/docs").string()));
    EXPECT_EQ(lastCount, 2);
    EXPECT_EQ(steps, 1);
}

}  // namespace
