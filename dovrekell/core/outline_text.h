#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>

// The text of an outline while it is written. Each append checks the room
// inline and copies; a std::string's append goes through the library for
// every piece, and an outline is thousands of small pieces.
class OutlineText {
public:
    OutlineText() : data(Allocate(kFirstCapacity)), capacity(kFirstCapacity) {}
    OutlineText(const OutlineText&) = delete;
    OutlineText& operator=(const OutlineText&) = delete;
    ~OutlineText() { std::free(data); }

    void Clear() { length = 0; }
    const char* Data() const { return data; }
    size_t Length() const { return length; }

    void Append(const char* text, size_t n)
    {
        if (capacity - length < n)
            Grow(n);
        std::memcpy(data + length, text, n);
        length += n;
    }
    // For string literals: the length is known where it is written.
    template <size_t N>
    void Append(const char (&literal)[N])
    {
        Append(literal, N - 1);
    }
    void Append(char c)
    {
        if (capacity == length)
            Grow(1);
        data[length++] = c;
    }
    void AppendString(const char* text) { Append(text, std::strlen(text)); }

private:
    static constexpr size_t kFirstCapacity = 4096;

    static char* Allocate(size_t size)
    {
        char* block = static_cast<char*>(std::malloc(size));
        if (!block)
            std::abort();  // like the strings, the outline assumes memory is there
        return block;
    }

    // Room for at least more bytes after the text.
    void Grow(size_t more)
    {
        size_t wanted = capacity * 2;
        if (wanted - length < more)
            wanted = length + more;
        char* fresh = Allocate(wanted);
        std::memcpy(fresh, data, length);
        std::free(data);
        data = fresh;
        capacity = wanted;
    }

    char* data;
    size_t length = 0;
    size_t capacity;
};
