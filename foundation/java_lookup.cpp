#include "java_lookup.h"

const char kJdkRegistryKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
const char kJreRegistryKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
const char kJdkTodayRegistryKey[] = "SOFTWARE\\JavaSoft\\JDK";
const char kJreTodayRegistryKey[] = "SOFTWARE\\JavaSoft\\JRE";

namespace {

// The registry texts of a kit; the version key path must fit its own,
// smaller, buffer or the lookup fails.
constexpr int kJavaRegistryTextSize = 4090;
constexpr int kVersionKeySize = 1024;

constexpr JavaRegistryView kViews[] = {kOwnRegistryView, k64BitRegistryView};

struct KitKeys {
    const char* old;
    const char* today;
};
constexpr KitKeys kJdkKeys = {kJdkRegistryKey, kJdkTodayRegistryKey};
constexpr KitKeys kJreKeys = {kJreRegistryKey, kJreTodayRegistryKey};

bool HasTools(JavaInstallation& installation, const XString& home, const char* const* toolSuffixes, int toolCount)
{
    for (int i = 0; i < toolCount; ++i) {
        XString path(home);
        path.Append(toolSuffixes[i]);
        if (!installation.FileExists(path.Data()))
            return false;
    }
    return true;
}

int FindInKit(JavaInstallation& installation, const KitKeys& kit, const char* const* toolSuffixes, int toolCount,
              XString& home)
{
    const char* const keys[] = {kit.old, kit.today};
    for (const char* key : keys) {
        for (JavaRegistryView view : kViews) {
            XString found;
            if (ReadJavaHome(installation, view, key, found) &&
                HasTools(installation, found, toolSuffixes, toolCount)) {
                home.Copy(found);
                return 1;
            }
        }
    }
    return 0;
}

}  // namespace

int ReadJavaHome(JavaInstallation& installation, JavaRegistryView view, const char* baseKey, XString& home)
{
    XString version;
    if (!installation.ReadText(view, baseKey, "CurrentVersion", kJavaRegistryTextSize, version))
        return 0;
    XString versionKey(baseKey);
    versionKey.AppendChar('\\');
    versionKey.AppendString(version);
    if (versionKey.Length() >= kVersionKeySize)
        return 0;
    XString found;
    if (!installation.ReadText(view, versionKey.Data(), "JavaHome", kJavaRegistryTextSize, found))
        return 0;
    home.Copy(found);
    return 1;
}

int ReadJavaHomeOfKey(JavaInstallation& installation, const char* baseKey, XString& home)
{
    for (JavaRegistryView view : kViews) {
        if (ReadJavaHome(installation, view, baseKey, home))
            return 1;
    }
    return 0;
}

int FindJavaHomeIn(JavaInstallation& installation, JavaKitOrder order, const char* const* toolSuffixes,
                   int toolCount, XString& home)
{
    const bool jdkFirst = order == kJdkOnly || order == kJdkThenJre;
    const bool both = order == kJdkThenJre || order == kJreThenJdk;
    const KitKeys& first = jdkFirst ? kJdkKeys : kJreKeys;
    const KitKeys& second = jdkFirst ? kJreKeys : kJdkKeys;
    return FindInKit(installation, first, toolSuffixes, toolCount, home) ||
           (both && FindInKit(installation, second, toolSuffixes, toolCount, home));
}
