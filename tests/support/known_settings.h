#pragma once

#include "settings/settings_file.h"

// Settings whose start payloads the tests know: no class-path list is used,
// the sibling page detects jars, no main() arguments, and the other Java
// options "-Xmx64m" (given to every use by their defaults).
void UseKnownSettings(SettingsFile& settings);
