// The main program's settings: its fixed sections and its keys, read and
// written through the rows of kMainKeys.
#include "settings_file.h"

namespace {

const char kDefaultIncludedExtension[] = "class";
const char kDefaultExcludedExtensions[] = "java\r\njar\r\nzip";

XString Header(const char* section)
{
    XString header("{");
    header.Append(section);
    header.AppendChar('}');
    return header;
}

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

}  // namespace

int SettingsFile::OpenAndInit(const char* path)
{
    Close();
    readOnly = false;
    if (!file.Open(path, XFile::OpenExisting, 1) && !file.Create(path, 0))
        return 0;
    AddMissingSections();
    return 1;
}

int SettingsFile::AddMissingSections()
{
    int complete = 1;
    for (const char* section : kMainSections) {
        if (FindSection(Header(section).Data()))
            continue;
        AddSection(section);
        if (section == kSectionIncludeExtensions)
            AddListItem(section, kDefaultIncludedExtension, 1, 0);
        else if (section == kSectionExcludeExtensions)
            SetListText(section, kDefaultExcludedExtensions);
        if (!FindSection(Header(section).Data()))
            complete = 0;
    }
    return complete;
}

int SettingsFile::GetRowInt(const SettingsKey& row)
{
    int value = static_cast<int>(row.defaultValue);
    GetInt(row.section, row.key, &value);
    if (row.minValue <= row.maxValue)
        value = Clamp(value, row.minValue, row.maxValue);
    return value;
}

unsigned SettingsFile::GetRowUInt(const SettingsKey& row)
{
    unsigned value = row.defaultValue;
    GetUInt(row.section, row.key, &value);
    return value;
}

void SettingsFile::GetRowFlags(const SettingsKey& row, int* flags)
{
    int record[kFlagCount];
    for (int i = 0; i < kFlagCount; ++i)
        record[i] = (row.defaultValue >> i) & 1;
    if (row.form == KeyForm::ClasspathFlags) {
        int nine[kClasspathFlagCount];
        GetCpBools(row.section, row.key, record, nine);
    } else {
        GetBools(record, row.section, row.key);
    }
    for (int i = 0; i < row.flagCount; ++i)
        flags[i] = record[i];
}

void SettingsFile::GetRowText(const SettingsKey& row, XString& text, int flat)
{
    if (row.form == KeyForm::RawText)
        GetRawString(text, row.section, row.key);
    else
        GetString(text, row.section, row.key, flat);
}

int SettingsFile::SetRowInt(const SettingsKey& row, int value)
{
    return SetInt(row.section, row.key, value);
}

int SettingsFile::SetRowFlags(const SettingsKey& row, const int* flags)
{
    int record[kFlagCount] = {};  // flags beyond the row's count are written 0
    for (int i = 0; i < row.flagCount; ++i)
        record[i] = flags[i];
    if (row.form == KeyForm::ClasspathFlags)
        return SetCpBools(row.section, row.key, record);
    return SetBools(record, row.section, row.key);
}

int SettingsFile::SetRowText(const SettingsKey& row, const char* text)
{
    if (row.form == KeyForm::RawText)
        return SetRawString(text, row.section, row.key);
    return SetString(text, row.section, row.key);
}

void SettingsFile::GetExplorerOptions(int* flags, int* appletWidth, int* appletHeight)
{
    GetKeyFlags(kKeyExplorerBools, flags);
    const unsigned size = GetKeyUInt(kKeyAppletSize);
    *appletWidth = static_cast<int>(size & 0xFFFFu);
    *appletHeight = static_cast<int>(size >> 16);
}

int SettingsFile::SetExplorerOptions(const int* flags, int appletWidth, int appletHeight)
{
    const int flagsWritten = SetKeyFlags(kKeyExplorerBools, flags);
    const int sizeWritten = SetKeyInt(kKeyAppletSize, static_cast<int>(PackAppletSize(appletWidth, appletHeight)));
    return flagsWritten && sizeWritten;
}

int SettingsFile::GetSheetPage(int pageCount)
{
    return Clamp(GetKeyInt(kKeySheetPage), 0, pageCount > 0 ? pageCount - 1 : 0);
}

void SettingsFile::GetFileOptions(int* bit0, int* bit1)
{
    const unsigned bits = GetKeyUInt(kKeyFileBools);
    *bit0 = bits & 1;
    *bit1 = (bits >> 1) & 1;
}

int SettingsFile::SetFileOptions(int bit0, int bit1)
{
    return SetKeyInt(kKeyFileBools, (bit0 ? 1 : 0) + 2 * (bit1 ? 1 : 0));
}

void SettingsFile::GetSystemClasspath(XString& classPath)
{
    classPath.Assign("", 0);
    ReadListToString(kSectionSystemClasspath, classPath, 0);
}

void SettingsFile::GetUserZipClasspath(XString& classPath)
{
    classPath.Assign("", 0);
    ReadListToString(kSectionUserZips, classPath, 1);
}

void SettingsFile::GetUserDirClasspath(XString& classPath)
{
    classPath.Assign("", 0);
    ReadListToString(kSectionUserDirs, classPath, 1);
}

void SettingsFile::GetSiblingClasspath(XString& classPath)
{
    classPath.Assign("", 0);
    ReadListToString(kSectionSiblings, classPath, 0);
}

void SettingsFile::GetExtensionLists(int allFiles, StringPtrList& include, int noExclusion, StringList& exclude)
{
    if (!allFiles) {
        // Sorted as it is filled, whatever order the file keeps: the search
        // for "class" below is only sound over a sorted list.
        StringList stored;
        GetList(stored, kSectionIncludeExtensions);
        for (int i = 0; i < stored.Count(); ++i)
            include.InsertSorted(stored.At(i)->Data());
        include.InsertSorted(kDefaultIncludedExtension);
    }
    if (!noExclusion)
        GetList(exclude, kSectionExcludeExtensions);
}
