#include "main_keys.h"

const char kSectionMain[] = "SECT_MAIN";
const char kSectionMainClasses[] = "SECT_MAIN_MAINCLASS";
const char kSectionOutputs[] = "SECT_MAIN_OUTPUT";
const char kSectionIcons[] = "SECT_MAIN_ICON";
const char kSectionManifests[] = "SECT_MAIN_MANI";
const char kSectionSystemClasspath[] = "SECT_DLGOP_SYSCP";
const char kSectionUserZips[] = "SECT_DLGOP_USERCPZIP";
const char kSectionUserDirs[] = "SECT_DLGOP_USERCPNAKE";
const char kSectionSiblings[] = "SECT_DLGOP_SIBLING";
const char kSectionJdkDoc[] = "SECT_DLGOPJDKDOC";
const char kSectionIncludeExtensions[] = "SECT_FILE_INCEXT";
const char kSectionExcludeExtensions[] = "SECT_FILE_EXCEXT";

const char* const kMainSections[kMainSectionCount] = {
    kSectionMain, kSectionMainClasses, kSectionOutputs, kSectionIcons,
    kSectionManifests, kSectionSystemClasspath, kSectionUserZips, kSectionUserDirs,
    kSectionSiblings, kSectionJdkDoc, kSectionIncludeExtensions, kSectionExcludeExtensions,
};

namespace {

// Flags given in reading order (flag 0 first), as bits.
constexpr unsigned Bits(int f0, int f1 = 0, int f2 = 0, int f3 = 0, int f4 = 0, int f5 = 0)
{
    return static_cast<unsigned>(f0 | f1 << 1 | f2 << 2 | f3 << 3 | f4 << 4 | f5 << 5);
}

constexpr int kNoClamp = 1;  // min above max: the value is not held to a range

}  // namespace

const SettingsKey kMainKeys[kMainKeyCount] = {
    { kSectionMain, "KEY_PROGRAMINIT", KeyForm::Integer, 0, 0, kNoClamp, 0 },
    { kSectionMain, "KEY_MAIN_BOOLS", KeyForm::Flags, 6, Bits(1, 0, 1, 1, 1, 0), kNoClamp, 0 },
    { kSectionMain, "KEY_MENUEXPAND", KeyForm::Integer, 0, 1, kNoClamp, 0 },
    { kSectionMain, "KEY_DBLCLK_DOC", KeyForm::RawText, 0, 0, kNoClamp, 0 },
    { kSectionMain, "KEY_DLGEXPLORER_BOOLS", KeyForm::Flags, 4, Bits(1, 1, 1, 0), kNoClamp, 0 },
    { kSectionMain, "KEY_DBLCLK_LETWH", KeyForm::Unsigned, 0, PackAppletSize(500, 400), kNoClamp, 0 },
    // Held to the sheet's page count by its reader.
    { kSectionMain, "KEY_SHEETCP_PAGE", KeyForm::Integer, 0, 0, kNoClamp, 0 },
    { kSectionMain, "KEY_DLGCP_BOOLS", KeyForm::ClasspathFlags, 9, Bits(0, 0, 0, 0, 1), kNoClamp, 0 },
    { kSectionMain, "KEY_FILE_BOOLS", KeyForm::Unsigned, 0, 1, kNoClamp, 0 },
    // The jar tool's time-out in seconds.
    { kSectionMain, "KEY_FILE_INTS", KeyForm::Integer, 0, 20, 20, 120 },
    { kSectionMain, "KEY_MAIN_OPMENUBOOLS", KeyForm::Flags, 2, Bits(0, 0), kNoClamp, 0 },
    { kSectionMain, "KEY_DLGOPICON_BOOLS", KeyForm::Flags, 2, Bits(1, 1), kNoClamp, 0 },
    // Three flags in use; the fourth is kept at its default of 1.
    { kSectionMain, "KEY_DLGOPOTHERJAVA_BOOLS", KeyForm::Flags, 4, Bits(1, 1, 1, 1), kNoClamp, 0 },
    { kSectionMain, "KEY_DLGOPOTHERJAVA_OPS", KeyForm::Text, 0, 0, kNoClamp, 0 },
    { kSectionMain, "KEY_DLGAEGS_BOOLS", KeyForm::Flags, 2, Bits(0, 0), kNoClamp, 0 },
    { kSectionUserZips, "KEY_LASTFILE", KeyForm::RawText, 0, 0, kNoClamp, 0 },
    { kSectionUserDirs, "KEY_LASTDIR", KeyForm::RawText, 0, 0, kNoClamp, 0 },
    { kSectionUserDirs, "KEY_DLGUSERCP_BOOLS", KeyForm::ClasspathFlags, 9, 0, kNoClamp, 0 },
    { kSectionSiblings, "KEY_DLGCPONE_BOOLS", KeyForm::ClasspathFlags, 9, 0, kNoClamp, 0 },
    { kSectionSiblings, "KEY_DLGCPSIBLING_BOOLS", KeyForm::ClasspathFlags, 9, 0, kNoClamp, 0 },
};
