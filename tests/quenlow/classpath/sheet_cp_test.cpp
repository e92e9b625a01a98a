// The class-path sheet under Wine: its pages driven by window messages,
// what Apply writes into the settings file and what the next opening shows.
#include "sheet_cp_fixture.h"

#include <algorithm>
#include <functional>

#include "class_path.h"
#include "payloads.h"
#include "run_command.h"

namespace {

TEST_F(SheetCpTest, EveryPageRoundTripsThroughTheFile)
{
    MakeSettings();
    pickedFile = "C:\\jars\\a.jar";
    pickedFolders = {"C:\\windows", "C:\\"};
    Run({[](ScriptedSheet& s) {
             EXPECT_EQ(s.ActiveIndex(), 0);
             EXPECT_FALSE(IsWindowVisible(GetDlgItem(s.Handle(), IDOK)));
             // With no record stored, the JDK is the library and only "For execute" is set.
             EXPECT_EQ(s.Checked(kSystem, IDC_CP_JDK), BST_CHECKED);
             EXPECT_EQ(s.Checked(kSystem, IDC_CP_FOR_EXECUTE), BST_CHECKED);
             s.Click(kSystem, IDC_CP_JRE);
             s.Click(kSystem, IDC_CP_FOR_EXE);
             s.Click(kUser, IDC_CP_ZIP_ADD);
             s.Click(kUser, IDC_CP_DIR_ADD);
             s.Click(kUser, IDC_CP_DIR_ADD);
             s.Click(kUser, IDC_CP_FOR_EXE);
             s.Click(kUser, IDC_CP_FOR_COMPILE);
             for (const char* entry : {"lib\\x.jar", "classes"}) {
                 SetWindowTextA(s.Item(kSibling, IDC_CP_SIBLING_TEXT), entry);
                 s.Click(kSibling, IDC_CP_SIBLING_ADD);
             }
             s.Click(kSibling, IDC_CP_AUTO_ZIPS);
             s.Click(kSibling, IDC_CP_FOR_DOUBLE_CLICK);
             s.Show(kSibling);
             s.Apply();
             // Not applied: dropped on closing.
             s.Click(kSibling, IDC_CP_AUTO_JARS);
         },
         [](ScriptedSheet& s) { s.Close(); }});
    EXPECT_TRUE(messages.empty()) << messages[0].text;
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(TestDataPath("quenlow/classpath/golden/round_trip.set")));

    Run({[](ScriptedSheet& s) {
        EXPECT_EQ(s.ActiveIndex(), kSibling);  // the page shown at closing
        EXPECT_EQ(s.Checked(kSystem, IDC_CP_JRE), BST_CHECKED);
        EXPECT_EQ(s.Checked(kSystem, IDC_CP_FOR_EXE), BST_CHECKED);
        EXPECT_EQ(s.Entries(kUser, IDC_CP_ZIP_LIST), std::vector<std::string>{"C:\\jars\\a.jar"});
        // The drive root keeps its backslash.
        EXPECT_EQ(s.Entries(kUser, IDC_CP_DIR_LIST), (std::vector<std::string>{"C:\\", "C:\\windows"}));
        EXPECT_EQ(s.Checked(kUser, IDC_CP_FOR_COMPILE), BST_CHECKED);
        EXPECT_EQ(s.Entries(kSibling, IDC_CP_SIBLING_LIST), (std::vector<std::string>{"classes", "lib\\x.jar"}));
        EXPECT_EQ(s.Checked(kSibling, IDC_CP_AUTO_ZIPS), BST_CHECKED);
        EXPECT_EQ(s.Checked(kSibling, IDC_CP_AUTO_JARS), BST_UNCHECKED);
        s.Close();
    }});
}

