#pragma once

#include "settings/settings_file.h"

// Runs the interactive main dialog modally; it publishes its window in
// "quenlow_mapfile" so a second start can raise it.
int RunMainDialog(SettingsFile& settings);
