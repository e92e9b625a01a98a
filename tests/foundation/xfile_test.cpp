#include "xfile.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"

namespace {

TEST(XFile, OpenOfAMissingFileFailsButKeepsThePath)
{
    const std::string path = ScratchPath("missing.txt");
    XFile f;
    EXPECT_EQ(f.Open(path.c_str(), XFile::OpenExisting, 0), 0);
    EXPECT_FALSE(f.IsOpen());
    EXPECT_STREQ(f.Name().Data(), path.c_str());
    EXPECT_EQ(f.GetSize(), 0);
}

TEST(XFile, WritesInChunksAndReadsBack)
{
    const std::string path = ScratchPath("chunks.bin");
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes.push_back(static_cast<char>(i * 7));
    {
        XFile f;
        ASSERT_EQ(f.Create(path.c_str(), 1), 1);
        EXPECT_EQ(f.Write(bytes.data(), static_cast<int>(bytes.size())), 1);
        EXPECT_EQ(f.Write(bytes.data(), 0), 1);
        EXPECT_EQ(f.GetSize(), 5000);
    }
    EXPECT_EQ(ReadFileBytes(path), bytes);

    XFile f;
    ASSERT_EQ(f.Open(path.c_str(), XFile::OpenExisting, 0), 1);
    XBuffer whole;
    int length = -1;
    ASSERT_EQ(f.ReadWhole(whole, &length), 1);
    EXPECT_EQ(length, 5000);
    EXPECT_EQ(std::string(whole.Text(), 5000), bytes);
    EXPECT_EQ(whole.Data()[5000], 0);

    ASSERT_EQ(f.Seek(4990, XFile::FromBegin), 1);
    char tail[20];
    int got = 0;
    EXPECT_EQ(f.Read(tail, 20, &got), 1);
    EXPECT_EQ(got, 10);
}

TEST(XFile, CreateNewRefusesAnExistingFile)
{
    const std::string path = ScratchPath("exists.txt");
    ASSERT_TRUE(WriteFileBytes(path, "keep"));
    XFile f;
    EXPECT_EQ(f.Create(path.c_str(), 0), 0);
    EXPECT_EQ(ReadFileBytes(path), "keep");
}

TEST(XFile, CloseNeverShortensOnlyTruncateDoes)
{
    const std::string path = ScratchPath("close.txt");
    ASSERT_TRUE(WriteFileBytes(path, "0123456789"));
    {
        XFile f;
        ASSERT_EQ(f.Open(path.c_str(), XFile::OpenExisting, 1), 1);
        f.Seek(3, XFile::FromBegin);
        f.Write("ab", 2);
    }
    EXPECT_EQ(ReadFileBytes(path), "012ab56789");
    {
        XFile f;
        ASSERT_EQ(f.Open(path.c_str(), XFile::OpenExisting, 1), 1);
        f.Seek(4, XFile::FromBegin);
        EXPECT_EQ(f.Truncate(), 1);
        f.Close();
        EXPECT_STREQ(f.Name().Data(), "");
    }
    EXPECT_EQ(ReadFileBytes(path), "012a");
}

TEST(XFile, ReadWholeOfAnEmptyFileGivesAnEmptyText)
{
    const std::string path = ScratchPath("empty.txt");
    ASSERT_TRUE(WriteFileBytes(path, ""));
    XFile f;
    ASSERT_EQ(f.Open(path.c_str(), XFile::OpenExisting, 0), 1);
    XBuffer whole;
    int length = -1;
    EXPECT_EQ(f.ReadWhole(whole, &length), 1);
    EXPECT_EQ(length, 0);
    EXPECT_STREQ(whole.Text(), "");

    XFile closed;
    EXPECT_EQ(closed.ReadWhole(whole, &length), 0);
}

}  // namespace
