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
    const fs::path elsewhere = ScratchPath("elsewhere");
    for (const fs::path& docs : {drive / "jdk8/docs", drive / "tools/deep/docs", drive / "jdk8/docs/api/inner/docs",
                                elsewhere / "jdk11/docs"}) {
        for (const char* part : {"api/x.html", "guide/y.html", "index.html"})
            TouchFixtureFile(docs / part);
    }
    TouchFixtureFile(drive / "other/readme.txt");
    // A link back to the drive's top is not followed; a linked folder is.
    std::error_code noLink;
    fs::create_directory_symlink(drive, drive / "other" / "loop", noLink);
    if (!noLink)
        fs::create_directory_symlink(elsewhere / "jdk11", drive / "links", noLink);

    NativeFolderWalk walk;
    std::vector<XString> roots = {XString((WindowsPath(drive.string()) + "\\").c_str())};
    std::vector<XString> folders;
    int steps = 0;
    int lastCount = 0;
    FindDocsFolders(walk, roots, folders, [&] { ++steps; }, [&](int count) { lastCount = count; });
    std::vector<std::string> expected = {WindowsPath((drive / "jdk8/docs").string())};
    if (!noLink)
        expected.push_back(WindowsPath((drive / "links/docs").string()));
    expected.push_back(WindowsPath((drive / "tools/deep/docs").string()));
    std::vector<std::string> found;
    for (const XString& folder : folders)
        found.push_back(folder.Data());
    EXPECT_EQ(found, expected);
    EXPECT_EQ(lastCount, static_cast<int>(expected.size()));
    EXPECT_EQ(steps, 1);
}

}  // namespace
