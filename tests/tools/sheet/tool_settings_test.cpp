#include "tool_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/test_files.h"

namespace {

std::string Golden(const char* name)
{
    return ReadFileBytes(TestDataPath(std::string("tools/sheet/golden/") + name));
}

std::string FreshPath(const std::string& name)
{
    const std::string path = ScratchPath(name);
    RemoveFile(path);
    return path;
}

std::string TestName()
{
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

TEST(ToolSettingsFile, AFirstOpenWritesTheToolsSectionsAndASecondChangesNothing)
{
    for (const ToolKind kind : {ToolKind::ExecuteDebug, ToolKind::Compile}) {
        ZSettings settings(kind);
        SCOPED_TRACE(settings.FileName());
        const std::string path = FreshPath(settings.FileName());
        ASSERT_EQ(settings.Open(path.c_str()), 1);
        settings.Close();
        EXPECT_EQ(ReadFileBytes(path), Golden(settings.FileName()));
        ASSERT_EQ(settings.Open(path.c_str()), 1);
        settings.Close();
        EXPECT_EQ(ReadFileBytes(path), Golden(settings.FileName()));
    }
}

TEST(ToolSettingsFile, OnlyAMissingSectionIsAppendedAtTheEnd)
{
    const std::string golden = Golden("ExecuteDebug.set");
    const std::string last = "\r\n\r\n{SECT_EXEC_ADD}\r\n<KEY>\r\n<LIST>\r\n";
    ASSERT_EQ(golden.substr(golden.size() - last.size()), last);
    std::string without = golden.substr(0, golden.size() - last.size());
    without.replace(without.find("{SECT_MAIN}\r\n<KEY>\r\n"), 20, "{SECT_MAIN}\r\n<KEY>\r\n[KEY_EXEC_BOOLS]1\r\n");
    const std::string path = FreshPath("missing.set");
    ASSERT_TRUE(WriteFileBytes(path, without));
    {
        ZSettings settings(ToolKind::ExecuteDebug);
        ASSERT_EQ(settings.Open(path.c_str()), 1);
        EXPECT_EQ(settings.GetExecBools(), 1);
    }
    EXPECT_EQ(ReadFileBytes(path), without + last);
}

TEST(ToolSettingsFile, NeitherOpenNorCreateGivesZeroAndTheDefaults)
{
    ZSettings settings(ToolKind::Compile);
    const std::string path = ScratchPath("no-such-folder") + "/Compile.set";
    EXPECT_EQ(settings.Open(path.c_str()), 0);
    EXPECT_EQ(settings.GetMainBools(), 1);
    EXPECT_EQ(settings.SetMainBools(0), 0);
    EXPECT_EQ(settings.OpenExisting(path.c_str()), 0);
}

// One accessor of one tool: what a fresh file reads, what a stored key line
// reads as, and the key line a set writes.
struct AccessorRow {
    const char* name;
    ToolKind kind;
    const char* section;
    const char* key;
    std::function<std::string(ZSettings&)> get;
    const char* fresh;
    const char* stored;
    const char* readBack;
    std::function<int(ZSettings&)> set;
    const char* written;
};

std::string Flags(const int* flags, int count)
{
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += flags[i] ? '1' : '0';
    return digits;
}

template <int N>
std::function<std::string(ZSettings&)> FlagGetter(void (ZSettings::*get)(int*))
{
    return [get](ZSettings& s) {
        int flags[SettingsFile::kFlagCount] = {};
        (s.*get)(flags);
        return Flags(flags, N);
    };
}

TEST(ToolSettingsKeys, EveryAccessorsDefaultClampAndPacking)
{
    using S = ZSettings;
    const ToolKind exec = ToolKind::ExecuteDebug;
    const ToolKind comp = ToolKind::Compile;
    const int on[SettingsFile::kFlagCount] = {1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    auto number = [](int v) { return std::to_string(v); };
    auto pair = [](int a, int b) { return std::to_string(a) + "," + std::to_string(b); };
    auto text = [](void (S::*get)(XString&)) {
        return [get](S& s) {
            XString t("old");
            (s.*get)(t);
            return std::string(t.Data());
        };
    };
    const AccessorRow rows[] = {
        {"option flags", exec, "SECT_MAIN", "KEY_OPTION_BOOLS", FlagGetter<5>(&S::GetOptionBools), "00011", "5",
         "10100", [&](S& s) { return s.SetOptionBools(on); }, "21"},
        {"main flag", exec, "SECT_MAIN", "KEY_MAIN_BOOLS", [&](S& s) { return number(s.GetMainBools()); }, "1", "2",
         "0", [](S& s) { return s.SetMainBools(5); }, "1"},
        {"applet size", exec, "SECT_MAIN", "KET_OPTION_LETWH",
         [&](S& s) { int w = 0, h = 0; s.GetAppletSize(&w, &h); return pair(w, h); }, "500,400",
         "3276850", "100,100",  // width 50, height 50
         [](S& s) { return s.SetAppletSize(70000, 99); }, "6558064"},  // width's low 16 bits, height 100
        {"applet size kept", exec, "SECT_MAIN", "KET_OPTION_LETWH",
         [&](S& s) { int w = 0, h = 0; s.GetAppletSize(&w, &h); return pair(w, h); }, "500,400",
         "19661440", "640,300", [](S& s) { return s.SetAppletSize(640, 480); }, "31457920"},
        {"user command", exec, "SECT_MAIN", "KEY_OPTION_USERCMD", text(&S::GetUserCmd), "", "java \xBB -cp x",
         "java \xBB -cp x", [](S& s) { return s.SetUserCmd("a\xBB" "b"); }, "a\xBB" "b"},
        {"find flags", exec, "SECT_MAIN", "KEY_FIND_BOOLS", FlagGetter<6>(&S::GetFindBools), "110001", "62",
         "011111", [&](S& s) { return s.SetFindBools(on); }, "53"},
        {"debug flag", exec, "SECT_MAIN", "KEY_DEBUG_BOOLS", [&](S& s) { return number(s.GetDebugBools()); }, "0",
         "3", "1", [](S& s) { return s.SetDebugBools(1); }, "1"},
        {"execute flag", exec, "SECT_MAIN", "KEY_EXEC_BOOLS", [&](S& s) { return number(s.GetExecBools()); }, "0",
         "1", "1", [](S& s) { return s.SetExecBools(0); }, "0"},
        {"class dialog byte", exec, "SECT_DLGDEBUG", "KEY_DLGCLASS_BYTES",
         [&](S& s) { int v = -1; const int found = s.GetDlgClassBytes(&v); return pair(found, v); }, "0,-1", "259",
         "1,3", [](S& s) { return s.SetDlgClassBytes(0x1FF); }, "255"},
        {"watch dialog bytes", exec, "SECT_DLGDEBUG", "KEY_DLGWATCH_BYTES",
         [&](S& s) { int a = -1, b = -1; const int found = s.GetDlgWatchBytes(&a, &b); return pair(found, a) + "," + number(b); },
         "0,-1,-1", "131073", "1,1,2", [](S& s) { return s.SetDlgWatchBytes(0x102, 0x305); }, "327682"},
        {"compile option flags", comp, "SECT_MAIN", "KEY_OPTION_BOOLS", FlagGetter<6>(&S::GetOptionBools),
         "100011", "6", "011000", [&](S& s) { return s.SetOptionBools(on); }, "53"},
        {"target", comp, "SECT_MAIN", "KEY_OPTION_TARGRT", text(&S::GetTarget), "", "1.8", "1.8",
         [](S& s) { return s.SetTarget("17"); }, "17"},
        {"compile style and output", comp, "SECT_MAIN", "KEY_OPTION_INTS",
         [&](S& s) { int a = -1, b = -1; s.GetOptionInts(&a, &b); return pair(a, b); }, "1,0", "515", "2,2",
         [](S& s) { return s.SetOptionInts(0x102, 0x1FF); }, "65282"},
        {"compile style kept", comp, "SECT_MAIN", "KEY_OPTION_INTS",
         [&](S& s) { int a = -1, b = -1; s.GetOptionInts(&a, &b); return pair(a, b); }, "1,0", "256", "0,1",
         [](S& s) { return s.SetOptionInts(2, 2); }, "514"},
        {"compile main flag", comp, "SECT_MAIN", "KEY_MAIN_BOOLS", [&](S& s) { return number(s.GetMainBools()); },
         "1", "0", "0", [](S& s) { return s.SetMainBools(0); }, "0"},
        {"compile user command", comp, "SECT_MAIN", "KEY_OPTION_USERCMD", text(&S::GetUserCmd), "", "javac %s",
         "javac %s", [](S& s) { return s.SetUserCmd("x"); }, "x"},
        {"pause above", comp, "SECT_MAIN", "KEY_COMP_INTS", [&](S& s) { return number(s.GetCompInts()); }, "0", "7",
         "3", [](S& s) { return s.SetCompInts(2); }, "2"},
        {"pause below", comp, "SECT_MAIN", "KEY_COMP_INTS", [&](S& s) { return number(s.GetCompInts()); }, "0", "-2",
         "0", [](S& s) { return s.SetCompInts(-1); }, "-1"},
    };
    for (const AccessorRow& row : rows) {
        SCOPED_TRACE(row.name);
        ZSettings settings(row.kind);
        const std::string path = FreshPath(TestName() + ".set");
        ASSERT_EQ(settings.Open(path.c_str()), 1);
        EXPECT_EQ(row.get(settings), row.fresh);
        ASSERT_EQ(settings.SetRawString(row.stored, row.section, row.key), 1);
        EXPECT_EQ(row.get(settings), row.readBack);
        ASSERT_EQ(row.set(settings), 1);
        XString written;
        settings.GetRawString(written, row.section, row.key);
        EXPECT_STREQ(written.Data(), row.written);
    }
}

TEST(ToolSettingsKeys, AToolsOwnKeysOnlyAreWritten)
{
    const std::string path = FreshPath("own.set");
    ZSettings compile(ToolKind::Compile);
    ASSERT_EQ(compile.Open(path.c_str()), 1);
    EXPECT_EQ(compile.SetAppletSize(300, 300), 0);
    EXPECT_EQ(compile.SetDebugBools(1), 0);
    EXPECT_EQ(compile.SetDlgClassBytes(1), 0);
    compile.Close();
    EXPECT_EQ(ReadFileBytes(path), Golden("Compile.set"));

    ZSettings exec(ToolKind::ExecuteDebug);
    ASSERT_EQ(exec.Open(path.c_str()), 1);
    EXPECT_EQ(exec.SetTarget("17"), 0);
    EXPECT_EQ(exec.SetCompInts(1), 0);
    EXPECT_EQ(exec.SetOptionInts(1, 1), 0);
}

class NamedSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = FreshPath(TestName() + ".set");
        ASSERT_EQ(settings.Open(path.c_str()), 1);
    }
    std::string Names(int args)
    {
        StringList names;
        settings.CollectNames(names, args);
        std::string joined;
        for (int i = 0; i < names.Count(); ++i)
            joined += std::string(names.At(i)->Data()) + ",";
        return joined;
    }
    std::string path;
    ZSettings settings{ToolKind::ExecuteDebug};
};

TEST_F(NamedSetTest, LinesComeBackAsLinesFromOneKeyLine)
{
    ASSERT_EQ(settings.WriteNamed("two", "-a 1\r\n-b 2\n", 1), NamedSave::Stored);
    XString raw;
    settings.GetRawString(raw, "SECT_ARGS", "two");
    EXPECT_STREQ(raw.Data(), "-a 1\xB6-b 2\xB6");
    XString content;
    settings.ReadNamed("two", content, 1);
    EXPECT_STREQ(content.Data(), "-a 1\n-b 2\n");
    // Parameters live apart from arguments; a missing name reads empty.
    settings.ReadNamed("two", content, 0);
    EXPECT_STREQ(content.Data(), "");
    ASSERT_EQ(settings.WriteNamed("two", "width=3", 0), NamedSave::Stored);
    ASSERT_EQ(settings.WriteNamed("two", "-c", 1), NamedSave::Stored);  // replaced in place
    EXPECT_EQ(Names(1), "two,");
    EXPECT_EQ(Names(0), "two,");
    settings.ReadNamed("two", content, 1);
    EXPECT_STREQ(content.Data(), "-c");
}

TEST_F(NamedSetTest, TwentyOneSetsAreKeptAndASetThatWouldBeLostIsRefused)
{
    std::string expected;
    for (int i = 0; i < ZSettings::kNamedSetLimit; ++i) {
        const std::string name = "set" + std::to_string(i);
        ASSERT_EQ(settings.WriteNamed(name.c_str(), "x", 1), NamedSave::Stored);
        expected += name + ",";
    }
    const std::string before = ReadFileBytes(path);
    EXPECT_EQ(settings.WriteNamed("one more", "x", 1), NamedSave::TooMany);
    EXPECT_NE(NamedSaveRefusal(NamedSave::TooMany), nullptr);
    // An existing name may still change; the other section has its own room.
    EXPECT_EQ(settings.WriteNamed("set3", "y", 1), NamedSave::Stored);
    EXPECT_EQ(settings.WriteNamed("one more", "x", 0), NamedSave::Stored);
    EXPECT_EQ(Names(1), expected);

    // A file that holds 25 (written by hand): the first 21 are shown, the last
    // four leave the file at this load.
    for (int i = 21; i < 25; ++i) {
        const std::string name = "set" + std::to_string(i);
        ASSERT_EQ(settings.SetRawString("z", "SECT_ARGS", name.c_str()), 1);
    }
    EXPECT_EQ(Names(1), expected);
    XString gone;
    EXPECT_EQ(settings.GetRawString(gone, "SECT_ARGS", "set24"), 0);
    EXPECT_EQ(settings.DeleteKey("SECT_ARGS", "set24"), 0);
    EXPECT_EQ(settings.DeleteKey("SECT_ARGS", "set20"), 1);
    EXPECT_EQ(settings.WriteNamed("one more", "x", 1), NamedSave::Stored);
}

TEST_F(NamedSetTest, ASetLongerThanOneSettingsLineOrWithABadNameIsRefused)
{
    const std::string name = "long";
    // "[long]" and the content fill exactly one settings line.
    const std::string fits(SettingsFile::kLineLimit - name.size() - 2, 'a');
    EXPECT_EQ(settings.WriteNamed(name.c_str(), fits.c_str(), 1), NamedSave::Stored);
    const std::string before = ReadFileBytes(path);
    EXPECT_EQ(settings.WriteNamed(name.c_str(), (fits + "a").c_str(), 1), NamedSave::TooLong);
    // CR LF is stored as one byte, so the count is of stored bytes.
    EXPECT_EQ(settings.WriteNamed(name.c_str(), (fits.substr(2) + "\r\n").c_str(), 1), NamedSave::Stored);
    for (const char* bad : {"", "a]b", "x\ny", "[x"})
        EXPECT_EQ(settings.WriteNamed(bad, "x", 1), NamedSave::BadName) << bad;
    for (NamedSave refused : {NamedSave::TooLong, NamedSave::BadName, NamedSave::NotWritten})
        EXPECT_NE(NamedSaveRefusal(refused), nullptr);
    EXPECT_EQ(NamedSaveRefusal(NamedSave::Stored), nullptr);
}

}  // namespace
