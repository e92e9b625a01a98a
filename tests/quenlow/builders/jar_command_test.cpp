#include "jar_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ClassRoot, PackageFoldersAndTheRoot)
{
    const struct {
        const char* path;
        const char* name;
        int result;
        const char* base;
    } cases[] = {
        {"C:\\x\\Main.class", "Main", 1, "C:\\x"},
        {"C:\\work\\a\\b\\Main.class", "a.b.Main", 1, "C:\\work"},
        {"C:\\Hello.class", "Hello", 1, "C:\\"},               // a drive root stays a root
        {"\\\\server\\share\\p\\Q.class", "p.Q", 1, "\\\\server\\share"},
        {"C:\\work\\a\\Main.class", "a.b.Main", 0, ""},        // one folder too high
        {"C:\\work\\a\\b\\main.class", "a.b.Main", 0, ""},     // file-name case differs
        {"C:\\work\\a\\b\\Main.CLASS", "a.b.Main", 0, ""},
        {"Main.class", "Main", 0, ""},                          // no folder at all
        {".class", "", 0, ""},
    };
    for (const auto& c : cases) {
        XString base;
        EXPECT_EQ(ClassRootFromPath(c.path, c.name, base), c.result) << c.path;
        if (c.result) {
            EXPECT_STREQ(base.Data(), c.base) << c.path;
        }
    }
}

TEST(Manifest, MainClassEntry)
{
    const struct {
        const char* text;
        int result;
        int entryFound;
        const char* error;
    } cases[] = {
        {"Manifest-Version: 1.0\r\nMain-Class:   demo.Main\r\n\r\n", 1, 1, ""},
        {"main-class: demo.Main\n", 1, 1, ""},
        {"Main-Class: demo.Main \r\n", 0, 1, "Error: bad format of manifest file"},
        {"Main-Class: demo.Main", 0, 1, "Error: bad format of manifest file"},
        {"Main-Class: demo.Other\r\n", 0, 1, "Error: can not find entry main-class 'demo.Main' in manifest file"},
        {"Main-Class: demo.main\r\n", 0, 1, "Error: can not find entry main-class 'demo.Main' in manifest file"},
        {"Manifest-Version: 1.0\r\n", 0, 0, "Error: can not find entry \"main-class:\""},
        {"Main-Class", 0, 0, "Error: can not find entry \"main-class:\""},
    };
    for (const auto& c : cases) {
        XString error;
        int found = -1;
        EXPECT_EQ(CheckManifestText(c.text, std::strlen(c.text), "demo.Main", error, &found), c.result) << c.text;
        EXPECT_EQ(found, c.entryFound) << c.text;
        if (!c.result) {
            EXPECT_STREQ(error.Data(), c.error) << c.text;
        }
    }
}

TEST(JarCommand, OptionsAndRelativeNames)
{
    StringPtrList files;
    files.InsertSorted("C:\\work\\demo\\Main.class");
    files.InsertSorted("C:\\work\\demo\\A$1.class");
    EXPECT_STREQ(JarToolCommand("C:\\jdk\\bin\\jar.exe", nullptr, true, "C:\\out\\app.jar", files, "C:\\work").Data(),
                 "\"C:\\jdk\\bin\\jar.exe\" cfvM \"C:\\out\\app.jar\" \"demo\\A$1.class\" \"demo\\Main.class\"");
    EXPECT_STREQ(JarToolCommand("j.exe", "C:\\t\\temp.mf", false, "o.jar", files, "C:\\work").Data(),
                 "\"j.exe\" cmfv0 \"C:\\t\\temp.mf\" \"o.jar\" \"demo\\A$1.class\" \"demo\\Main.class\"");
    // A class of the default package in a drive root: the root has its backslash.
    StringPtrList rootFiles;
    rootFiles.InsertSorted("Q:\\Hello.class");
    rootFiles.InsertSorted("Q:\\app\\Hello.class");
    EXPECT_STREQ(JarToolCommand("j.exe", nullptr, true, "o.jar", rootFiles, "Q:\\").Data(),
                 "\"j.exe\" cfvM \"o.jar\" \"Hello.class\" \"app\\Hello.class\"");
    EXPECT_STREQ(DefaultManifestText("demo.Main").Data(), "Main-Class: demo.Main\r\n\r\n");
}

}  // namespace
