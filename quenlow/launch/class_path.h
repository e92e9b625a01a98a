#pragma once

#include "payloads.h"
#include "settings/settings_file.h"

// Fills the record with the class paths the settings name for the one use
// the target sets, and the sibling page's archive detection choices.
void CollectClassPath(SettingsFile& settings, ClassPathRecord& record, const ClassPathTarget& target);

// Entries of the other Java options' flag set: the uses they are given to.
enum OtherJavaUse { kOtherJavaForExe = 0, kOtherJavaForDoubleClick = 1, kOtherJavaForClassInfo = 2 };

// The other Java options in their one-line form when the settings give them
// to this use, else empty.
XString OtherJavaOptionsFor(SettingsFile& settings, OtherJavaUse use);
