#include "settings_file.h"

#include <cstring>
#include <string>

namespace {

constexpr char kCrLf[] = "\r\n";

int LineEnd(const char* data, int size, int pos)
{
    for (int i = pos; size - i >= 2; ++i) {
        if (data[i] == '\r' && data[i + 1] == '\n')
            return i;
    }
    return size;
}

// Start of the line after the one starting at pos, or size for the last line.
int NextLineStart(const char* data, int size, int pos)
{
    const int end = LineEnd(data, size, pos);
    return end == size ? size : end + 2;
}

}  // namespace

int SettingsFile::Open(const char* path)
{
    if (file.Open(path, XFile::OpenExisting, 1))
        return 1;
    return file.Create(path, 0);
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
    // or a list item must never be taken for a section.
    for (int pos = 0; pos < size; pos = NextLineStart(data, size, pos)) {
        if (data[pos] != '{')
            continue;
        int end = LineEnd(data, size, pos);
        if (end - pos == 1)
            break;  // a bare "{" line ends the search
        while (end > pos && data[end - 1] == ' ')
            --end;
        if (end - pos == headerLength && std::memcmp(data + pos, header, static_cast<size_t>(headerLength)) == 0) {
            const int next = NextLineStart(data, size, pos);
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
    const int size = file.GetSize();
    XString block;
    if (size > 0) {
        // A last line without its CR LF gets one first, so the new section
        // still follows two empty lines.
        char last = 0;
        int got = 0;
        if (file.Seek(size - 1, XFile::FromBegin) && file.Read(&last, 1, &got) && got == 1 && last != '\n')
            block.Append("\r\n");
    }
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
    // Read in blocks rather than byte by byte; afterwards the position is set
    // just behind the line, where a byte-wise read would have left it.
    char block[256];
    int pos = start;
    bool any = false;
    int got = 0;
    while (file.Read(block, sizeof block, &got) && got > 0) {
        any = true;
        for (int i = 0; i < got; ++i) {
            if (block[i] != '\r') {
                line.AppendChar(block[i]);
                continue;
            }
            char next = 0;
            int more = 0;
            if (i + 1 < got) {
                next = block[i + 1];
                more = 1;
            } else {
                file.Read(&next, 1, &more);
            }
            if (more == 1 && next == '\n') {
                pos += i + 2;
            } else {
                line.AppendChar('\r');  // a CR without LF stays the line's last character
                pos += i + 1;
            }
            file.Seek(pos, XFile::FromBegin);
            if (span) {
                span->start = start;
                span->next = pos;
            }
            return 1;
        }
        pos += got;
    }
    if (span) {
        span->start = start;
        span->next = pos;
    }
    return any ? 1 : 0;
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
    if (start == end && start != 0 && start == size) {
        char before = 0;
        int got = 0;
        if (file.Seek(start - 1, XFile::FromBegin) && file.Read(&before, 1, &got) && got == 1 && before != '\n')
            block += kCrLf;  // an insertion at the end always begins on a line of its own
    }
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
