#pragma once

#include <cstddef>

// Growable single-byte string. The buffer always exists and is always
// NUL-terminated; its capacity stays above the length. Growth keeps 100 bytes
// of headroom, and an assignment that would leave more than 200 bytes spare
// gives the memory back.
class XString {
public:
    static constexpr int kHeadroom = 100;
    static constexpr int kShrinkSlack = 200;

    XString();
    XString(const char* text, int length = -1);
    XString(const XString& other);            // same length and capacity
    XString& operator=(const XString& other); // Copy
    ~XString();

    const char* Data() const { return data; }
    int Length() const { return length; }
    int Capacity() const { return capacity; }
    bool IsEmpty() const { return length == 0; }
    char operator[](int i) const { return data[i]; }

    // Negative length: the whole text; beyond the NUL: cut to it; null text: 0.
    static int ClampLength(const char* text, int length);

    int Assign(const char* text, int length = -1);
    void Copy(const XString& other);
    int Append(const char* text, int length = -1);
    XString& AppendString(const XString& other);
    int AppendChar(char c);
    int Erase(int pos, int count);
    int ReplaceChar(char from, char to);
    int Replace(const char* from, const char* to);
    char LastChar() const;
    int SetLastChar(char c);
    int RemoveLast();
    int CompareN(const char* text, int n = -1) const;

    static XString Concat(const XString& a, const XString& b);
    static XString ConcatChar(char c, const XString& s);

private:
    XString(int capacityWanted, int);  // empty text of the given capacity
    void Reallocate(int newCapacity);   // keeps the text
    void ShrinkIfSlack();

    char* data;
    int length;
    int capacity;
};

// Turns each byte equal to from in text[0, length) into to; gives how many.
int ReplaceChars(char* text, size_t length, char from, char to);
