#include "tool_settings.h"

#include <cstring>

const char kToolSectionMain[] = "SECT_MAIN";
const char kSectionArgs[] = "SECT_ARGS";
const char kSectionParams[] = "SECT_PARAMS";
const char kSectionDlgDebug[] = "SECT_DLGDEBUG";
const char kSectionDlgDebugClasses[] = "SECT_DLGDEBUG_USERCLS";
const char kSectionDlgDebugMethods[] = "SECT_DLGDEBUG_USERMDS";
const char kSectionDlgDebugFields[] = "SECT_DLGDEBUG_USERFDS";
const char kSectionDebugCommands[] = "SECT_DEBUG_USERCMD";
const char kSectionExecStdin[] = "SECT_EXEC_SYSIN";
const char kSectionExecSuffix[] = "SECT_EXEC_ADD";

namespace {

const char* const kExecuteDebugSections[] = {
    kToolSectionMain, kSectionArgs, kSectionParams, kSectionDlgDebug, kSectionDlgDebugClasses,
    kSectionDlgDebugMethods, kSectionDlgDebugFields, kSectionDebugCommands, kSectionExecStdin, kSectionExecSuffix,
};
const char* const kCompileSections[] = {kToolSectionMain};

enum ToolKey {
    kOptionBools,
    kMainBools,
    kAppletSize,
    kUserCmd,
    kFindBools,
    kDebugBools,
    kExecBools,
    kDlgClassBytes,
    kDlgWatchBytes,
    kTarget,
    kOptionInts,
    kCompInts,
    kToolKeyCount
};

constexpr unsigned Bits(int f0, int f1 = 0, int f2 = 0, int f3 = 0, int f4 = 0, int f5 = 0)
{
    return static_cast<unsigned>(f0 | f1 << 1 | f2 << 2 | f3 << 3 | f4 << 4 | f5 << 5);
}

constexpr int kNoClamp = 1;
// A key the tool does not have: its accessors read the default and write
// nothing.
constexpr SettingsKey kAbsent = {kToolSectionMain, nullptr, KeyForm::Integer, 0, 0, kNoClamp, 0};

// Indexed by ToolKey.
const SettingsKey kExecuteDebugKeys[kToolKeyCount] = {
    {kToolSectionMain, "KEY_OPTION_BOOLS", KeyForm::Flags, 5, Bits(0, 0, 0, 1, 1), kNoClamp, 0},
    {kToolSectionMain, "KEY_MAIN_BOOLS", KeyForm::Flags, 1, Bits(1), kNoClamp, 0},
    // Spelled so in every file the tool has written.
    {kToolSectionMain, "KET_OPTION_LETWH", KeyForm::Unsigned, 0, PackAppletSize(500, 400), kNoClamp, 0},
    {kToolSectionMain, "KEY_OPTION_USERCMD", KeyForm::RawText, 0, 0, kNoClamp, 0},
    {kToolSectionMain, "KEY_FIND_BOOLS", KeyForm::Flags, 6, Bits(1, 1, 0, 0, 0, 1), kNoClamp, 0},
    {kToolSectionMain, "KEY_DEBUG_BOOLS", KeyForm::Flags, 1, Bits(0), kNoClamp, 0},
    {kToolSectionMain, "KEY_EXEC_BOOLS", KeyForm::Flags, 1, Bits(0), kNoClamp, 0},
    {kSectionDlgDebug, "KEY_DLGCLASS_BYTES", KeyForm::Unsigned, 0, 0, kNoClamp, 0},
    {kSectionDlgDebug, "KEY_DLGWATCH_BYTES", KeyForm::Unsigned, 0, 0, kNoClamp, 0},
    kAbsent,
    kAbsent,
    kAbsent,
};

const SettingsKey kCompileKeys[kToolKeyCount] = {
    {kToolSectionMain, "KEY_OPTION_BOOLS", KeyForm::Flags, 6, Bits(1, 0, 0, 0, 1, 1), kNoClamp, 0},
    {kToolSectionMain, "KEY_MAIN_BOOLS", KeyForm::Flags, 1, Bits(1), kNoClamp, 0},
    kAbsent,
    {kToolSectionMain, "KEY_OPTION_USERCMD", KeyForm::RawText, 0, 0, kNoClamp, 0},
    kAbsent,
    kAbsent,
    kAbsent,
    kAbsent,
    kAbsent,
    // Spelled so in every file the tool has written.
    {kToolSectionMain, "KEY_OPTION_TARGRT", KeyForm::RawText, 0, 0, kNoClamp, 0},
    // Compile style in bits 0-7, output folder choice in bits 8-15.
    {kToolSectionMain, "KEY_OPTION_INTS", KeyForm::Unsigned, 0, 1, kNoClamp, 0},
    {kToolSectionMain, "KEY_COMP_INTS", KeyForm::Integer, 0, 0, 0, 3},
};

constexpr int kLastCompileStyle = 2;
// Line breaks of a named set's content are kept as this byte on its key line.
constexpr char kNamedLineBreak = '\xB6';

}  // namespace

