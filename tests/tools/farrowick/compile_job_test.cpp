#include "compile_job.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const XString& text)
{
    return std::string(text.Data(), static_cast<size_t>(text.Length()));
}

const std::string kEnded = "************************************** Compiling ended\n";
const std::string kRule = "\n======================================";

TEST(CompileJob, KeepsDirectoriesSortedAndFilesInOrderOfAdding)
{
    ZCompileJob job;
    job.AddFile("C:\\p\\beta\\B2.java");
    job.AddFile("C:\\p\\alpha\\A.java");
    job.AddFile("C:\\p\\gamma\\G.java");
    job.AddFile("C:\\p\\beta\\B1.java");
    job.AddFile("C:\\p\\Beta\\Upper.java");  // letter case counts: 'B' sorts before 'a'
    ASSERT_EQ(job.DirectoryCount(), 4);
    EXPECT_EQ(S(job.Directory(0).path), "C:\\p\\Beta");
    EXPECT_EQ(S(job.Directory(1).path), "C:\\p\\alpha");
    EXPECT_EQ(S(job.Directory(2).path), "C:\\p\\beta");
    EXPECT_EQ(S(job.Directory(3).path), "C:\\p\\gamma");
    int found = 0;
    EXPECT_EQ(job.FindDirectory("C:\\p\\alpha", found), 1);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(job.FindDirectory("C:\\p\\delta", found), 3);
    EXPECT_EQ(found, 0);

    EXPECT_EQ(job.FileCount(), 5);
    EXPECT_EQ(S(job.DirectoryText(2)), "\"C:\\p\\beta\\B2.java\"\n\"C:\\p\\beta\\B1.java\"\n");
    EXPECT_EQ(S(job.FileText(3)), "\"C:\\p\\beta\\B1.java\"\n");
    EXPECT_EQ(S(job.FileText(5)), "");
    EXPECT_EQ(S(job.WholeText()), "\"C:\\p\\Beta\\Upper.java\"\n\"C:\\p\\alpha\\A.java\"\n"
                                  "\"C:\\p\\beta\\B2.java\"\n\"C:\\p\\beta\\B1.java\"\n\"C:\\p\\gamma\\G.java\"\n");
    int d = -1, f = -1;
    ASSERT_EQ(job.FileAt(4, d, f), 1);
    EXPECT_EQ(d, 3);
    EXPECT_EQ(f, 0);
    EXPECT_EQ(job.FileAt(-1, d, f), 0);
}

TEST(CompileJob, DirectoryReportListsEachUnderItsHeading)
{
    ZCompileJob job;
    job.AddFile("C:\\p\\bad\\X.java");
    job.AddFile("C:\\p\\good\\Y.java");
    job.AddFile("C:\\p\\good\\Z.java");
    job.AddFile("C:\\p\\rest\\W.java");
    job.RecordResult(kCompileByDirectory, 0, 1);
    job.RecordResult(kCompileByDirectory, 1, 0);
    EXPECT_EQ(S(job.Report(kCompileByDirectory)),
              kEnded + "Directory count:3, compiled count:2, good count:1 ,bad count:1\n" + kRule +
                  " bad directory list\n" + "C:\\p\\bad" + std::string(67 - 8, ' ') + " (1  files)\n" + kRule +
                  " good directory list\n" + "C:\\p\\good" + std::string(67 - 9, ' ') + " (2  files)\n" + kRule +
                  " un-compiled directory list\n" + "C:\\p\\rest" + std::string(67 - 9, ' ') + " (1  files)\n");
    EXPECT_EQ(S(job.Report(kCompileWhole)), "");
}

TEST(CompileJob, LongPathIsWrittenInFull)
{
    ZCompileJob job;
    const std::string longFolder = "C:\\" + std::string(80, 'x');
    job.AddFile((longFolder + "\\A.java").c_str());
    for (int i = 0; i < 12; ++i)
        job.AddFile((longFolder + "\\B.java").c_str());
    job.RecordResult(kCompileByDirectory, 0, 0);
    EXPECT_EQ(S(job.Report(kCompileByDirectory)),
              kEnded + "Directory count:1, compiled count:1, good count:1 ,bad count:0\n" + kRule +
                  " good directory list\n" + longFolder + " (13 files)\n");
}

TEST(CompileJob, FileReportCountsCompiledFilesAndListsTheBad)
{
    ZCompileJob job;
    job.AddFile("C:\\p\\a\\A.java");
    job.AddFile("C:\\p\\a\\B.java");
    job.AddFile("C:\\p\\b\\C.java");
    job.RecordResult(kCompileByFile, 0, 0);
    job.RecordResult(kCompileByFile, 1, 1);
    job.RecordResult(kCompileByFile, 7, 1);  // out of range: nothing
    EXPECT_EQ(S(job.Report(kCompileByFile)), kEnded + "File count:3, compiled count:2, good count:1, bad count:1\n" +
                                                 kRule + " bad file list\nC:\\p\\a\\B.java\n");
    job.RecordResult(kCompileByFile, 1, 0);
    EXPECT_EQ(S(job.Report(kCompileByFile)), kEnded + "File count:3, compiled count:2, good count:2, bad count:0\n");
}

TEST(CompileJob, AutomaticStyleCompilesOneDirectoryOrOneFileAsAWhole)
{
    struct Case {
        int style, autoStyle, directories, files, expected;
    } cases[] = {
        {kCompileByDirectory, 1, 1, 3, kCompileWhole}, {kCompileByDirectory, 0, 1, 3, kCompileByDirectory},
        {kCompileByDirectory, 1, 2, 2, kCompileByDirectory}, {kCompileByFile, 1, 1, 1, kCompileWhole},
        {kCompileByFile, 1, 1, 2, kCompileByFile},
    };
    for (const Case& c : cases) {
        ZCompileJob job;
        job.options.style = c.style;
        job.options.autoStyle = c.autoStyle;
        for (int f = 0; f < c.files; ++f) {
            const std::string path = "C:\\d" + std::to_string(f % c.directories) + "\\F" + std::to_string(f) + ".java";
            job.AddFile(path.c_str());
        }
        EXPECT_EQ(job.EffectiveStyle(), c.expected) << c.style << " " << c.directories << " " << c.files;
    }
}

}  // namespace
