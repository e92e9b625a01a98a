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

// make_linked_docs.cmake's drive: a link to a folder elsewhere that holds
// documentation, and a link back up to the drive's top.
TEST(DocsOptions, DriveSearchFindsDocsFoldersButNotNestedOnesFollowsLinksAndEnds)
{
    const std::string docs = WindowsPath(QUENLOW_LINKED_DOCS);
    const std::string drive = docs.substr(0, docs.rfind('\\')) + "\\drive";
    NativeFolderWalk walk;
    std::vector<XString> roots = {XString((drive + "\\").c_str())};
    std::vector<XString> folders;
    int steps = 0;
    int lastCount = 0;
    FindDocsFolders(walk, roots, folders, [&] { ++steps; }, [&](int count) { lastCount = count; });
    std::vector<std::string> names;
    for (const XString& folder : folders)
        names.push_back(folder.Data());
    EXPECT_EQ(names, (std::vector<std::string>{drive + "\\jdk8\\docs", drive + "\\other\\linked\\jdk17\\docs",
                                                drive + "\\tools\\deep\\docs"}));
    EXPECT_EQ(lastCount, 3);
    EXPECT_EQ(steps, 1);
}

}  // namespace
