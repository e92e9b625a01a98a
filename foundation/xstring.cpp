#include "xstring.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "spare_blocks.h"

namespace {

// Most strings live their whole life at the first capacity: on the thread
// that keeps spare blocks, theirs come from those.
using FirstCapacityBlocks = SpareBlocks<XString::kHeadroom>;

// The string types assume allocation succeeds; a failed one is not
// recoverable for them, so it ends the program instead of leaving a null buffer.
char* AllocateText(int capacity)
{
    if (capacity == XString::kHeadroom)
        return static_cast<char*>(FirstCapacityBlocks::Take());
    char* p = static_cast<char*>(std::malloc(static_cast<size_t>(capacity)));
    if (!p)
        std::abort();
    return p;
}

void FreeText(char* text, int capacity)
{
    if (capacity == XString::kHeadroom)
        FirstCapacityBlocks::Give(text);
    else
        std::free(text);
}

}  // namespace

int XString::ClampLength(const char* text, int length)
{
    if (!text || length == 0)
        return 0;
    if (length < 0)
        return static_cast<int>(std::strlen(text));
    const void* nul = std::memchr(text, 0, static_cast<size_t>(length));
    return nul ? static_cast<int>(static_cast<const char*>(nul) - text) : length;
}

XString::XString() : XString(kHeadroom, 0) {}

XString::XString(int capacityWanted, int)
    : data(AllocateText(capacityWanted)), length(0), capacity(capacityWanted)
{
    data[0] = 0;
}

XString::XString(const char* text, int len) : XString(ClampLength(text, len) + kHeadroom, 0)
{
    length = capacity - kHeadroom;
    if (length)
        std::memcpy(data, text, static_cast<size_t>(length));
    data[length] = 0;
}

XString::XString(const XString& other) : XString(other.capacity, 0)
{
    length = other.length;
    std::memcpy(data, other.data, static_cast<size_t>(length) + 1);
}

XString& XString::operator=(const XString& other)
{
    Copy(other);
    return *this;
}

XString::~XString()
{
    FreeText(data, capacity);
}

void XString::Reallocate(int newCapacity)
{
    char* fresh = AllocateText(newCapacity);
    std::memcpy(fresh, data, static_cast<size_t>(length) + 1);
    FreeText(data, capacity);
    data = fresh;
    capacity = newCapacity;
}

void XString::ShrinkIfSlack()
{
    if (length < capacity - kShrinkSlack)
        Reallocate(length + kHeadroom);
}

int XString::Assign(const char* text, int len)
{
    len = ClampLength(text, len);
    if (len >= capacity || len < capacity - kShrinkSlack) {
        // The text may lie inside our own buffer: copy before freeing it.
        char* fresh = AllocateText(len + kHeadroom);
        if (len)
            std::memcpy(fresh, text, static_cast<size_t>(len));
        FreeText(data, capacity);
        data = fresh;
        capacity = len + kHeadroom;
    } else if (len) {
        std::memmove(data, text, static_cast<size_t>(len));
    }
    length = len;
    data[length] = 0;
    return 1;
}

void XString::Copy(const XString& other)
{
    if (&other != this)
        Assign(other.data, other.length);
}

int XString::Append(const char* text, int len)
{
    len = ClampLength(text, len);
    if (len == 0)
        return 0;
    if (length + len < capacity) {
        std::memmove(data + length, text, static_cast<size_t>(len));
    } else {
        char* fresh = AllocateText(length + len + kHeadroom);
        std::memcpy(fresh, data, static_cast<size_t>(length));
        std::memcpy(fresh + length, text, static_cast<size_t>(len));
        FreeText(data, capacity);
        data = fresh;
        capacity = length + len + kHeadroom;
    }
    length += len;
    data[length] = 0;
    return 1;
}

XString& XString::AppendString(const XString& other)
{
    Append(other.data, other.length);
    return *this;
}

int XString::AppendChar(char c)
{
    if (length + 1 >= capacity)
        Reallocate(length + 1 + kHeadroom);
    data[length++] = c;
    data[length] = 0;
    return 1;
}

int XString::Erase(int pos, int count)
{
    if (pos < 0 || count <= 0 || pos > length || count > length - pos)
        return 0;
    std::memmove(data + pos, data + pos + count, static_cast<size_t>(length - pos - count) + 1);
    length -= count;
    ShrinkIfSlack();
    return 1;
}

