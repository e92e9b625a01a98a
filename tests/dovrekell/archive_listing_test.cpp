// The archive listing over archives the test writes: the folder tree a user
// unfolds, dotted folder names, repeats, and no second read of an open archive.
#include "archive_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_files.h"
#include "zip_writer.h"

namespace {

// The whole tree as indented lines, folders marked with a trailing '/', in the
// order the archive tree shows them: sub-folders, then files.
void DrawTree(const ArchiveListing& listing, const std::string& folder, const std::string& indent, std::string& out)
{
    std::vector<std::string> subFolders, files;
    listing.ListChildren(folder, subFolders, files);
    for (const std::string& sub : subFolders) {
        out += indent + sub + "/\n";
        DrawTree(listing, folder.empty() ? sub : folder + "/" + sub, indent + "  ", out);
    }
    for (const std::string& file : files)
        out += indent + file + "\n";
}

std::string WriteArchive(const std::string& name, const std::vector<std::string>& names)
{
    std::vector<WriterEntry> entries;
    for (const std::string& entryName : names) {
        WriterEntry entry;
        entry.name = entryName;
        if (!entryName.empty() && entryName.back() == '/')
            entry.externalAttributes = 0x10;  // a directory entry
        entries.push_back(entry);
    }
    const std::string path = ScratchPath(name);
    EXPECT_TRUE(WriteFileBytes(path, WriteTestZip(entries)));
    return path;
}

std::string Tree(const std::string& path)
{
    ArchiveListing listing;
    if (!listing.Open(path.c_str()))
        return "(not open)";
    std::string out;
    DrawTree(listing, "", "", out);
    return out;
}

TEST(ArchiveListing, FoldersUnfoldByTheirSlashSeparatedPath)
{
    const std::string jar = WriteArchive("tree.jar", {
        "META-INF/", "META-INF/MANIFEST.MF", "a/", "a/b/C.class", "a/D.txt", "a/D.txt",
        "jdk-17.0.1/bin/java", "a.b/x.txt", "a/b/x.txt", "Top.class", "B/z.txt",
    });
    EXPECT_EQ(Tree(jar),
              "a/\n"
              "  b/\n"
              "    C.class\n"
              "    x.txt\n"
              "  D.txt\n"
              "a.b/\n"
              "  x.txt\n"
              "B/\n"
              "  z.txt\n"
              "jdk-17.0.1/\n"
              "  bin/\n"
              "    java\n"
              "META-INF/\n"
              "  MANIFEST.MF\n"
              "Top.class\n");
}

TEST(ArchiveListing, BackslashNamesAndEmptyArchives)
{
    EXPECT_EQ(Tree(WriteArchive("back.zip", {"a\\b\\C.class", "a/b/E.class"})), "a/\n  b/\n    C.class\n    E.class\n");
    EXPECT_EQ(Tree(WriteArchive("dirs.zip", {"only/", "only/deeper/"})), "");
    EXPECT_EQ(Tree(WriteArchive("none.zip", {})), "");
}

TEST(ArchiveListing, UnreadableFilesStayClosed)
{
    EXPECT_EQ(Tree(ScratchPath("missing.jar")), "(not open)");
    const std::string text = ScratchPath("text.jar");
    ASSERT_TRUE(WriteFileBytes(text, "not an archive at all, just words\n"));
    EXPECT_EQ(Tree(text), "(not open)");
}

TEST(ArchiveListing, TheOpenArchiveIsNotReadAgain)
{
    const std::string path = WriteArchive("again.zip", {"a/one.txt"});
    ArchiveListing listing;
    ASSERT_EQ(listing.Open(path.c_str()), 1);
    // Replaced on disk (where the system lets an open file be replaced):
    // the same path keeps the listing it has.
    const bool replaced = WriteFileBytes(path, WriteTestZip({WriterEntry{"b/two.txt"}}));
    ASSERT_EQ(listing.Open(path.c_str()), 1);
    std::string out;
    DrawTree(listing, "", "", out);
    EXPECT_EQ(out, "a/\n  one.txt\n");

    // Another archive, then this one again: read afresh.
    const std::string other = WriteArchive("other.zip", {"c.txt"});
    ASSERT_EQ(listing.Open(other.c_str()), 1);
    ASSERT_EQ(listing.Open(path.c_str()), 1);
    out.clear();
    DrawTree(listing, "", "", out);
    EXPECT_EQ(out, replaced ? "b/\n  two.txt\n" : "a/\n  one.txt\n");
}

}  // namespace
