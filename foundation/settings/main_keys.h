#pragma once

// The keys of the main program's settings file, one row each: where the key
// lives, how its value is stored, its default and the range it is held to.

enum class KeyForm {
    Integer,          // "%d", read with atoi
    Unsigned,         // the same digits read as an unsigned value (packed fields)
    Flags,            // flag set: bit i = flag i
    ClasspathFlags,   // the nine-flag class-path record
    RawText,          // the rest of the key line, unchanged
    Text,             // one line, line breaks stored as 0xAB
};

struct SettingsKey {
    const char* section;
    const char* key;
    KeyForm form;
    int flagCount;          // flag sets: how many flags the callers use
    unsigned defaultValue;  // integers: the value; flag sets: the flags as bits
    int minValue;           // integers read back are held to [min, max]
    int maxValue;           //   when min <= max
};

enum MainKey {
    kKeyProgramInit,
    kKeyMainBools,
    kKeyMenuExpand,
    kKeyDoubleClickDoc,
    kKeyExplorerBools,
    kKeyAppletSize,
    kKeySheetPage,
    kKeyClasspathBools,
    kKeyFileBools,
    kKeyFileInts,
    kKeyMenuBools,
    kKeyIconBools,
    kKeyOtherJavaBools,
    kKeyOtherJavaOptions,
    kKeyMainArgsBools,
    kKeyLastFile,
    kKeyLastDir,
    kKeyUserClasspathBools,
    kKeyOneForAllBools,
    kKeySiblingBools,
    kMainKeyCount
};

extern const SettingsKey kMainKeys[kMainKeyCount];

// The fixed sections, in the order a fresh file gets them.
constexpr int kMainSectionCount = 12;
extern const char* const kMainSections[kMainSectionCount];

extern const char kSectionMain[];
extern const char kSectionMainClasses[];
extern const char kSectionOutputs[];
extern const char kSectionIcons[];
extern const char kSectionManifests[];
extern const char kSectionSystemClasspath[];
extern const char kSectionUserZips[];
extern const char kSectionUserDirs[];
extern const char kSectionSiblings[];
extern const char kSectionJdkDoc[];
extern const char kSectionIncludeExtensions[];
extern const char kSectionExcludeExtensions[];

// Packing of "KEY_DBLCLK_LETWH": width in bits 0..15, height in bits 16..31.
constexpr unsigned PackAppletSize(int width, int height)
{
    return (static_cast<unsigned>(height) << 16) | (static_cast<unsigned>(width) & 0xFFFFu);
}
