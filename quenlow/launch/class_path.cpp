#include "class_path.h"

namespace {

// Entries 0-4 of every class-path flag set follow the order of the target.
constexpr int kUseCount = 5;
constexpr int kAutoDetectJars = 6;
constexpr int kAutoDetectZips = 7;
constexpr int kOneSettingForAll = 8;

bool UsedFor(const int* flags, const ClassPathTarget& target)
{
    const bool uses[kUseCount] = {target.exeFiles, target.doubleClick, target.classInfo, target.compile,
                                  target.executeDebug};
    for (int i = 0; i < kUseCount; ++i) {
        if (flags[i] && uses[i])
            return true;
    }
    return false;
}

}  // namespace

void CollectClassPath(SettingsFile& settings, ClassPathRecord& record, const ClassPathTarget& target)
{
    int oneForAll[SettingsFile::kClasspathFlagCount];
    int system[SettingsFile::kClasspathFlagCount];
    int user[SettingsFile::kClasspathFlagCount];
    int sibling[SettingsFile::kClasspathFlagCount];
    settings.GetOneForAllFlags(oneForAll);
    settings.GetSiblingFlags(sibling);
    if (oneForAll[kOneSettingForAll]) {
        // One setting for all: its uses decide for every list; the sibling
        // list keeps its own archive detection choices.
        settings.GetClasspathFlags(system);
        settings.GetUserClasspathFlags(user);
        for (int i = 0; i < kUseCount; ++i)
            system[i] = user[i] = sibling[i] = oneForAll[i];
    } else {
        settings.GetClasspathFlags(system);
        settings.GetUserClasspathFlags(user);
    }
    if (UsedFor(system, target))
        settings.GetSystemClasspath(record.systemClassPath);
    if (UsedFor(user, target)) {
        settings.GetUserZipClasspath(record.userZipClassPath);
        settings.GetUserDirClasspath(record.userDirClassPath);
    }
    if (UsedFor(sibling, target))
        settings.GetSiblingClasspath(record.siblingClassPath);
    record.autoDetectJars = sibling[kAutoDetectJars] != 0;
    record.autoDetectZips = sibling[kAutoDetectZips] != 0;
}

XString OtherJavaOptionsFor(SettingsFile& settings, OtherJavaUse use)
{
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetOtherJavaFlags(flags);
    XString options;
    if (flags[use])
        settings.GetOtherJavaOptions(options, 1);
    return options;
}
