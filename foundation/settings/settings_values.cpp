#include "settings_file.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kListMarker[] = "<LIST>";
constexpr int kListMarkerLength = 6;

XString Bracketed(char open, const char* name, char close)
{
    XString s;
    s.AppendChar(open);
    s.Append(name);
    s.AppendChar(close);
    return s;
}

// atoi's digits, read as a 32-bit number whatever the width of long here.
long long ParseDecimal(const char* text)
{
    return std::strtoll(text, nullptr, 10);
}

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

int SettingsFile::LookUpKey(const char* section, const char* key, KeyLookup& lookup)
{
    const XString header = Bracketed('{', section, '}');
    if (!file.IsOpen() || !FindSection(header.Data()))
        return 0;
    const XString bracketed = Bracketed('[', key, ']');
    XString line;
    LineSpan span;
    while (ReadLine(line, &span)) {
        // The key part ends at "<LIST>"; a section that lost its "<LIST>" line
        // ends at the next header, so a key is never looked up in, or
        // inserted into, the section after it.
        if (line.CompareN(kListMarker, kListMarkerLength) == 0 || line[0] == '{') {
            lookup.insertAt = span.start;
            return 1;
        }
        if (line.CompareN(bracketed.Data(), bracketed.Length()) == 0) {
            lookup.found = true;
            lookup.line = span;
            lookup.value.Assign(line.Data() + bracketed.Length());
            return 1;
        }
    }
    lookup.insertAt = file.GetSize();
    return 1;
}

int SettingsFile::WriteKeyLine(const char* section, const char* key, const char* value, int valueLength)
{
    XString line = Bracketed('[', key, ']');
    line.Append(value, valueLength);
    if (line.Length() > kLineLimit)
        return 0;
    line.Append("\r\n");
    KeyLookup lookup;
    if (!LookUpKey(section, key, lookup))
        return 0;
    if (lookup.found)
        return ReplaceRange(lookup.line.start, lookup.line.next, line.Data(), line.Length());
    return ReplaceRange(lookup.insertAt, lookup.insertAt, line.Data(), line.Length());
}

int SettingsFile::GetInt(const char* section, const char* key, int* value)
{
    KeyLookup lookup;
    if (!LookUpKey(section, key, lookup) || !lookup.found)
        return 0;
    *value = static_cast<int>(static_cast<unsigned>(ParseDecimal(lookup.value.Data())));
    return 1;
}

int SettingsFile::GetUInt(const char* section, const char* key, unsigned* value)
{
    KeyLookup lookup;
    if (!LookUpKey(section, key, lookup) || !lookup.found)
        return 0;
    *value = static_cast<unsigned>(ParseDecimal(lookup.value.Data()));
    return 1;
}

int SettingsFile::GetRawString(XString& value, const char* section, const char* key)
{
    value.Assign("", 0);
    KeyLookup lookup;
    if (!LookUpKey(section, key, lookup) || !lookup.found)
        return 0;
    value.Copy(lookup.value);
    return 1;
}

void SettingsFile::GetString(XString& value, const char* section, const char* key, int flat)
{
    XString raw;
    GetRawString(raw, section, key);
    value.Assign("", 0);
    const char lineBreak = static_cast<char>(kLineBreakByte);
    for (int i = 0; i < raw.Length(); ++i) {
        if (raw[i] != lineBreak) {
            value.AppendChar(raw[i]);
        } else if (!flat) {
            value.AppendChar('\n');
        } else if (i == 0 || raw[i - 1] != lineBreak) {
            value.AppendChar(' ');
        }
    }
    if (flat) {
        int begin = 0;
        while (begin < value.Length() && IsSpace(value[begin]))
            ++begin;
        while (value.Length() > begin && IsSpace(value.LastChar()))
            value.RemoveLast();
        value.Erase(0, begin);
    }
}

int SettingsFile::SetString(const char* value, const char* section, const char* key)
{
    XString stored;
    for (const char* p = value; *p; ++p) {
        // CR LF, LF and a CR alone are each one line break: a CR stored as it
        // is would end the stored line early and cut the value on reading.
        if (*p == '\r' && p[1] == '\n')
            continue;
        stored.AppendChar(*p == '\n' || *p == '\r' ? static_cast<char>(kLineBreakByte) : *p);
    }
    return WriteKeyLine(section, key, stored.Data(), stored.Length());
}

int SettingsFile::SetRawString(const char* value, const char* section, const char* key)
{
    if (std::strpbrk(value, "\r\n"))
        return 0;  // a raw value is one line as it stands
    return WriteKeyLine(section, key, value);
}

int SettingsFile::SetInt(const char* section, const char* key, int value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    return WriteKeyLine(section, key, digits);
}

int SettingsFile::GetBools(int* flags, const char* section, const char* key)
{
    unsigned bits = 0;
    if (!GetUInt(section, key, &bits))
        return 0;
    for (int i = 0; i < kFlagCount; ++i)
        flags[i] = (bits >> i) & 1;
    return 1;
}

int SettingsFile::SetBools(const int* flags, const char* section, const char* key)
{
    if (file.GetSize() == 0)
        return 0;
    int bits = 0;
    for (int i = 0; i < kFlagCount; ++i) {
        if (flags[i])
            bits |= 1 << i;
    }
    return SetInt(section, key, bits);
}

int SettingsFile::GetCpBools(const char* section, const char* key, int* record, int* flags)
{
    const int found = GetBools(record, section, key);
    for (int i = 0; i < kClasspathFlagCount; ++i)
        flags[i] = record[i];
    return found;
}

int SettingsFile::SetCpBools(const char* section, const char* key, const int* flags)
{
    int record[kFlagCount] = {};
    for (int i = 0; i < kClasspathFlagCount; ++i)
        record[i] = flags[i];
    return SetBools(record, section, key);
}

int SettingsFile::RemoveKey(const char* section, const char* key)
{
    KeyLookup lookup;
    if (!LookUpKey(section, key, lookup) || !lookup.found)
        return 0;
    return ReplaceRange(lookup.line.start, lookup.line.next, "", 0);
}
