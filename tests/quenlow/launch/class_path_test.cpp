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
    // Stores the four flag sets, each given by the entries that are on.
    void StoreFlags(std::initializer_list<int> system, std::initializer_list<int> user,
                    std::initializer_list<int> sibling, std::initializer_list<int> oneForAll)
    {
        int flags[SettingsFile::kClasspathFlagCount];
        auto set = [&flags](std::initializer_list<int> on) {
            for (int& f : flags)
                f = 0;
            for (int i : on)
                flags[i] = 1;
            return flags;
        };
        settings.SetClasspathFlags(set(system));
        settings.SetUserClasspathFlags(set(user));
        settings.SetSiblingFlags(set(sibling));
        settings.SetOneForAllFlags(set(oneForAll));
    }

    std::string path;
    SettingsFile settings;
};

TEST_F(ClassPathTest, EachListIsUsedWhereItsFlagsSay)
{
    // System: exe files only; user: compile, execute and debug; sibling:
    // compile, with auto-detect jars.
    StoreFlags({0}, {3, 4}, {3, 6}, {});

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
    // Every use in the lists' own sets; sibling: auto-detect zips only; one
    // for all: double-click, and "use the one setting for all".
    StoreFlags({0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {7}, {1, 8});

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
