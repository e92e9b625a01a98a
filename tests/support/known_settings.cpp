#include "known_settings.h"

void UseKnownSettings(SettingsFile& settings)
{
    int none[SettingsFile::kFlagCount] = {};
    settings.SetClasspathFlags(none);
    settings.SetUserClasspathFlags(none);
    settings.SetOneForAllFlags(none);
    int sibling[SettingsFile::kFlagCount] = {};
    sibling[6] = 1;  // auto-detect jars
    settings.SetSiblingFlags(sibling);
    settings.SetMainArgsFlags(none);
    settings.SetOtherJavaOptions("-Xmx64m");
}