const char* ZSettings::FileName() const
{
    return kind == ToolKind::ExecuteDebug ? "ExecuteDebug.set" : "Compile.set";
}

const SettingsKey& ZSettings::Row(int key) const
{
    return (kind == ToolKind::ExecuteDebug ? kExecuteDebugKeys : kCompileKeys)[key];
}

int ZSettings::OpenExisting(const char* path)
{
    Close();
    return File().Open(path, XFile::OpenExisting, 1);
}

int ZSettings::Open(const char* path)
{
    Close();
    if (!File().Open(path, XFile::OpenExisting, 1) && !File().Create(path, 0))
        return 0;
    if (kind == ToolKind::ExecuteDebug) {
        for (const char* section : kExecuteDebugSections)
            AddSection(section);  // only when the file lacks it
    } else {
        for (const char* section : kCompileSections)
            AddSection(section);
    }
    return 1;
}

void ZSettings::GetOptionBools(int* flags)
{
    GetRowFlags(Row(kOptionBools), flags);
}

int ZSettings::SetOptionBools(const int* flags)
{
    return SetRowFlags(Row(kOptionBools), flags);
}

int ZSettings::GetOneFlag(int key)
{
    if (!Row(key).key)
        return 0;
    int flag = 0;
    GetRowFlags(Row(key), &flag);
    return flag;
}

int ZSettings::SetOneFlag(int key, int on)
{
    if (!Row(key).key)
        return 0;
    const int flag = on ? 1 : 0;
    return SetRowFlags(Row(key), &flag);
}

int ZSettings::GetMainBools()
{
    return GetOneFlag(kMainBools);
}

int ZSettings::SetMainBools(int on)
{
    return SetOneFlag(kMainBools, on);
}

void ZSettings::GetUserCmd(XString& text)
{
    GetRowText(Row(kUserCmd), text);
}

int ZSettings::SetUserCmd(const char* text)
{
    return SetRowText(Row(kUserCmd), text);
}

void ZSettings::GetAppletSize(int* width, int* height)
{
    const SettingsKey& row = Row(kAppletSize);
    const unsigned size = row.key ? GetRowUInt(row) : PackAppletSize(500, 400);
    *width = static_cast<int>(size & 0xFFFFu);
    *height = static_cast<int>(size >> 16);
    if (*width < kAppletMinimum)
        *width = kAppletMinimum;
    if (*height < kAppletMinimum)
        *height = kAppletMinimum;
}

int ZSettings::SetAppletSize(int width, int height)
{
    if (!Row(kAppletSize).key)
        return 0;
    if (width < kAppletMinimum)
        width = kAppletMinimum;
    if (height < kAppletMinimum)
        height = kAppletMinimum;
    return SetRowInt(Row(kAppletSize), static_cast<int>(PackAppletSize(width, height)));
}

void ZSettings::GetFindBools(int* flags)
{
    GetRowFlags(Row(kFindBools), flags);
}

int ZSettings::SetFindBools(const int* flags)
{
    return Row(kFindBools).key ? SetRowFlags(Row(kFindBools), flags) : 0;
}

int ZSettings::GetDebugBools()
{
    return GetOneFlag(kDebugBools);
}

int ZSettings::SetDebugBools(int on)
{
    return SetOneFlag(kDebugBools, on);
}

int ZSettings::GetExecBools()
{
    return GetOneFlag(kExecBools);
}

int ZSettings::SetExecBools(int on)
{
    return SetOneFlag(kExecBools, on);
}

int ZSettings::GetDlgClassBytes(int* value)
{
    const SettingsKey& row = Row(kDlgClassBytes);
    unsigned stored = 0;
    if (!row.key || !GetUInt(row.section, row.key, &stored))
        return 0;
    *value = static_cast<int>(stored & 0xFFu);
    return 1;
}

int ZSettings::SetDlgClassBytes(int value)
{
    const SettingsKey& row = Row(kDlgClassBytes);
    return row.key ? SetRowInt(row, value & 0xFF) : 0;
}

