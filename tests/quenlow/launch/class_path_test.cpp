#include "class_path.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/test_files.h"

namespace {

class ClassPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = ScratchPath(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".set");
        RemoveFile(path);
        ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
        StringList system, sibling;
        system.Add("C:\\sys.jar");
        settings.SaveSystemClasspaths(system);
        settings.SetListText("SECT_DLGOP_USERCPZIP", "C:\\My Libs\\u.jar");
        settings.SetListText("SECT_DLGOP_USERCPNAKE", "C:\\classes");
        settings.SetListText("SECT_DLGOP_SIBLING", "C:\\sib.zip");
    }
    static void Flags(int* set, std::initializer_list<int> on)
    {
        for (int i = 0; i < SettingsFile::kClasspathFlagCount; ++i)
            set[i] = 0;
        for (int i : on)
            set[i] = 1;
    }

    std::string path;
    SettingsFile settings;
};

TEST_F(ClassPathTest, EachListIsUsedWhereItsFlagsSay)
{
    int system[9], user[9], sibling[9], one[9];
    Flags(system, {0});         // exe files only
    Flags(user, {3, 4});        // compile, execute and debug
    Flags(sibling, {3, 6});     // compile; auto-detect jars
    Flags(one, {});
    settings.SetClasspathFlags(system);
    settings.SetUserClasspathFlags(user);
    settings.SetSiblingFlags(sibling);
    settings.SetOneForAllFlags(one);

    ClassPathTarget compile;
    compile.compile = true;
    ClassPathRecord r;
    CollectClassPath(settings, r, compile);
    EXPECT_STREQ(r.systemClassPath.Data(), "");
    EXPECT_STREQ(r.userZipClassPath.Data(), "\"C:\\My Libs\\u.jar\";");
    EXPECT_STREQ(r.userDirClassPath.Data(), "\"C:\\classes\";");
    EXPECT_STREQ(r.siblingClassPath.Data(), "C:\\sib.zip;");
    EXPECT_TRUE(r.autoDetectJars);
    EXPECT_FALSE(r.autoDetectZips);

    ClassPathTarget exe;
    exe.exeFiles = true;
    ClassPathRecord e;
    CollectClassPath(settings, e, exe);
    EXPECT_STREQ(e.systemClassPath.Data(), "C:\\sys.jar;");
    EXPECT_STREQ(e.userZipClassPath.Data(), "");
    EXPECT_STREQ(e.siblingClassPath.Data(), "");
}

TEST_F(ClassPathTest, OneSettingForAllDecidesEveryListButKeepsTheDetection)
{
    int system[9], user[9], sibling[9], one[9];
    Flags(system, {0, 1, 2, 3, 4});
    Flags(user, {0, 1, 2, 3, 4});
    Flags(sibling, {7});  // auto-detect zips only
    Flags(one, {1, 8});   // double-click, one setting for all
    settings.SetClasspathFlags(system);
    settings.SetUserClasspathFlags(user);
    settings.SetSiblingFlags(sibling);
    settings.SetOneForAllFlags(one);

    ClassPathTarget compile;
    compile.compile = true;
    ClassPathRecord none;
    CollectClassPath(settings, none, compile);
    EXPECT_STREQ(none.systemClassPath.Data(), "");
    EXPECT_STREQ(none.userZipClassPath.Data(), "");
    EXPECT_STREQ(none.siblingClassPath.Data(), "");
    EXPECT_TRUE(none.autoDetectZips);

    ClassPathTarget doubleClick;
    doubleClick.doubleClick = true;
    ClassPathRecord all;
    CollectClassPath(settings, all, doubleClick);
    EXPECT_STREQ(all.systemClassPath.Data(), "C:\\sys.jar;");
    EXPECT_STREQ(all.userDirClassPath.Data(), "\"C:\\classes\";");
    EXPECT_STREQ(all.siblingClassPath.Data(), "C:\\sib.zip;");
}

TEST_F(ClassPathTest, DefaultsUseTheSystemListForExecuteAndDebugOnly)
{
    // The default of KEY_DLGCP_BOOLS has only entry 4 set.
    ClassPathTarget debug;
    debug.executeDebug = true;
    ClassPathRecord r;
    CollectClassPath(settings, r, debug);
    EXPECT_STREQ(r.systemClassPath.Data(), "C:\\sys.jar;");
    EXPECT_STREQ(r.userZipClassPath.Data(), "");
    ClassPathTarget exe;
    exe.exeFiles = true;
    ClassPathRecord e;
    CollectClassPath(settings, e, exe);
    EXPECT_STREQ(e.systemClassPath.Data(), "");
}

}  // namespace
