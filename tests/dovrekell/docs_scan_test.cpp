#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "contents_fixture.h"
#include "docs_scan.h"
#include "native_folder_walk.h"
#include "support/test_files.h"

namespace fs = std::filesystem;

namespace {

void PrepareGroups(ExtensionGroups& groups, ContentsMemory& tree, const std::string& docs)
{
    groups.Reset();
    groups.AddFixedGroups();
    groups.AddUserGroup("txt;XML");
    for (ExtensionGroup& group : groups.FixedGroups())
        group.root = tree.Insert(nullptr, group.label.Data(), ContentsBuilder::kRootImage);
    for (ExtensionGroup& group : groups.UserGroups())
        group.root = tree.Insert(nullptr, group.label.Data(), ContentsBuilder::kRootImage);
    groups.SetCatchAllRoot(tree.Insert(nullptr, groups.CatchAllLabel().Data(), ContentsBuilder::kRootImage));
    groups.SetDocsFolder(docs.c_str());
}

TEST(DocsScan, DocsFolderCheck)
{
    const fs::path base = ScratchPath("check");
    struct Case {
        const char* folder;
        std::vector<std::string> files;  // a trailing '/' makes a folder
        int accepted;
    };
    const Case cases[] = {
        {"a/Docs", {"api/", "guide/", "index.htm"}, 1},
        {"b/docs", {"api/", "specs/", "index.html"}, 1},
        {"c/documents", {"api/", "guide/", "index.html"}, 0},
        {"d/docs", {"api", "guide/", "index.html"}, 0},
        {"e/docs", {"api/", "specs/"}, 0},
        {"f/docs", {"api/", "index.html"}, 0},
        {"g/docs", {"api/", "guide/", "index.html/"}, 0},
    };
    NativeFolderWalk walk;
    for (const Case& c : cases) {
        const fs::path folder = base / c.folder;
        fs::create_directories(folder);
        for (const std::string& file : c.files) {
            if (file.back() == '/')
                fs::create_directories(folder / file);
            else
                TouchFixtureFile(folder / file);
        }
        // The check reads the last component after the last backslash.
        EXPECT_EQ(IsDocsFolder(walk, WindowsPath(folder.string()).c_str()), c.accepted) << c.folder;
    }
    EXPECT_EQ(IsDocsFolder(walk, (WindowsPath((base / "b/docs").string()) + "\\").c_str()), 0);
    EXPECT_EQ(IsDocsFolder(walk, ""), 0);
}

TEST(DocsScan, FillsTheTreeAndIndexOfTheFixture)
{
    const std::string docs = BuildFixtureDocs("fill");
    NativeFolderWalk walk;
    for (int load = 0; load < 2; ++load) {
        // Every load starts from fresh roots and an empty index.
        ContentsMemory tree;
        ExtensionGroups groups;
        PrepareGroups(groups, tree, docs);
        const long keepRunning = 1;
        BuildContents(groups, walk, tree, keepRunning);

        EXPECT_EQ(DumpContents(tree), ExpectedFixtureContents());
        const auto& index = tree.Index();
        ASSERT_EQ(index.size(), 5u);
        EXPECT_STREQ(index[0].first.Data(), "Object");
        EXPECT_STREQ(index[3].first.Data(), "index");
        EXPECT_EQ(std::string(index[3].second.Data()), docs + "\\index.html");
        EXPECT_STREQ(index[4].first.Data(), "intro");
    }
}

// The folder that make_linked_docs.cmake makes: a linked sub-folder whose
// target lies outside the documentation folder and holds a link back up to
// the folder linking to it, and a sub-folder's link back to its parent.
// What the linked folder holds is listed once, under the link's name; each
// link back up is shown beside what its folder shows, not walked; the walk
// ends.
TEST(DocsScan, LinkedFoldersAreWalkedAndLinksBackUpAreNot)
{
    const std::string docs = WindowsPath(QUENLOW_LINKED_DOCS);
    NativeFolderWalk walk;
    ContentsMemory tree;
    ExtensionGroups groups;
    PrepareGroups(groups, tree, docs);
    const long keepRunning = 1;
    BuildContents(groups, walk, tree, keepRunning);

    const std::vector<std::string> expected = {
        "Document",
        "  api",
        "    Object",
        "    linked",
        "      Linked",
        "      back",
        "      deep",
        "        Deep",
        "  index",
        "  specs",
        "    intro",
        "    parent",
        "Java",
        "Class",
        "Jar & Zip",
        "Txt & Xml",
        "  api",
        "    linked",
        "      back",
        "      notes.txt",
        "Utilities",
        "  api",
        "    package-list",
    };
    EXPECT_EQ(DumpContents(tree), expected);
    std::vector<std::string> index;
    for (const auto& entry : tree.Index())
        index.push_back(std::string(entry.first.Data()) + " " + entry.second.Data());
    EXPECT_EQ(index, (std::vector<std::string>{
                         "Object " + docs + "\\api\\Object.html",
                         "Linked " + docs + "\\api\\linked\\Linked.html",
                         "Deep " + docs + "\\api\\linked\\deep\\Deep.html",
                         "index " + docs + "\\index.html",
                         "intro " + docs + "\\specs\\intro.html",
                     }));
    // docs, api, linked, deep and specs, each once.
    EXPECT_EQ(walk.listed, 5);
}

// Clears keep-running once the tree holds a few items, as a close does.
class StoppingContents : public ContentsMemory {
public:
    explicit StoppingContents(volatile long& flag) : keepRunning(flag) {}
    ContentsItem Insert(ContentsItem parent, const char* text, int image) override
    {
        if (Inserted() == 9)
            keepRunning = 0;
        return ContentsMemory::Insert(parent, text, image);
    }

private:
    volatile long& keepRunning;
};

TEST(DocsScan, ClearingKeepRunningEndsTheScan)
{
    const std::string docs = BuildFixtureDocs("stop");
    volatile long keepRunning = 1;
    StoppingContents tree(keepRunning);
    ExtensionGroups groups;
    PrepareGroups(groups, tree, docs);
    NativeFolderWalk walk;
    BuildContents(groups, walk, tree, keepRunning);
    EXPECT_EQ(keepRunning, 0);
    // The file being filed when the flag was cleared (Object, with the
    // folders it needs) is the last: README went under Utilities before it.
    EXPECT_EQ(tree.Inserted(), 11);
    // After the stop no further folder is even listed.
    const int listed = walk.listed;
    BuildContents(groups, walk, tree, keepRunning);
    EXPECT_EQ(walk.listed, listed);
}

}  // namespace
