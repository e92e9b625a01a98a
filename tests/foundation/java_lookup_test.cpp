// The order of the Java home lookup, over a registry and file system of the
// test's own: which key, which view and which home wins.
#include "java_lookup.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr JavaRegistryView kOwn = kOwnRegistryView;
constexpr JavaRegistryView k64 = k64BitRegistryView;

// One kit as its installer leaves it: CurrentVersion under the base key,
// JavaHome under its version key, and the tools in the home's bin folder.
struct Kit {
    JavaRegistryView view;
    const char* key;
    const char* home;   // nullptr: the version names no key
    const char* tools;  // blank-separated names in home\bin
};

class Installation : public JavaInstallation {
public:
    explicit Installation(const std::vector<Kit>& kits)
    {
        for (const Kit& kit : kits) {
            const std::string version = "v" + std::to_string(values.size());
            values[Name(kit.view, kit.key, "CurrentVersion")] = version;
            if (kit.home)
                values[Name(kit.view, std::string(kit.key) + "\\" + version, "JavaHome")] = kit.home;
            std::string tools = kit.tools;
            for (size_t at = 0; at < tools.size();) {
                size_t end = tools.find(' ', at);
                if (end == std::string::npos)
                    end = tools.size();
                if (kit.home)
                    files.insert(std::string(kit.home) + "\\bin\\" + tools.substr(at, end - at));
                at = end + 1;
            }
        }
    }
    int ReadText(JavaRegistryView view, const char* key, const char* value, int maxBytes, XString& out) override
    {
        const auto found = values.find(Name(view, key, value));
        if (found == values.end() || static_cast<int>(found->second.size()) > maxBytes)
            return 0;
        out.Assign(found->second.c_str());
        return 1;
    }
    int FileExists(const char* path) override { return files.count(path) ? 1 : 0; }

private:
    static std::string Name(JavaRegistryView view, const std::string& key, const char* value)
    {
        return std::to_string(view) + "|" + key + "|" + value;
    }
    std::map<std::string, std::string> values;
    std::set<std::string> files;
};

const char* const kAllTools = "java.exe javaw.exe javac.exe jar.exe jdb.exe";
const char* const kRuntimeTools = "java.exe javaw.exe";

TEST(JavaLookup, KeysViewsAndHomesInTheirOrder)
{
    struct Case {
        const char* what;
        std::vector<Kit> kits;
        JavaKitOrder order;
        std::vector<const char*> tools;
        const char* home;  // nullptr: none found
    } cases[] = {
        {"old key only", {{kOwn, kJdkRegistryKey, "C:\\jdk8", kAllTools}}, kJdkOnly, {"\\bin\\javac.exe"},
         "C:\\jdk8"},
        {"today's key only, 64-bit view", {{k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}}, kJdkOnly,
         {"\\bin\\javac.exe"}, "C:\\jdk17"},
        {"both: the old key wins",
         {{k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}, {kOwn, kJdkRegistryKey, "C:\\jdk8", kAllTools}},
         kJdkOnly, {"\\bin\\javac.exe"}, "C:\\jdk8"},
        {"both, the old one in the 64-bit view: it still wins",
         {{kOwn, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}, {k64, kJdkRegistryKey, "C:\\jdk8", kAllTools}},
         kJdkOnly, {"\\bin\\javac.exe"}, "C:\\jdk8"},
        {"one key in both views: the program's own view wins",
         {{k64, kJdkTodayRegistryKey, "C:\\jdk17-x64", kAllTools}, {kOwn, kJdkTodayRegistryKey, "C:\\jdk17-x86", kAllTools}},
         kJdkOnly, {"\\bin\\javac.exe"}, "C:\\jdk17-x86"},
        {"JRE-first caller",
         {{kOwn, kJdkRegistryKey, "C:\\jdk8", kAllTools}, {k64, kJreTodayRegistryKey, "C:\\jre17", kRuntimeTools}},
         kJreThenJdk, {"\\bin\\javaw.exe"}, "C:\\jre17"},
        {"JDK-first caller, same machine",
         {{kOwn, kJdkRegistryKey, "C:\\jdk8", kAllTools}, {k64, kJreTodayRegistryKey, "C:\\jre17", kRuntimeTools}},
         kJdkThenJre, {"\\bin\\javaw.exe"}, "C:\\jdk8"},
        {"JRE-first caller without a JRE", {{k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}}, kJreThenJdk,
         {"\\bin\\javaw.exe"}, "C:\\jdk17"},
        {"a JRE lacks the compiler: the JDK's is taken",
         {{kOwn, kJreRegistryKey, "C:\\jre8", kRuntimeTools}, {k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}},
         kJreThenJdk, {"\\bin\\javac.exe"}, "C:\\jdk17"},
        {"JDK-only caller with a JRE alone", {{kOwn, kJreRegistryKey, "C:\\jre8", kAllTools}}, kJdkOnly,
         {"\\bin\\jar.exe"}, nullptr},
        {"JRE-only caller with a JDK alone", {{k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}}, kJreOnly,
         {"\\bin\\javaw.exe"}, nullptr},
        {"the old version key names a missing home",
         {{kOwn, kJdkRegistryKey, "C:\\removed", ""}, {k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}}, kJdkOnly,
         {"\\bin\\java.exe"}, "C:\\jdk17"},
        {"the version names no key",
         {{kOwn, kJdkRegistryKey, nullptr, ""}, {k64, kJdkTodayRegistryKey, "C:\\jdk17", kAllTools}}, kJdkOnly,
         {"\\bin\\java.exe"}, "C:\\jdk17"},
        {"a home must hold every tool asked for",
         {{kOwn, kJdkRegistryKey, "C:\\partial", "java.exe javaw.exe"}}, kJdkOnly,
         {"\\bin\\java.exe", "\\bin\\javaw.exe", "\\bin\\jar.exe"}, nullptr},
        {"no tool asked for: the first home named", {{kOwn, kJreRegistryKey, "C:\\removed", ""}}, kJreOnly, {},
         "C:\\removed"},
        {"nothing installed", {}, kJreThenJdk, {"\\bin\\javaw.exe"}, nullptr},
    };
    for (const Case& c : cases) {
        Installation installation(c.kits);
        XString home("untouched");
        const int found =
            FindJavaHomeIn(installation, c.order, c.tools.data(), static_cast<int>(c.tools.size()), home);
        EXPECT_EQ(found, c.home ? 1 : 0) << c.what;
        EXPECT_STREQ(home.Data(), c.home ? c.home : "untouched") << c.what;
    }
}

TEST(JavaLookup, OneKeyInTheProgramsViewThenThe64BitView)
{
    struct Case {
        const char* what;
        std::vector<Kit> kits;
        const char* home;
    } cases[] = {
        {"own view", {{kOwn, kJdkTodayRegistryKey, "C:\\own", ""}}, "C:\\own"},
        {"64-bit view", {{k64, kJdkTodayRegistryKey, "C:\\wide", ""}}, "C:\\wide"},
        {"both", {{k64, kJdkTodayRegistryKey, "C:\\wide", ""}, {kOwn, kJdkTodayRegistryKey, "C:\\own", ""}},
         "C:\\own"},
        {"another key only", {{kOwn, kJdkRegistryKey, "C:\\old", ""}}, nullptr},
    };
    for (const Case& c : cases) {
        Installation installation(c.kits);
        XString home("untouched");
        EXPECT_EQ(ReadJavaHomeOfKey(installation, kJdkTodayRegistryKey, home), c.home ? 1 : 0) << c.what;
        EXPECT_STREQ(home.Data(), c.home ? c.home : "untouched") << c.what;
    }
}

}  // namespace
