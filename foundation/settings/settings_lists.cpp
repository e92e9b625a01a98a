#include "settings_file.h"

#include "../paths/path_text.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kListMarker[] = "<LIST>";
constexpr int kListMarkerLength = 6;

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

XString TrimWhiteSpace(const XString& s)
{
    int begin = 0;
    int end = s.Length();
    while (begin < end && IsSpace(s[begin]))
        ++begin;
    while (end > begin && IsSpace(s[end - 1]))
        --end;
    return XString(s.Data() + begin, end - begin);
}

namespace {

bool EqualIgnoringCase(const XString& a, const XString& b)
{
    if (a.Length() != b.Length())
        return false;
    for (int i = 0; i < a.Length(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The longest line of a text, line ends (CR, LF) not counted.
int LongestLine(const XString& block)
{
    int longest = 0;
    int current = 0;
    for (int i = 0; i < block.Length(); ++i) {
        if (block[i] == '\r' || block[i] == '\n') {
            current = 0;
            continue;
        }
        if (++current > longest)
            longest = current;
    }
    return longest;
}

}  // namespace

XString BuildListBlock(const char* text)
{
    XString block("(");
    block.Append(text);
    block.ReplaceChar('\r', '\n');
    while (block.Replace("\n\n", "\n"))
        ;
    if (block.LastChar() == '\n')
        block.SetLastChar(')');
    else
        block.AppendChar(')');
    block.Replace("\n", ")\r\n(");
    block.Append("\r\n");
    return block;
}

// Finds the section's list: where it starts and where its last item ends.
// With duplicate given, a list line equal to it makes the search fail.
int SettingsFile::FindList(const char* section, ListBounds& bounds, const char* duplicate, int caseSensitive)
{
    XString header("{");
    header.Append(section);
    header.AppendChar('}');
    if (!file.IsOpen() || !FindSection(header.Data()))
        return 0;
    XString line;
    LineSpan span;
    for (;;) {
        if (!ReadLine(line, &span) || line[0] == '{')
            return 0;  // no "<LIST>" line in this section
        if (line.CompareN(kListMarker, kListMarkerLength) == 0)
            break;
    }
    bounds.start = span.next;
    bounds.lastItemEnd = span.next;
    XString wanted;
    if (duplicate) {
        wanted.AppendChar('(');
        wanted.Append(duplicate);
        wanted.AppendChar(')');
    }
    while (ReadLine(line, &span) && line[0] != '{') {
        if (line[0] != '(')
            continue;
        bounds.lastItemEnd = span.next;
        if (duplicate && (caseSensitive ? std::strcmp(line.Data(), wanted.Data()) == 0
                                        : EqualIgnoringCase(line, wanted)))
            return 0;
    }
    return 1;
}

int SettingsFile::FirstListItem(const char* section, XString& item)
{
    ListBounds bounds;
    if (!FindList(section, bounds))
        return 0;
    listNext = bounds.start;
    return NextListItem(item);
}

int SettingsFile::NextListItem(XString& item)
{
    item.Assign("", 0);
    const int remembered = file.Position();
    if (!file.Seek(listNext, XFile::FromBegin))
        return 0;
    XString line;
    LineSpan span;
    int result = 0;
    while (ReadLine(line, &span) && line[0] != '{') {
        if (line[0] != '(')
            continue;
        listLineStart = span.start;
        listNext = span.next;
        if (line.Length() > 2)
            item.Assign(line.Data() + 1, line.Length() - 2);
        result = 1;
        break;
    }
    file.Seek(remembered, XFile::FromBegin);
    return result;
}

int SettingsFile::AddListItem(const char* section, const char* item, int checkDuplicates, int caseSensitive)
{
    if (std::strpbrk(item, "\r\n"))
        return 0;  // an item is one line: a line break would split it into two misread ones
    ListBounds bounds;
    if (!FindList(section, bounds, checkDuplicates ? item : nullptr, caseSensitive))
        return 0;
    XString line("(");
    line.Append(item);
    line.AppendChar(')');
    if (line.Length() > kLineLimit)
        return 0;
    line.Append("\r\n");
    return ReplaceRange(bounds.lastItemEnd, bounds.lastItemEnd, line.Data(), line.Length());
}

int SettingsFile::InsertListBlock(const char* section, const XString& block, int replaceItems)
{
    if (LongestLine(block) > kLineLimit)
        return 0;
    ListBounds bounds;
    if (!FindList(section, bounds))
        return 0;
    const int start = replaceItems ? bounds.start : bounds.lastItemEnd;
    return ReplaceRange(start, bounds.lastItemEnd, block.Data(), block.Length());
}

int SettingsFile::SetListText(const char* section, const char* text)
{
    if (!text || !*text)
        return 0;
    return InsertListBlock(section, BuildListBlock(text), 0);
}

int SettingsFile::SetList(const StringList& items, const char* section)
{
    // An entry too long for a line of the file is left out alone: the
    // others are saved, and LeftOut names it.
    XString joined;
    int kept = 0;
    for (int i = 0; i < items.Count(); ++i) {
        const XString& item = *items.At(i);
        if (LongestLine(item) + 2 > kLineLimit) {
            leftOut.Add(item);
            continue;
        }
        if (kept++)
            joined.Append("\r\n");
        joined.AppendString(item);
    }
    return InsertListBlock(section, kept ? BuildListBlock(joined.Data()) : XString(), 1);
}

XString LeftOutMessage(const StringList& entries)
{
    constexpr int kShown = 60;
    char line[160];
    std::snprintf(line, sizeof line,
                  "These entries were not saved: a line of the settings file holds at most %d characters.\n",
                  SettingsFile::kLineLimit);
    XString message(line);
    for (int i = 0; i < entries.Count(); ++i) {
        const XString& entry = *entries.At(i);
        XString shown(entry.Data(), entry.Length() < kShown ? entry.Length() : kShown);
        shown.ReplaceChar('\r', ' ');
        shown.ReplaceChar('\n', ' ');
        std::snprintf(line, sizeof line, "%s (%d characters)\n", entry.Length() > kShown ? "..." : "", entry.Length());
        message.AppendChar('\n');
        message.AppendString(shown);
        message.Append(line);
    }
    return message;
}

int SettingsFile::GetList(StringList& items, const char* section)
{
    XString item;
    int any = FirstListItem(section, item);
    for (int more = any; more; more = NextListItem(item))
        items.Add(item);
    return any;
}

int SettingsFile::ReadListToString(const char* section, XString& out, int quote)
{
    XString item;
    int any = FirstListItem(section, item);
    for (int more = any; more; more = NextListItem(item)) {
        const XString trimmed = TrimWhiteSpace(item);
        if (trimmed.IsEmpty())
            continue;
        if (quote) {
            AppendQuotedPath(out, trimmed.Data());
            out.AppendChar(';');
        } else {
            out.AppendString(trimmed);
            out.AppendChar(';');
        }
    }
    return any;
}

int SettingsFile::LoadListItems(StringList& items, const char* section, int limit)
{
    XString item;
    int added = 0;
    for (int more = FirstListItem(section, item); more; more = NextListItem(item)) {
        if (limit && added >= kListLimit)
            break;
        const XString trimmed = TrimWhiteSpace(item);
        if (trimmed.IsEmpty())
            continue;
        items.Add(trimmed);
        ++added;
    }
    return added;
}

int SettingsFile::SaveListItems(const StringList& items, const char* section, int limit)
{
    if (!limit || items.Count() <= kListLimit)
        return SetList(items, section);
    StringList first;
    for (int i = 0; i < kListLimit; ++i)
        first.Add(*items.At(i));
    return SetList(first, section);
}
