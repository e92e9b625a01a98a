#include "classfile/class_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "class_bytes.h"

namespace {

using namespace class_bytes;

// Parses from a heap block of exactly the data's size, so any read or write
// beyond the data is caught by the address sanitizer.
int ParseExact(ClassFile& file, const std::string& bytes, int* code)
{
    std::unique_ptr<unsigned char[]> exact(new unsigned char[bytes.size() + (bytes.empty() ? 1 : 0)]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return file.Parse(exact.get(), bytes.size(), code);
}

int ParseCode(const std::string& bytes)
{
    ClassFile file;
    int code = -1;
    ParseExact(file, bytes, &code);
    return code;
}

TEST(ClassFile, EveryFixtureParsesToItsEnd)
{
    std::set<int> tags;
    for (const std::string& name : FixtureClasses()) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes(FixturePath(name));
        ASSERT_FALSE(bytes.empty());
        ClassFile file;
        int code = -1;
        EXPECT_EQ(ParseExact(file, bytes, &code), 1);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(file.endedAtEnd, 1);
        EXPECT_EQ(file.magic, 0xCAFEBABEu);
        EXPECT_NE(file.GetClassName(file.this_class), nullptr);
        for (int i = 0; i < file.constantPool.Count(); ++i)
            tags.insert(file.constantPool.At(i)->tag);
    }
    // Lambdas and string joining bring MethodHandle and InvokeDynamic; the
    // module descriptor brings Module and Package.
    for (int modern : {15, 16, 18, 19, 20})
        EXPECT_TRUE(tags.count(modern)) << "tag " << modern << " not met in the fixtures";
}

// Where each stage of a hand-built file begins, for the damage table.
Stages RichStages()
{
    Stages s;
    s.SetPool({Utf8("demo/Rich"), ClassRef(1), Utf8("java/lang/Object"), ClassRef(3), Utf8("Code"),
               U1(5) + U4(1) + U4(2), Utf8("x"), Utf8("I"), U1(15) + U1(6) + U2(2), U1(18) + U2(0) + U2(8)},
              1);
    s.classHeader = U2(0x21) + U2(2) + U2(4);
    s.interfaces = Stages::List({U2(4)});
    s.fields = Stages::List({Member(2, 8, 9, {Attribute(5, "abc")})});
    s.methods = Stages::List({Member(9, 8, 9, {Attribute(5, std::string(300, 'z'))}), Member(1, 8, 9)});
    s.attributes = Stages::List({Attribute(5, "body")});
    return s;
}

TEST(ClassFile, EveryPrefixFailsWithTheStageItCutsInto)
{
    const Stages s = RichStages();
    const std::string bytes = s.Bytes();
    const int stageCodes[] = {kParseHeader, kParseConstantPool, kParseClassHeader, kParseInterfaces,
                              kParseFields, kParseMethods, kParseAttributes};
    size_t stageEnd = 0;
    int stage = -1;
    for (size_t length = 0; length < bytes.size(); ++length) {
        while (length >= stageEnd)
            stageEnd += s.InOrder()[++stage]->size();
        const int expected = length == 0 ? kParseEmpty : stageCodes[stage];
        ASSERT_EQ(ParseCode(bytes.substr(0, length)), expected) << "prefix of " << length << " bytes";
    }
    EXPECT_EQ(ParseCode(bytes), 0);

    ClassFile file;
    int code = 0;
    EXPECT_EQ(ParseExact(file, bytes + "!", &code), 0);
    EXPECT_EQ(code, kParseTrailing);
    EXPECT_EQ(file.endedAtEnd, 0);
}

TEST(ClassFile, PrefixesOfRealClassesFailInStageOrder)
{
    for (const char* name : {"classes/demo/Hello.class", "classes/module-info.class", "classes8/legacy/Legacy.class"}) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes(FixturePath(name));
        int last = kParseEmpty;
        std::set<int> seen;
        for (size_t length = 0; length < bytes.size(); ++length) {
            const int code = ParseCode(bytes.substr(0, length));
            ASSERT_GE(code, last) << "prefix of " << length << " bytes";
            ASSERT_TRUE(code == kParseEmpty || (code >= kParseHeader && code <= kParseAttributes)) << code;
            seen.insert(code);
            last = code;
        }
        EXPECT_EQ(seen.size(), 8u);  // empty and all seven stages
        EXPECT_EQ(ParseCode(bytes + std::string(1, '\0')), kParseTrailing);
    }
}

