#pragma once

// Order of the flags in the main-dialog options.
enum MainFlag { kFlagExe, kFlagAddManifest, kFlagCompression, kFlagMainClassDirOnly, kFlagUseJavaw, kFlagUserIcon };
// Order of the flags in the menu options.
enum MenuFlag { kFlagAlwaysOnTop, kFlagWebPane };
// Order of the icon options.
enum IconFlag { kIconRichColors, kIconPreferSameSize };
