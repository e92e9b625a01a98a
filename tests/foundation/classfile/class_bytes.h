#pragma once

#include <string>
#include <vector>

#include "support/test_files.h"

// Hand-built class files: each stage's bytes kept apart so a test knows
// exactly where one stage ends and the next begins.
namespace class_bytes {

inline std::string U1(unsigned v) { return std::string(1, static_cast<char>(v & 0xFF)); }
inline std::string U2(unsigned v) { return U1(v >> 8) + U1(v); }
inline std::string U4(unsigned v) { return U2(v >> 16) + U2(v); }
inline std::string Utf8(const std::string& text) { return U1(1) + U2(static_cast<unsigned>(text.size())) + text; }
inline std::string ClassRef(unsigned nameIndex) { return U1(7) + U2(nameIndex); }
inline std::string Attribute(unsigned nameIndex, const std::string& body)
{
    return U2(nameIndex) + U4(static_cast<unsigned>(body.size())) + body;
}
inline std::string Member(unsigned access, unsigned name, unsigned descriptor, const std::vector<std::string>& attributes = {})
{
    std::string out = U2(access) + U2(name) + U2(descriptor) + U2(static_cast<unsigned>(attributes.size()));
    for (const std::string& a : attributes)
        out += a;
    return out;
}

struct Stages {
    std::string header = U4(0xCAFEBABE) + U2(0) + U2(61);
    std::string pool;              // count and entries
    std::string classHeader = U2(0x21) + U2(0) + U2(0);
    std::string interfaces = U2(0);
    std::string fields = U2(0);
    std::string methods = U2(0);
    std::string attributes = U2(0);

    // Pool from entries: count is entries + 1 + the extra slots of wide ones.
    void SetPool(const std::vector<std::string>& entries, unsigned wide = 0)
    {
        pool = U2(static_cast<unsigned>(entries.size()) + 1 + wide);
        for (const std::string& e : entries)
            pool += e;
    }
    static std::string List(const std::vector<std::string>& items)
    {
        std::string out = U2(static_cast<unsigned>(items.size()));
        for (const std::string& i : items)
            out += i;
        return out;
    }
    std::vector<const std::string*> InOrder() const
    {
        return {&header, &pool, &classHeader, &interfaces, &fields, &methods, &attributes};
    }
    std::string Bytes() const
    {
        std::string out;
        for (const std::string* s : InOrder())
            out += *s;
        return out;
    }
};

inline std::string FixturePath(const std::string& relative)
{
    return TestDataPath("foundation/classfile/fixtures/" + relative);
}

inline std::vector<std::string> FixtureClasses()
{
    std::vector<std::string> list;
    std::string all = ReadFileBytes(FixturePath("classes.list"));
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        if (end > start)
            list.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return list;
}

}  // namespace class_bytes