// The User page's lists marked for double-click runs (the main dialog's
// Run) and the compile tool reach the run's command line and the compile
// tool's payload; a drive root without a backslash before its quote.
TEST_F(SheetCpTest, WhatTheUserPageStoresReachesTheRunAndTheCompileTool)
{
    MakeSettings();
    pickedFile = "C:\\jars\\a.jar";
    pickedFolders = {"C:\\windows", "C:\\"};
    Run({[](ScriptedSheet& s) {
        s.Click(kUser, IDC_CP_ZIP_ADD);
        s.Click(kUser, IDC_CP_DIR_ADD);
        s.Click(kUser, IDC_CP_DIR_ADD);
        s.Click(kUser, IDC_CP_FOR_DOUBLE_CLICK);
        s.Click(kUser, IDC_CP_FOR_COMPILE);
        s.Apply();
        s.Close();
    }});
    SettingsFile settings;
    ASSERT_TRUE(settings.OpenExisting(path.c_str()));
    const std::string sep(1, '\xA5');
    ClassPathTarget compile;
    compile.compile = true;
    ClassPathRecord forCompile;
    CollectClassPath(settings, forCompile, compile);
    EXPECT_EQ(std::string(InsideInfo(forCompile, "1\nC:\\src\n").Data()),
              "0" + sep + "0" + sep + sep + "\"C:\\jars\\a.jar\";" + sep + "\"C:\\.\";\"C:\\windows\";" + sep + sep +
                  "1\nC:\\src\n" + sep);
    ClassPathTarget run;
    run.doubleClick = true;
    ClassPathRecord forRun;
    CollectClassPath(settings, forRun, run);
    EXPECT_EQ(std::string(MainClassCommandLine("\"javaw.exe\"", "C:\\work", forRun, "demo.Main", "").Data()),
              "\"javaw.exe\" -classpath \"C:\\work\";\"C:\\jars\\a.jar\";\"C:\\.\";\"C:\\windows\"; demo.Main ");
    // Not marked for exe files: not in what an executable gets.
    ClassPathTarget exe;
    exe.exeFiles = true;
    ClassPathRecord forExe;
    CollectClassPath(settings, forExe, exe);
    EXPECT_TRUE(forExe.userZipClassPath.IsEmpty());
    EXPECT_TRUE(forExe.userDirClassPath.IsEmpty());
}

TEST_F(SheetCpTest, OneForAllDisablesTheOtherPagesForBoxes)
{
    MakeSettings([](SettingsFile& settings) {
        const int oneForAll[SettingsFile::kClasspathFlagCount] = {0, 1, 0, 0, 0, 0, 0, 0, 1};
        settings.SetOneForAllFlags(oneForAll);
    });
    auto expectEnabled = [](ScriptedSheet& s, bool others, const char* when) {
        for (int page : {kSystem, kUser, kSibling})
            for (int id : kForBoxes)
                EXPECT_EQ(IsWindowEnabled(s.Item(page, id)) != FALSE, others) << when << " page " << page << " box " << id;
        for (int id : kForBoxes)
            EXPECT_EQ(IsWindowEnabled(s.Item(kOneForAll, id)) != FALSE, !others) << when << " box " << id;
    };
    Run({[&](ScriptedSheet& s) {
        expectEnabled(s, false, "loaded");
        s.Click(kOneForAll, IDC_CP_ONE_FOR_ALL);
        expectEnabled(s, true, "unchecked");
        s.Click(kOneForAll, IDC_CP_ONE_FOR_ALL);
        expectEnabled(s, false, "checked again");
        s.Click(kOneForAll, IDC_CP_FOR_COMPILE);
        s.Apply();
        s.Close();
    }});
    EXPECT_EQ(Flags(&SettingsFile::GetOneForAllFlags), (std::vector<int>{0, 1, 0, 1, 0, 0, 0, 0, 1}));
}

std::vector<std::string> helpOpened;
HWND RecordHelp(HWND, const char* file, UINT, DWORD_PTR)
{
    helpOpened.push_back(file);
    return nullptr;
}