int ReplaceChars(char* text, size_t length, char from, char to)
{
    // Eight bytes at a time and without a branch on the bytes: the class
    // reader turns all its texts from '/' to '.' this way, and a test per
    // byte or per word mispredicts on names.
    const uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const uint64_t wanted = 0x0101010101010101ULL * static_cast<unsigned char>(from);
    const uint64_t change = static_cast<unsigned char>(from ^ to);
    int replaced = 0;
    size_t i = 0;
    for (; length - i >= 8; i += 8) {
        uint64_t word;
        std::memcpy(&word, text + i, 8);
        const uint64_t x = word ^ wanted;
        // 0x80 in exactly the bytes of x that are zero: the matches.
        const uint64_t matches = ~(((x & kLow7) + kLow7) | x | kLow7);
        const uint64_t ones = matches >> 7;  // 1 in each matching byte
        replaced += static_cast<int>((ones * 0x0101010101010101ULL) >> 56);
        word ^= ones * change;
        std::memcpy(text + i, &word, 8);
    }
    for (; i < length; ++i) {
        const bool match = text[i] == from;
        replaced += match;
        text[i] = match ? to : text[i];
    }
    return replaced;
}

int XString::ReplaceChar(char from, char to)
{
    // Most strings hold none: finding that out needs no writes.
    if (length == 0 || !std::memchr(data, from, static_cast<size_t>(length)))
        return 0;
    return ReplaceChars(data, static_cast<size_t>(length), from, to);
}

int XString::Replace(const char* from, const char* to)
{
    if (!from || !*from || !to || !*to)
        return 0;
    const int fromLen = static_cast<int>(std::strlen(from));
    const int toLen = static_cast<int>(std::strlen(to));

    if (fromLen == toLen) {
        int count = 0;
        for (char* p = std::strstr(data, from); p; p = std::strstr(p + fromLen, from)) {
            std::memcpy(p, to, static_cast<size_t>(toLen));
            ++count;
        }
        return count;
    }

    int count = 0;
    for (const char* p = std::strstr(data, from); p; p = std::strstr(p + fromLen, from))
        ++count;
    if (count == 0)
        return 0;

    const int newLength = length + (toLen - fromLen) * count;
    char* fresh = AllocateText(newLength + kHeadroom);
    char* out = fresh;
    const char* in = data;
    for (const char* p = std::strstr(in, from); p; p = std::strstr(in, from)) {
        std::memcpy(out, in, static_cast<size_t>(p - in));
        out += p - in;
        std::memcpy(out, to, static_cast<size_t>(toLen));
        out += toLen;
        in = p + fromLen;
    }
    std::memcpy(out, in, static_cast<size_t>(data + length - in) + 1);
    FreeText(data, capacity);
    data = fresh;
    length = newLength;
    capacity = newLength + kHeadroom;
    return count;
}

char XString::LastChar() const
{
    return length ? data[length - 1] : 0;
}

int XString::SetLastChar(char c)
{
    if (!length)
        return 0;
    data[length - 1] = c;
    return 1;
}

int XString::RemoveLast()
{
    if (!length)
        return 0;
    data[--length] = 0;
    ShrinkIfSlack();
    return 1;
}

int XString::CompareN(const char* text, int n) const
{
    if (!text)
        return length ? 1 : 0;
    if (n < 0)
        n = static_cast<int>(std::strlen(text));
    return std::strncmp(data, text, static_cast<size_t>(n));
}

XString XString::Concat(const XString& a, const XString& b)
{
    const int total = a.length + b.length;
    XString result(total < a.capacity ? a.capacity : total + kHeadroom, 0);
    std::memcpy(result.data, a.data, static_cast<size_t>(a.length));
    std::memcpy(result.data + a.length, b.data, static_cast<size_t>(b.length));
    result.length = total;
    result.data[total] = 0;
    return result;
}

XString XString::ConcatChar(char c, const XString& s)
{
    XString result(s.length <= 99 ? 101 : s.length + 101, 0);
    result.data[0] = c;
    std::memcpy(result.data + 1, s.data, static_cast<size_t>(s.length));
    result.length = s.length + 1;
    result.data[result.length] = 0;
    return result;
}
