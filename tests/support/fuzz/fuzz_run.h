#pragma once

// A seeded mutation run shared by the fuzz drivers. Each driver gives its
// seeds and one exercise of an input; the run mutates inputs for a number of
// seconds, counts the exercise's outcome codes and stops at the first broken
// property (FuzzFail), sanitizer report, or input that takes more than a
// second of this thread's own CPU time (a busy machine does not slow that).
//
//   <driver> <seconds> <seed> [seed file]...   a run
//   <driver> replay <file>                     one input again
#include <cstddef>
#include <string>
#include <vector>

using FuzzBytes = std::vector<unsigned char>;

struct FuzzTarget {
    const char* name;
    std::vector<FuzzBytes> seeds;           // used besides the files given
    std::vector<std::string> dictionary;    // tokens of the format, inserted whole
    std::vector<unsigned char> markBytes;   // bytes of the format set into place
    int (*exercise)(const unsigned char* data, size_t size);
};

int RunFuzz(int argc, char** argv, const FuzzTarget& target);

// Reports a broken property of the input being exercised and ends the run.
[[noreturn]] void FuzzFail(const char* what, const std::string& detail = std::string());

// Fuzz-derived values: reads a structured case from the input's bytes.
class FuzzReader {
public:
    FuzzReader(const unsigned char* data, size_t size) : data(data), size(size) {}
    bool More() const { return pos < size; }
    unsigned Byte() { return pos < size ? data[pos++] : 0; }
    unsigned Below(unsigned n) { return n ? Byte() % n : 0; }
    bool Flag() { return Byte() & 1; }
    // A text of at most max bytes: a length byte, then the bytes.
    std::string Text(size_t max = 64);

private:
    const unsigned char* data;
    size_t size;
    size_t pos = 0;
};
