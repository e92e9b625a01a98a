// Quenlow.exe without a usable JDK. The test points the JDK's registry entry
// elsewhere and puts it back, so it runs while no other test runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"

namespace {

constexpr char kJdkKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
constexpr char kMessage[] =
    "You did not install Java development kit (JDK),\nor it may become corrupted,\nplease install or re-install "
    "JDK.\n\nDo you want to view your Java installation now?\n";

// The JDK key's CurrentVersion, switched for the test's life; a version key
// made for the test is removed again.
class JdkVersionSwitch {
public:
    JdkVersionSwitch(const char* version, const std::string& home)
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kJdkKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key,
                        nullptr);
        char text[256] = {};
        DWORD size = sizeof text - 1;
        hadVersion = RegQueryValueExA(key, "CurrentVersion", nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                                      &size) == ERROR_SUCCESS;
        original = text;
        madeVersion = version;
        if (!home.empty()) {
            HKEY versionKey;
            RegCreateKeyExA(key, version, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &versionKey,
                            nullptr);
            RegSetValueExA(versionKey, "JavaHome", 0, REG_SZ, reinterpret_cast<const BYTE*>(home.c_str()),
                           static_cast<DWORD>(home.size() + 1));
            RegCloseKey(versionKey);
        }
        Set(version);
    }
    ~JdkVersionSwitch()
    {
        if (hadVersion)
            Set(original.c_str());
        RegDeleteKeyA(key, madeVersion.c_str());
        RegCloseKey(key);
    }

private:
    void Set(const char* version)
    {
        RegSetValueExA(key, "CurrentVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(strlen(version) + 1));
    }
    HKEY key = nullptr;
    bool hadVersion = false;
    std::string original;
    std::string madeVersion;
};

TEST(QuenlowJdk, MissingOrIncompleteJdkOffersTheLibraryChecker)
{
    const std::string partial = ScratchPath("partial jdk");
    CreateDirectoryA(partial.c_str(), nullptr);
    CreateDirectoryA((partial + "\\bin").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(partial + "\\bin\\java.exe", "MZ"));
    ASSERT_TRUE(WriteFileBytes(partial + "\\bin\\javaw.exe", "MZ"));
    const struct {
        const char* name;
        std::string home;  // empty: the version names no key
        int answer;
    } cases[] = {
        {"no jdk yes", "", IDYES},
        {"no jdk no", "", IDNO},
        {"jdk without jar", partial, IDYES},
    };
    for (const auto& c : cases) {
        const Tree tree = MakeTree(c.name);
        JdkVersionSwitch jdk("0.0-quenlow-test", c.home);
        Program program("\"" + tree.Exe() + "\" /jdkdochelp");
        HWND box = program.WaitForDialog("Quenlow");
        ASSERT_NE(box, nullptr) << c.name;
        EXPECT_EQ(MessageText(box), kMessage) << c.name;
        Press(box, c.answer);
        EXPECT_TRUE(program.Ended(10000)) << c.name;
        if (c.answer == IDYES) {
            WaitFor([&] { return !Records(tree.Log()).empty(); }, 10000);
        } else {
            Sleep(500);
        }
        const std::vector<std::string> expected =
            c.answer == IDYES ? std::vector<std::string>{"\"" + tree.Bin() + "\\Tollgarth.exe\""}
                              : std::vector<std::string>{};
        // Only the checker may start; the switch itself does not run.
        EXPECT_EQ(Records(tree.Log()), expected) << c.name;
    }
}

}  // namespace
