#pragma once

#include "settings/settings_file.h"
#include "xstring.h"

// Order of the flags in the main-dialog options.
enum MainFlag { kFlagExe, kFlagAddManifest, kFlagCompression, kFlagMainClassDirOnly, kFlagUseJavaw, kFlagUserIcon };
// Order of the flags in the menu options.
enum MenuFlag { kFlagAlwaysOnTop, kFlagWebPane };
// Order of the flags of the main() arguments.
enum ArgsFlag { kArgsForExe, kArgsForDoubleClick };
// Order of the icon options.
enum IconFlag { kIconRichColors, kIconPreferSameSize };

// The main() arguments, flattened to one line, when the settings ask for
// them for this use; else the empty text.
XString MainArgsWhenAsked(SettingsFile& settings, ArgsFlag use);