TEST_F(SheetCpTest, HelpOpensThePageOfTheShownTabAndKeepsTheSheet)
{
    MakeSettings();
    helpOpened.clear();
    seams::OpenHelp = RecordHelp;
    Run({[](ScriptedSheet& s) {
        for (int page : {kUser, kOneForAll, kSystem, kSibling}) {
            s.Show(page);
            SendMessageA(s.Handle(), WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
        }
        EXPECT_EQ(s.ActiveIndex(), kSibling);
        s.Close();
    }});
    ASSERT_EQ(helpOpened.size(), 4u);
    const std::string topics[] = {"user.htm", "oneforall.htm", "system.htm", "sibling.htm"};
    for (size_t i = 0; i < 4; ++i) {
        const std::string tail = "quenlow.chm::\\html\\options\\classpaths\\" + topics[i];
        EXPECT_EQ(helpOpened[i].substr(helpOpened[i].size() - std::min(helpOpened[i].size(), tail.size())), tail);
    }
}

TEST_F(SheetCpTest, StoredPageIsHeldToThePages)
{
    const struct {
        int stored;
        int shown;
    } cases[] = {{7, kOneForAll}, {-2, kSystem}, {2, kSibling}};
    for (const auto& c : cases) {
        MakeSettings([&](SettingsFile& settings) { settings.SetSheetPage(c.stored); });
        Run({[&](ScriptedSheet& s) {
            EXPECT_EQ(s.ActiveIndex(), c.shown) << c.stored;
            s.Close();
        }});
        RemoveFile(path);
    }
}

// The page keeps a copy of the list it loaded to skip writes that change
// nothing; the copy must follow every write, or undoing a change is lost.
TEST_F(SheetCpTest, SystemListUndoneAfterApplyIsWrittenAgain)
{
    MakeSettings([](SettingsFile& settings) {
        StringList jars;
        jars.Add("tools.jar");
        settings.SaveSystemClasspaths(jars);
    });
    auto stored = [this] {
        SettingsFile settings;
        StringList jars;
        settings.OpenExisting(path.c_str());
        settings.LoadSystemClasspaths(jars);
        std::vector<std::string> names;
        for (int i = 0; i < jars.Count(); ++i)
            names.push_back(jars.At(i)->Data());
        return names;
    };
    Run({[&](ScriptedSheet& s) {
        s.SelectEntry(kSystem, IDC_CP_SYSTEM_LIST, "tools.jar");
        DeleteSelectedEntries(s.Item(kSystem, IDC_CP_SYSTEM_LIST));
        s.Apply();
        EXPECT_TRUE(stored().empty());
        SendMessageA(s.Item(kSystem, IDC_CP_SYSTEM_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("tools.jar"));
        s.Apply();
        EXPECT_EQ(stored(), std::vector<std::string>{"tools.jar"});
        s.Close();
    }});
}

// A path is added unless its list holds it in any letter case: Windows
// takes C:\Lib and c:\lib for one folder.
TEST_F(SheetCpTest, APathIsAddedOnceWhateverItsLetterCase)
{
    MakeSettings();
    pickedFolders = {"C:\\windows", "c:\\WINDOWS", "C:\\windows\\system32"};
    Run({[&](ScriptedSheet& s) {
        const struct {
            const char* name;
            int page;
            int list;
            std::function<void(const char*)> add;
            std::vector<const char*> added;
            size_t entries;
        } cases[] = {
            {"folders", kUser, IDC_CP_DIR_LIST, [&](const char*) { s.Click(kUser, IDC_CP_DIR_ADD); },
             {"C:\\windows", "c:\\WINDOWS", "C:\\windows\\system32"}, 2},
            {"archives", kUser, IDC_CP_ZIP_LIST,
             [&](const char* path) {
                 pickedFile = path;
                 s.Click(kUser, IDC_CP_ZIP_ADD);
             },
             {"C:\\Lib\\a.jar", "c:\\lib\\A.JAR", "C:\\Lib\\b.jar"}, 2},
            {"siblings", kSibling, IDC_CP_SIBLING_LIST,
             [&](const char* path) {
                 SetWindowTextA(s.Item(kSibling, IDC_CP_SIBLING_TEXT), path);
                 s.Click(kSibling, IDC_CP_SIBLING_ADD);
             },
             {"Lib\\x.jar", "lib\\X.JAR", "lib\\y.jar"}, 2},
        };
        for (const auto& c : cases) {
            for (const char* path : c.added)
                c.add(path);
            const std::vector<std::string> entries = s.Entries(c.page, c.list);
            EXPECT_EQ(entries.size(), c.entries) << c.name;
            EXPECT_EQ(std::count(entries.begin(), entries.end(), std::string(c.added[0])), 1) << c.name;
        }
        EXPECT_TRUE(messages.empty()) << messages[0].text;
        s.Close();
    }});
}

TEST_F(SheetCpTest, RefusedEntriesAndAnApplyThatCannotSaveSaySo)
{
    MakeSettings();
    Run({[&](ScriptedSheet& s) {
        struct Case {
            const char* text;
            UINT type;
        } cases[] = {
            {"C:\\x.jar", MB_YESNO},     // not relative: the offer of help
            {"lib\\\xA5.jar", MB_OK | MB_ICONERROR},  // a byte the payloads reserve
            {"   ", MB_OK},
        };
        for (const Case& c : cases) {
            messages.clear();
            SetWindowTextA(s.Item(kSibling, IDC_CP_SIBLING_TEXT), c.text);
            s.Click(kSibling, IDC_CP_SIBLING_ADD);
            ASSERT_EQ(messages.size(), 1u) << c.text;
            EXPECT_EQ(messages[0].type, c.type) << c.text;
            EXPECT_TRUE(s.Entries(kSibling, IDC_CP_SIBLING_LIST).empty()) << c.text;
        }
        // One entry taken out goes back into the field.
        SetWindowTextA(s.Item(kSibling, IDC_CP_SIBLING_TEXT), "lib\\y.jar");
        s.Click(kSibling, IDC_CP_SIBLING_ADD);
        s.SelectEntry(kSibling, IDC_CP_SIBLING_LIST, "lib\\y.jar");
        s.Click(kSibling, IDC_CP_SIBLING_REMOVE);
        EXPECT_STREQ(Control(s.Item(kSibling, IDC_CP_SIBLING_TEXT)).GetText().Data(), "lib\\y.jar");

        messages.clear();
        RemoveFile(path);
        s.Apply();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].text.find("could not be saved"), std::string::npos) << messages[0].text;
        s.Close();
    }});
}

}  // namespace
