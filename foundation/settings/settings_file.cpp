#include "settings_file.h"

#include <cstring>
#include <string>

namespace {

constexpr char kCrLf[] = "\r\n";

}  // namespace

int SettingsLineEnd(const char* data, int size, int pos, int* next)
{
    for (int i = pos; i < size; ++i) {
        if (data[i] != '\r')
            continue;
        if (i + 1 < size && data[i + 1] == '\n') {
            *next = i + 2;
            return i;
        }
        *next = i + 1;
        return i + 1;
    }
    *next = size;
    return size;
}

bool EndsWithLineEnd(const char* data, int size)
{
    return size == 0 || data[size - 1] == '\r' || (size >= 2 && data[size - 2] == '\r' && data[size - 1] == '\n');
}

namespace {

// Whether the file's last line is ended, so that appended bytes begin a line.
bool FileEndsWithLineEnd(XFile& file)
{
    const int size = file.GetSize();
    if (size <= 0)
        return true;
    char last[2] = {};
    const int want = size >= 2 ? 2 : 1;
    int got = 0;
    if (!file.Seek(size - want, XFile::FromBegin) || !file.Read(last, want, &got) || got != want)
        return false;
    return EndsWithLineEnd(last, want);
}

}  // namespace

int SettingsFile::Open(const char* path)
{
    readOnly = false;
    if (file.Open(path, XFile::OpenExisting, 1))
        return 1;
    return file.Create(path, 0);
}

int SettingsFile::OpenExisting(const char* path)
{
    readOnly = false;
    if (file.Open(path, XFile::OpenExisting, 1))
        return 1;
    readOnly = file.Open(path, XFile::OpenExisting, 0) != 0;
    return readOnly ? 1 : 0;
}

int SettingsFile::FindSection(const char* header, LineSpan* span)
{
    const int remembered = file.Position();
    XBuffer buffer;
    int size = 0;
    if (!file.ReadWhole(buffer, &size) || size == 0) {
        file.Seek(remembered, XFile::FromBegin);
        return 0;
    }
    const char* data = buffer.Text();
    const int headerLength = static_cast<int>(std::strlen(header));

    // Only a line that begins with "{" can be a header: a "{" inside a value
    // or a list item must never be taken for a section. A line of a lone "{"
    // is no header either; the search goes on past it, or a section appended
    // behind such a line could never be found again.
    int next = 0;
    for (int pos = 0; pos < size; pos = next) {
        int end = SettingsLineEnd(data, size, pos, &next);
        if (data[pos] != '{')
            continue;
        while (end > pos && data[end - 1] == ' ')
            --end;
        if (end - pos == headerLength && std::memcmp(data + pos, header, static_cast<size_t>(headerLength)) == 0) {
            file.Seek(next, XFile::FromBegin);
            if (span) {
                span->start = pos;
                span->next = next;
            }
            return 1;
        }
    }
    file.Seek(remembered, XFile::FromBegin);
    return 0;
}

int SettingsFile::AddSection(const char* name)
{
    XString header("{");
    header.Append(name);
    header.AppendChar('}');
    if (FindSection(header.Data()))
        return 0;
    // A last line without its line end gets CR LF first, so the new section
    // still follows two empty lines.
    XString block;
    if (!FileEndsWithLineEnd(file))
        block.Append("\r\n");
    if (!file.Seek(0, XFile::FromEnd))
        return 0;
    block.Append("\r\n\r\n");
    block.AppendString(header);
    block.Append("\r\n<KEY>\r\n<LIST>\r\n");
    return file.Write(block.Data(), block.Length());
}

int SettingsFile::ReadLine(XString& line, LineSpan* span)
{
    line.Assign("", 0);
    const int start = file.Position();
    if (start < 0)
        return 0;
    // Read in blocks rather than byte by byte until the line end is certain
    // (a CR at the end of a block needs the byte after it); afterwards the
    // position is set just behind the line, where a byte-wise read would
    // have left it.
    std::string bytes;
    char block[256];
    int got = 0;
    int textEnd = 0;
    int next = 0;
    bool atEnd = false;
    int scanFrom = 0;
    for (;;) {
        const int size = static_cast<int>(bytes.size());
        textEnd = SettingsLineEnd(bytes.data(), size, scanFrom, &next);
        // Only a line that runs to the end of what was read (no CR yet, or a
        // CR as the last byte) may go on in the next block.
        if (textEnd < size || atEnd)
            break;
        scanFrom = size > 0 && bytes[static_cast<size_t>(size) - 1] == '\r' ? size - 1 : size;
        if (!file.Read(block, sizeof block, &got) || got <= 0)
            atEnd = true;
        else
            bytes.append(block, static_cast<size_t>(got));
    }
    line.Assign(bytes.data(), textEnd);
    file.Seek(start + next, XFile::FromBegin);
    if (span) {
        span->start = start;
        span->next = start + next;
    }
    return bytes.empty() ? 0 : 1;
}

int SettingsFile::WriteLine(const char* text)
{
    return file.Write(text, static_cast<int>(std::strlen(text))) && file.Write(kCrLf, 2);
}

int SettingsFile::WriteBlankLines(int n)
{
    for (int i = 0; i < n; ++i) {
        if (!file.Write(kCrLf, 2))
            return 0;
    }
    return 1;
}

int SettingsFile::ReadTail(int offset, XBuffer& tail, int* length)
{
    *length = 0;
    const int remembered = file.Position();
    const int size = file.GetSize();
    if (offset < 0 || offset >= size || !file.Seek(offset, XFile::FromBegin)) {
        file.Seek(remembered, XFile::FromBegin);
        return 0;
    }
    int got = 0;
    const int ok = tail.Resize(size - offset + 1) && file.Read(tail.Data(), size - offset, &got) &&
                   got == size - offset;
    file.Seek(remembered, XFile::FromBegin);
    if (!ok)
        return 0;
    tail.Data()[got] = 0;
    *length = got;
    return 1;
}

int SettingsFile::ReplaceRange(int start, int end, const char* text, int textLength)
{
    const int size = file.GetSize();
    if (start < 0 || end < start || end > size)
        return 0;

    // Keep the old bytes from start on: if any write of the new content fails
    // (a full disk, for one), they are written back, so a failed edit never
    // cuts off the rest of the file.
    XBuffer old;
    int oldLength = 0;
    if (start < size && !ReadTail(start, old, &oldLength))
        return 0;

    std::string block;
    if (start == end && start != 0 && start == size && !FileEndsWithLineEnd(file))
        block += kCrLf;  // an insertion at the end always begins on a line of its own
    if (text)
        block.append(text, textLength < 0 ? std::strlen(text) : static_cast<size_t>(textLength));
    if (oldLength > end - start)
        block.append(old.Text() + (end - start), static_cast<size_t>(oldLength - (end - start)));

    if (file.Seek(start, XFile::FromBegin) && file.Write(block.data(), static_cast<int>(block.size())) &&
        file.Truncate())
        return 1;

    file.Seek(start, XFile::FromBegin);
    if (oldLength)
        file.Write(old.Data(), oldLength);
    file.Truncate();
    return 0;
}