TEST(ClassFile, HeaderAndPoolEdges)
{
    Stages badMagic;
    badMagic.header = U4(0x12345678) + U2(3) + U2(45);
    badMagic.SetPool({});

    Stages zeroCount;
    zeroCount.pool = U2(0);

    Stages wideLast;  // a Long whose second slot would be the count itself
    wideLast.pool = U2(2) + U1(5) + U4(0) + U4(0);

    Stages utf8TooLong;
    utf8TooLong.pool = U2(2) + U1(1) + U2(50) + "short";

    struct Case {
        const char* what;
        std::string bytes;
        int code;
    } cases[] = {
        {"empty", "", kParseEmpty},
        {"one byte", U1(0xCA), kParseHeader},
        {"three bytes", U1(0xCA) + U2(0xFEBA), kParseHeader},
        {"any magic", badMagic.Bytes(), 0},
        {"pool count 0", zeroCount.Bytes(), kParseConstantPool},
        {"Long in the last slot", wideLast.Bytes(), kParseConstantPool},
        {"Utf8 longer than the data", utf8TooLong.Bytes(), kParseConstantPool},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCode(c.bytes), c.code) << c.what;

    ClassFile file;
    int code = -1;
    Stages emptyPool;
    emptyPool.SetPool({});
    ASSERT_EQ(ParseExact(file, emptyPool.Bytes(), &code), 1);
    EXPECT_EQ(file.constantPool.Count(), 0);
    EXPECT_EQ(file.GetConstant(1), nullptr);
}

TEST(ClassFile, ConstantTagsAndTheirSizes)
{
    struct Case {
        unsigned tag;
        std::string body;  // empty: the tag is refused
    } cases[] = {
        {0, ""}, {2, ""}, {13, ""}, {14, ""}, {21, ""}, {255, ""},
        {3, U4(7)}, {4, U4(0x3F800000)}, {7, U2(1)}, {8, U2(1)},
        {9, U2(1) + U2(1)}, {10, U2(1) + U2(1)}, {11, U2(1) + U2(1)}, {12, U2(1) + U2(1)},
        {15, U1(6) + U2(1)}, {16, U2(1)}, {17, U2(0) + U2(1)}, {18, U2(0) + U2(1)}, {19, U2(1)}, {20, U2(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        Stages s;
        if (c.body.empty()) {
            // Followed by enough bytes for any body, so only the tag decides.
            s.pool = U2(2) + U1(c.tag) + std::string(8, '\0');
            EXPECT_EQ(ParseCode(s.Bytes()), kParseConstantPool);
            continue;
        }
        s.SetPool({U1(c.tag) + c.body});
        EXPECT_EQ(ParseCode(s.Bytes()), 0);
        // One byte short of the body: the pool fails, whatever follows.
        s.pool = U2(2) + U1(c.tag) + c.body.substr(0, c.body.size() - 1);
        EXPECT_EQ(ParseCode(s.header + s.pool), kParseConstantPool);
    }

    Stages handle;
    handle.SetPool({U1(15) + U1(6) + U2(0x1234), U1(18) + U2(0xABCD) + U2(0x0102)});
    ClassFile file;
    int code = -1;
    ASSERT_EQ(ParseExact(file, handle.Bytes(), &code), 1);
    EXPECT_EQ(file.GetConstant(1)->value1, 6u);
    EXPECT_EQ(file.GetConstant(1)->value2, 0x1234u);
    EXPECT_EQ(file.GetConstant(2)->value1, 0xABCDu);
    EXPECT_EQ(file.GetConstant(2)->value2, 0x0102u);
}

TEST(ClassFile, WideConstantsTakeTwoIndexes)
{
    Stages s;
    s.SetPool({Utf8("a"), Utf8("b"), U1(5) + U4(1) + U4(2), Utf8("after")}, 1);
    ClassFile file;
    int code = -1;
    ASSERT_EQ(ParseExact(file, s.Bytes(), &code), 1);
    ASSERT_EQ(file.constantPool.Count(), 4);
    EXPECT_EQ(file.constantPool.At(3)->index, 5);
    EXPECT_EQ(file.GetConstant(3)->value2, 2u);
    EXPECT_EQ(file.GetConstant(4), nullptr);
    EXPECT_STREQ(file.GetConstant(5)->text, "after");
    EXPECT_EQ(file.GetConstant(6), nullptr);
    EXPECT_EQ(file.GetConstant(0), nullptr);
    EXPECT_EQ(file.GetConstant(-1), nullptr);
}

// The window search must agree with a plain scan for every index, whatever
// the mix of wide and narrow entries.
TEST(ClassFile, LookupAgreesWithAScanForRandomPools)
{
    std::mt19937 random(4);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> entries;
        unsigned wide = 0;
        const int n = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < n; ++i) {
            if (random() % 3 == 0) {
                entries.push_back(U1(6) + U4(i) + U4(0));
                ++wide;
            } else {
                entries.push_back(U1(3) + U4(i));
            }
        }
        Stages s;
        s.SetPool(entries, wide);
        ClassFile file;
        int code = -1;
        ASSERT_EQ(ParseExact(file, s.Bytes(), &code), 1);
        for (int index = -1; index <= file.constant_pool_count + 2; ++index) {
            const ConstantPoolEntry* scanned = nullptr;
            for (int p = 0; p < file.constantPool.Count(); ++p) {
                if (file.constantPool.At(p)->index == index)
                    scanned = file.constantPool.At(p);
            }
            ASSERT_EQ(file.GetConstant(index), scanned) << "round " << round << " index " << index;
        }
    }
}

