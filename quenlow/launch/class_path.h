#pragma once

#include "payloads.h"
#include "settings/settings_file.h"

// Fills the record with the class paths the settings name for the one use
// the target sets, and the sibling page's archive detection choices.
void CollectClassPath(SettingsFile& settings, ClassPathRecord& record, const ClassPathTarget& target);
