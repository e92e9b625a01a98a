#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "java_home.h"
#include "registry.h"

namespace {

const char kTestRoot[] = "Software\\QuenlowTest";
const char kTestKit[] = "SOFTWARE\\QuenlowTestKit";  // under HKLM
// The view a program of this width reads by default.
const bool kProgramIs32Bit = sizeof(void*) == 4;

// Deletes a chain of keys, innermost first (the path's own key, then its
// parents up to and including stopAt).
void DeleteChain(HKEY root, std::string path, size_t stopAtLength, REGSAM view)
{
    while (path.size() >= stopAtLength) {
        const size_t slash = path.rfind('\\');
        const std::string parent = path.substr(0, slash);
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, parent.c_str(), 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
            RegDeleteKeyA(key, path.substr(slash + 1).c_str());
            RegCloseKey(key);
        }
        path = parent;
    }
}

void SetRawValue(HKEY root, const char* subKey, const char* name, const std::string& bytes, REGSAM view = 0)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE | view, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST(Registry, DefaultValueRoundTrip)
{
    const std::string sub = std::string(kTestRoot) + "\\RoundTrip";
    ASSERT_EQ(WriteRegistryString(HKEY_CURRENT_USER, sub.c_str(), "quenlow.document"), 1);
    XString out;
    ASSERT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sub.c_str(), nullptr, out), 1);
    EXPECT_STREQ(out.Data(), "quenlow.document");

    XString untouched("before");
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sub.c_str(), "NoSuchValue", untouched), 0);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Software\\QuenlowTest\\NoSuchKey", nullptr, untouched), 0);
    EXPECT_STREQ(untouched.Data(), "before");
    DeleteChain(HKEY_CURRENT_USER, sub, sizeof kTestRoot - 1, 0);
}

// Values at the edge of the reader's buffer, stored with and without their
// terminating NUL: each reads as its whole text or not at all.
TEST(Registry, ValuesThatFillTheBuffer)
{
    const std::string sub = std::string(kTestRoot) + "\\Sizes";
    const int n = kRegistryTextSize;
    struct Case {
        const char* what;
        std::string stored;  // bytes as stored, NUL included where there is one
        int result;
        std::string text;
    } cases[] = {
        { "fills it with its NUL", std::string(n - 1, 'a') + '\0', 1, std::string(n - 1, 'a') },
        { "fills it without a NUL", std::string(n, 'b'), 1, std::string(n, 'b') },
        { "the longest text with its NUL", std::string(n, 'c') + '\0', 1, std::string(n, 'c') },
        { "one character too long", std::string(n + 1, 'd') + '\0', 0, "before" },
        { "too long without a NUL", std::string(n + 1, 'e'), 0, "before" },
        { "far too long", std::string(3 * n, 'f') + '\0', 0, "before" },
        { "short without a NUL", "xyz", 1, "xyz" },
        { "empty without a NUL", "", 1, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetRawValue(HKEY_CURRENT_USER, sub.c_str(), "Value", c.stored);
        XString out("before");
        EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sub.c_str(), "Value", out), c.result);
        EXPECT_EQ(std::string(out.Data(), out.Length()), c.text);
    }
    DeleteChain(HKEY_CURRENT_USER, sub, sizeof kTestRoot - 1, 0);
}

// The program's own view unless the caller names one: each width sees its
// own entries, and either may ask for the 64-bit ones.
TEST(Registry, MachineKeysAreReadInTheProgramsOwnView)
{
    const std::string sub = std::string(kTestKit) + "\\View";
    SetRawValue(HKEY_LOCAL_MACHINE, sub.c_str(), "Where", std::string("32-bit view") + '\0', KEY_WOW64_32KEY);
    SetRawValue(HKEY_LOCAL_MACHINE, sub.c_str(), "Where", std::string("64-bit view") + '\0', KEY_WOW64_64KEY);
    XString own, wide;
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, sub.c_str(), "Where", own), 1);
    EXPECT_STREQ(own.Data(), kProgramIs32Bit ? "32-bit view" : "64-bit view");
    EXPECT_EQ(ReadRegistryText(HKEY_LOCAL_MACHINE, sub.c_str(), "Where", kRegistryTextSize, wide, KEY_WOW64_64KEY), 1);
    EXPECT_STREQ(wide.Data(), "64-bit view");
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        DeleteChain(HKEY_LOCAL_MACHINE, sub, sizeof kTestKit - 1, view);
}

// Written in the 64-bit view, where today's kits write: found by both widths.
TEST(JavaHome, VersionKeyThenJavaHome)
{
    const std::string versionKey = std::string(kTestKit) + "\\1.4";
    SetRawValue(HKEY_LOCAL_MACHINE, kTestKit, "CurrentVersion", std::string("1.4") + '\0', KEY_WOW64_64KEY);
    XString home("before");
    EXPECT_EQ(GetJavaHome(kTestKit, home), 0);  // no version key yet
    EXPECT_STREQ(home.Data(), "before");

    // Stored without its NUL, as some installers leave it.
    SetRawValue(HKEY_LOCAL_MACHINE, versionKey.c_str(), "JavaHome", "C:\\j2sdk1.4", KEY_WOW64_64KEY);
    ASSERT_EQ(GetJavaHome(kTestKit, home), 1);
    EXPECT_STREQ(home.Data(), "C:\\j2sdk1.4");

    // A version text too long for the key path fails the lookup.
    SetRawValue(HKEY_LOCAL_MACHINE, kTestKit, "CurrentVersion", std::string(2000, '9') + '\0', KEY_WOW64_64KEY);
    XString other("before");
    EXPECT_EQ(GetJavaHome(kTestKit, other), 0);
    EXPECT_STREQ(other.Data(), "before");
    DeleteChain(HKEY_LOCAL_MACHINE, versionKey, sizeof kTestKit - 1, KEY_WOW64_64KEY);
}

// A kit in the 32-bit view only is seen by the 32-bit program alone; in both
// views, the program's own view wins.
TEST(JavaHome, ProgramsOwnViewThen64BitView)
{
    const std::string versionKey = std::string(kTestKit) + "\\8";
    SetRawValue(HKEY_LOCAL_MACHINE, kTestKit, "CurrentVersion", std::string("8") + '\0', KEY_WOW64_32KEY);
    SetRawValue(HKEY_LOCAL_MACHINE, versionKey.c_str(), "JavaHome", std::string("C:\\x86") + '\0',
                KEY_WOW64_32KEY);
    XString home("before");
    EXPECT_EQ(GetJavaHome(kTestKit, home), kProgramIs32Bit ? 1 : 0);
    EXPECT_STREQ(home.Data(), kProgramIs32Bit ? "C:\\x86" : "before");

    SetRawValue(HKEY_LOCAL_MACHINE, kTestKit, "CurrentVersion", std::string("8") + '\0', KEY_WOW64_64KEY);
    SetRawValue(HKEY_LOCAL_MACHINE, versionKey.c_str(), "JavaHome", std::string("C:\\x64") + '\0',
                KEY_WOW64_64KEY);
    ASSERT_EQ(GetJavaHome(kTestKit, home), 1);
    EXPECT_STREQ(home.Data(), kProgramIs32Bit ? "C:\\x86" : "C:\\x64");
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        DeleteChain(HKEY_LOCAL_MACHINE, versionKey, sizeof kTestKit - 1, view);
}

}  // namespace
