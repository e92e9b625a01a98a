#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "java_home.h"
#include "paths/file_system.h"
#include "support/test_files.h"

namespace {

// A made-up Java home in the scratch folder: folders and empty files.
std::string MakeTree(const char* name, const std::vector<std::string>& files)
{
    const std::string home = ScratchPath(name);
    CreateDirectoryA(home.c_str(), nullptr);
    for (const std::string& file : files) {
        std::string path = home;
        size_t start = 0;
        for (size_t slash; (slash = file.find('\\', start)) != std::string::npos; start = slash + 1) {
            path = home + "\\" + file.substr(0, slash);
            CreateDirectoryA(path.c_str(), nullptr);
        }
        const std::string full = home + "\\" + file;
        if (full.back() == '\\')
            CreateDirectoryA(full.c_str(), nullptr);
        else
            EXPECT_TRUE(WriteFileBytes(full, "PK"));
    }
    return home;
}

std::string Joined(const PtrArray& list)
{
    std::string out;
    for (int i = 0; i < list.Count(); ++i)
        out += std::string(static_cast<XString*>(list.GetAt(i))->Data()) + ",";
    return out;
}

TEST(FileSystem, ExistenceAndTheNearestFolder)
{
    const std::string home = MakeTree("fs", { "lib\\a.jar", "empty\\" });
    struct Case {
        std::string path;
        int directory, file;
    } cases[] = {
        { home + "\\lib", 1, 0 },
        { home + "\\lib\\a.jar", 0, 1 },
        { home + "\\lib\\b.jar", 0, 0 },
        { home + "\\empty", 1, 0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsDirectory(c.path.c_str()), c.directory) << c.path;
        EXPECT_EQ(FileExists(c.path.c_str()), c.file) << c.path;
    }
    const std::string lib = home + "\\lib";
    EXPECT_EQ(NearestExistingDirectory(lib.c_str(), 0).Data(), home);
    EXPECT_EQ(NearestExistingDirectory(lib.c_str(), 1).Data(), lib);
    EXPECT_EQ(NearestExistingDirectory((lib + "\\gone\\deeper\\x.jar").c_str(), 1).Data(), lib);
    EXPECT_STREQ(NearestExistingDirectory("nowhere\\at\\all", 1).Data(), "");

    const std::string programDir = GetProgramDir().Data();
    ASSERT_FALSE(programDir.empty());
    EXPECT_TRUE(FileExists((programDir + "\\java_libs_test.exe").c_str()));
    EXPECT_EQ(GetBinDir().Data(), programDir + "\\bin");
    EXPECT_EQ(GetTempDir().Data(), programDir + "\\temp");
}

TEST(JavaLibraries, FilesByExtensionGoSortedAndOnce)
{
    const std::string dir = MakeTree("ext", { "b.jar", "a.jar", "folder.jar\\", "c.zip", "d.txt" });
    StringPtrList list;
    list.InsertSorted("b.jar");
    FindFilesByExtension(list, dir.c_str(), "jar");
    EXPECT_EQ(Joined(list), "a.jar,b.jar,");
    FindFilesByExtension(list, dir.c_str(), "zip");
    EXPECT_EQ(Joined(list), "a.jar,b.jar,c.zip,");
    FindFilesByExtension(list, (dir + "\\missing").c_str(), "jar");
    EXPECT_EQ(list.Count(), 3);
}

TEST(JavaLibraries, WantedArchivesAreTakenOnceInFolderOrder)
{
    const std::string home = MakeTree("jre", {
        "lib\\RT.JAR",             // letter case counts: not rt.jar
        "lib\\ext\\rt.jar",
        "lib\\im\\tools.jar",
        "lib\\security\\tools.jar",  // already taken from lib\im
        "lib\\security\\rt.jar",
    });
    PtrArray wanted;
    for (const char* name : { "rt.jar", "tools.jar", "missing.jar" })
        wanted.Add(new XString(name));
    XString classPath("\"C:\\first.jar\";");
    FindWantedJars(home.c_str(), kJreLibFolders, kJreLibFolderCount, wanted, classPath);
    EXPECT_EQ(std::string(classPath.Data()),
              "\"C:\\first.jar\";\"" + home + "\\lib\\ext\\rt.jar\";\"" + home + "\\lib\\im\\tools.jar\";");
    EXPECT_EQ(Joined(wanted), "missing.jar,");
    while (wanted.Count() > 0) {
        delete static_cast<XString*>(wanted.GetAt(0));
        wanted.RemoveAt(0);
    }
}

// A home of today's JDKs has no jre folder and no rt.jar: the search takes
// what lib holds and leaves the rest wanted.
TEST(JavaLibraries, HomeWithoutJreFolderOrRtJar)
{
    const std::string home = MakeTree("jdk17", { "bin\\java.exe", "lib\\jrt-fs.jar", "jmods\\java.base.jmod" });
    PtrArray wanted;
    for (const char* name : { "rt.jar", "jrt-fs.jar" })
        wanted.Add(new XString(name));
    XString classPath;
    FindWantedJars(home.c_str(), kJdkLibFolders, kJdkLibFolderCount, wanted, classPath);
    EXPECT_EQ(std::string(classPath.Data()), "\"" + home + "\\lib\\jrt-fs.jar\";");
    EXPECT_EQ(Joined(wanted), "rt.jar,");
    while (wanted.Count() > 0) {
        delete static_cast<XString*>(wanted.GetAt(0));
        wanted.RemoveAt(0);
    }
}

}  // namespace