int ZSettings::GetDlgWatchBytes(int* first, int* second)
{
    const SettingsKey& row = Row(kDlgWatchBytes);
    unsigned stored = 0;
    if (!row.key || !GetUInt(row.section, row.key, &stored))
        return 0;
    *first = static_cast<int>(stored & 0xFFu);
    *second = static_cast<int>((stored >> 16) & 0xFFu);
    return 1;
}

int ZSettings::SetDlgWatchBytes(int first, int second)
{
    const SettingsKey& row = Row(kDlgWatchBytes);
    return row.key ? SetRowInt(row, (first & 0xFF) | (second & 0xFF) << 16) : 0;
}

void ZSettings::GetTarget(XString& text)
{
    if (Row(kTarget).key)
        GetRowText(Row(kTarget), text);
    else
        text.Assign("", 0);
}

int ZSettings::SetTarget(const char* text)
{
    return Row(kTarget).key ? SetRowText(Row(kTarget), text) : 0;
}

void ZSettings::GetOptionInts(int* style, int* output)
{
    const SettingsKey& row = Row(kOptionInts);
    const unsigned stored = row.key ? GetRowUInt(row) : row.defaultValue;
    *style = static_cast<int>(stored & 0xFFu);
    if (*style > kLastCompileStyle)
        *style = kLastCompileStyle;
    *output = static_cast<int>((stored >> 8) & 0xFFu);
}

int ZSettings::SetOptionInts(int style, int output)
{
    const SettingsKey& row = Row(kOptionInts);
    return row.key ? SetRowInt(row, ((output << 8) & 0xFFFF) | (style & 0xFF)) : 0;
}

int ZSettings::GetCompInts()
{
    return Row(kCompInts).key ? GetRowInt(Row(kCompInts)) : 0;
}

int ZSettings::SetCompInts(int pause)
{
    return Row(kCompInts).key ? SetRowInt(Row(kCompInts), pause) : 0;
}

void ZSettings::ReadNamed(const char* name, XString& content, int args)
{
    GetRawString(content, args ? kSectionArgs : kSectionParams, name);
    content.ReplaceChar(kNamedLineBreak, '\n');
}

void ZSettings::CollectNames(StringList& names, int args)
{
    const char* section = args ? kSectionArgs : kSectionParams;
    names.RemoveAll();
    XString header("{");
    header.Append(section);
    header.AppendChar('}');
    if (!FindSection(header.Data()))
        return;
    StringList dropped;
    XString line;
    // The key part: after "<KEY>", up to the next line that opens a part.
    if (!ReadLine(line) || line.CompareN("<KEY>") != 0)
        return;
    while (ReadLine(line) && line[0] != '<' && line[0] != '{') {
        if (line[0] != '[')
            continue;
        const char* close = std::strchr(line.Data(), ']');
        const XString name(line.Data() + 1, close ? static_cast<int>(close - line.Data() - 1) : line.Length() - 1);
        if (names.Count() < kNamedSetLimit)
            names.Add(name);
        else
            dropped.Add(name);
    }
    for (int i = 0; i < dropped.Count(); ++i)
        RemoveKey(section, dropped.At(i)->Data());
}

NamedSave ZSettings::WriteNamed(const char* name, const char* content, int args)
{
    if (!*name || std::strpbrk(name, "[]\r\n"))
        return NamedSave::BadName;
    const char* section = args ? kSectionArgs : kSectionParams;
    XString stored;
    for (const char* p = content; *p; ++p) {
        if (*p == '\r' && p[1] == '\n')
            continue;
        stored.AppendChar(*p == '\n' || *p == '\r' ? kNamedLineBreak : *p);
    }
    // The key line: "[name]" and the content.
    if (static_cast<int>(std::strlen(name)) + 2 + stored.Length() > kLineLimit)
        return NamedSave::TooLong;
    XString existing;
    if (!GetRawString(existing, section, name)) {
        // A new name beyond the limit would be deleted at the next load.
        StringList names;
        CollectNames(names, args);
        if (names.Count() >= kNamedSetLimit)
            return NamedSave::TooMany;
    }
    return SetRawString(stored.Data(), section, name) ? NamedSave::Stored : NamedSave::NotWritten;
}

const char* NamedSaveRefusal(NamedSave result)
{
    switch (result) {
    case NamedSave::Stored:
        return nullptr;
    case NamedSave::TooMany:
        return "Can not save this set: at most 21 named sets are kept.\nPlease delete one first.\n";
    case NamedSave::TooLong:
        return "Can not save this set: it is too long for the setting file.\n";
    case NamedSave::BadName:
        return "Can not save this set: its name must not be empty or hold brackets or line breaks.\n";
    default:
        return "Can not save this set: the setting file can not be written.\n";
    }
}