TEST(ClassFile, AttributeLengthsBeyondTheDataFailInTheirStage)
{
    // 0xFFFFFFFF and lengths just past the data: a check written as
    // pos + length <= size would wrap on a 32-bit build.
    for (unsigned length : {0xFFFFFFFFu, 0xFFFFFFF0u, 0x80000000u, 1000u}) {
        SCOPED_TRACE(length);
        Stages s;
        s.SetPool({Utf8("Code")});
        const std::string bad = U2(1) + U4(length) + "abcd";
        Stages inField = s, inMethod = s, inClass = s;
        inField.fields = U2(1) + U2(0) + U2(1) + U2(1) + U2(1) + bad;
        inMethod.methods = U2(1) + U2(0) + U2(1) + U2(1) + U2(1) + bad;
        inClass.attributes = U2(1) + bad;
        EXPECT_EQ(ParseCode(inField.Bytes()), kParseFields);
        EXPECT_EQ(ParseCode(inMethod.Bytes()), kParseMethods);
        EXPECT_EQ(ParseCode(inClass.Bytes()), kParseAttributes);
    }
}

TEST(ClassFile, CountsAreUnsigned)
{
    Stages s;
    s.SetPool({});
    std::vector<std::string> many(40000, U2(1));
    s.interfaces = Stages::List(many);
    s.fields = Stages::List(std::vector<std::string>(33000, Member(0, 0, 0)));
    ClassFile file;
    int code = -1;
    ASSERT_EQ(ParseExact(file, s.Bytes(), &code), 1);
    EXPECT_EQ(file.interfaces.Count(), 40000);
    EXPECT_EQ(file.fields.Count(), 33000);
}

TEST(ClassFile, ParseResetsWhatAnEarlierFileLeft)
{
    const std::string first = RichStages().Bytes();
    Stages second;
    second.SetPool({Utf8("only")});
    ClassFile file;
    int code = -1;
    ASSERT_EQ(ParseExact(file, first, &code), 1);
    ASSERT_EQ(ParseExact(file, second.Bytes(), &code), 1);
    EXPECT_EQ(file.constantPool.Count(), 1);
    EXPECT_EQ(file.wideConstantCount, 0);
    EXPECT_EQ(file.interfaces.Count(), 0);
    EXPECT_EQ(file.methods.Count(), 0);
    EXPECT_STREQ(file.GetConstant(1)->text, "only");
}

TEST(ClassFile, ClassNamesAndPackageParts)
{
    ClassFile file;
    int code = -1;
    ASSERT_EQ(ParseExact(file, RichStages().Bytes(), &code), 1);
    EXPECT_STREQ(file.GetClassName(file.this_class), "demo/Rich");
    EXPECT_STREQ(file.GetClassName(file.super_class), "java/lang/Object");
    EXPECT_EQ(file.GetClassName(0), nullptr);
    EXPECT_EQ(file.GetClassName(200), nullptr);

    struct Case {
        const char* name;
        const char* before;
        const char* name_after;
        const char* package_after;
    } cases[] = {
        {"java/lang/String", "old", "String", "java/lang"},
        {"Top", "old", "Top", "old"},
        {"a/", "old", "", "a"},
        {"/b", "old", "b", ""},
    };
    for (const Case& c : cases) {
        XString name(c.name), package(c.before);
        GetPackagePart(name, package);
        EXPECT_STREQ(name.Data(), c.name_after) << c.name;
        EXPECT_STREQ(package.Data(), c.package_after) << c.name;
    }
}

}  // namespace
