#include "classfile/class_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "class_bytes.h"

namespace {

using namespace class_bytes;

struct Parsed {
    ClassFile file;
    ClassInfo info;
};

std::unique_ptr<Parsed> Load(const std::string& bytes)
{
    auto parsed = std::make_unique<Parsed>();
    std::unique_ptr<unsigned char[]> exact(new unsigned char[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    int code = -1;
    EXPECT_EQ(parsed->file.Parse(exact.get(), bytes.size(), &code), 1) << "code " << code;
    parsed->info.Fill(parsed->file);
    return parsed;
}

std::unique_ptr<Parsed> LoadFixture(const std::string& name)
{
    return Load(ReadFileBytes(FixturePath(name)));
}

std::string Joined(const StringList& list)
{
    std::string out;
    for (int i = 0; i < list.Count(); ++i)
        out += (i ? "," : "") + std::string(list.At(i)->Data());
    return out;
}

std::vector<std::string> Referenced(const ClassInfo& info)
{
    std::vector<std::string> out;
    for (int i = 0; i < info.referencedClasses.Count(); ++i)
        out.push_back(info.referencedClasses.StringAt(i)->Data());
    return out;
}

// The lines javap_expected.py derives from javap, printed from a ClassInfo.
std::vector<std::string> Describe(const ClassInfo& info)
{
    std::vector<std::string> lines = {
        "source " + std::string(info.sourceFile.Data()),
        "package " + std::string(info.package.Data()),
        "name " + std::string(info.className.Data()),
        "super " + std::string(info.superClass.Data()),
        "interfaces " + Joined(info.interfaces),
    };
    for (int i = 0; i < info.fields.Count(); ++i) {
        const MemberDesc& f = *info.fields.At(i);
        lines.push_back("field " + std::string(f.type.Data()) + " " + f.name.Data());
    }
    for (int i = 0; i < info.methods.Count(); ++i) {
        const MemberDesc& m = *info.methods.At(i);
        std::string line = "method " + std::string(m.type.Data()) + " " + m.name.Data();
        if (m.names.Count())
            line += " throws " + Joined(m.names);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

TEST(ClassInfo, AgreesWithJavapOnEveryFixture)
{
    for (const std::string& name : FixtureClasses()) {
        SCOPED_TRACE(name);
        const std::string expectedPath = "expected/" + name.substr(0, name.size() - 6) + ".expected";
        const std::vector<std::string> expected = Lines(ReadFileBytes(FixturePath(expectedPath)));
        ASSERT_FALSE(expected.empty());
        const auto parsed = LoadFixture(name);
        const std::vector<std::string> actual = Describe(parsed->info);
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            // "method~": javap hides parameters the class file has; the
            // member's return type and name must still agree.
            if (expected[i].compare(0, 7, "method~") == 0) {
                const std::string want = "method" + expected[i].substr(7, expected[i].find('(') - 7);
                EXPECT_EQ(actual[i].substr(0, actual[i].find('(')), want);
            } else {
                EXPECT_EQ(actual[i], expected[i]);
            }
        }
    }
}

TEST(ClassInfo, ReferencedClassesLieOutsideTheOwnPackageSortedByByte)
{
    const auto hello = LoadFixture("classes/demo/Hello.class");
    EXPECT_EQ(Referenced(hello->info), (std::vector<std::string>{
                                           "java.io.IOException",
                                           "java.io.Serializable",
                                           "java.lang.Integer",
                                           "java.lang.InterruptedException",
                                           "java.lang.Object",
                                           "java.lang.Runnable",
                                           "java.lang.String",
                                           "java.util.List",
                                           "java.util.function.Function",
                                       }));

    // Own-package classes (the inner ones here) are left out.
    const auto outer = LoadFixture("classes/demo/Outer.class");
    EXPECT_EQ(Referenced(outer->info), (std::vector<std::string>{"java.lang.Object"}));

    // In the default package every name with a package counts.
    const auto top = LoadFixture("classes/Top.class");
    EXPECT_EQ(Referenced(top->info), (std::vector<std::string>{"java.lang.Object", "java.lang.String"}));
}

TEST(ClassInfo, SubPackagesAndCaseOrderInTheReferencedList)
{
    Stages s;
    s.SetPool({Utf8("a/b/Me"), ClassRef(1), Utf8("a/b/C"), ClassRef(3), Utf8("a/b/c/D"), ClassRef(5),
               Utf8("javax/swing/JPanel"), ClassRef(7), Utf8("java/util/List"), ClassRef(9), Utf8("a/b/c/d"),
               ClassRef(11), Utf8("Plain"), ClassRef(13)});
    s.classHeader = U2(0x21) + U2(2) + U2(4);
    s.interfaces = Stages::List({U2(6), U2(8), U2(10), U2(12), U2(14), U2(10)});
    const auto parsed = Load(s.Bytes());
    EXPECT_EQ(Referenced(parsed->info),
              (std::vector<std::string>{"a.b.c.D", "a.b.c.d", "java.util.List", "javax.swing.JPanel"}));
    EXPECT_EQ(Joined(parsed->info.interfaces), "a.b.c.D,javax.swing.JPanel,java.util.List,a.b.c.d,Plain,java.util.List");
    EXPECT_STREQ(parsed->info.package.Data(), "a.b");
}

// Every name turns to Java form, but the source file is a file's name,
// which keeps its '/'.
TEST(ClassInfo, TheSourceFileKeepsItsSlashes)
{
    Stages s;
    s.SetPool({Utf8("p/q/K"), ClassRef(1), Utf8("SourceFile"), Utf8("src/p/q/K.java"), Utf8("f"), Utf8("Lp/r/T;")});
    s.classHeader = U2(0x21) + U2(2) + U2(0);
    s.fields = Stages::List({Member(1, 5, 6)});
    s.attributes = Stages::List({Attribute(3, U2(4))});
    const auto parsed = Load(s.Bytes());
    EXPECT_STREQ(parsed->info.sourceFile.Data(), "src/p/q/K.java");
    EXPECT_STREQ(parsed->info.package.Data(), "p.q");
    ASSERT_EQ(parsed->info.fields.Count(), 1);
    EXPECT_STREQ(parsed->info.fields.At(0)->type.Data(), "p.r.T");
    EXPECT_EQ(Referenced(parsed->info), (std::vector<std::string>{"p.r.T"}));
}

TEST(ClassInfo, InnerClassesDeclaredHere)
{
    const auto outer = LoadFixture("classes/demo/Outer.class");
    std::vector<std::string> inner;
    for (int i = 0; i < outer->info.innerClasses.Count(); ++i) {
        const InnerClassDesc& d = *outer->info.innerClasses.At(i);
        inner.push_back(std::string(d.name.Data()) + "/" + std::to_string(d.access));
    }
    EXPECT_EQ(inner, (std::vector<std::string>{"demo.Outer$1/0", "demo.Outer$Inner/0", "demo.Outer$Nested/8"}));

    // Classes of other outers listed in the attribute (MethodHandles.Lookup
    // for the lambdas, Map.Entry) are neither inner classes nor references.
    const auto hello = LoadFixture("classes/demo/Hello.class");
    EXPECT_EQ(hello->info.innerClasses.Count(), 0);
    const auto nested = LoadFixture("classes/demo/Outer$Nested.class");
    EXPECT_EQ(nested->info.innerClasses.Count(), 0);
}

TEST(ClassInfo, DescriptorDecoding)
{
    struct Case {
        const char* kind;  // T: DecodeType, O: DecodeObjectType, P: DecodeParameters
        const char* descriptor;
        const char* text;
    } cases[] = {
        {"T", "BCDFIJSVZ", "byte,char,double,float,int,long,short,void,boolean"},
        {"T", "[[I", "int[][]"},
        {"T", "I[JQ", "int,long[],Q"},
        {"O", "Ljava/lang/String", "java/lang/String"},
        {"O", "[[La/B", "a/B[][]"},
        {"P", "IJLjava/util/Map$Entry", "int,long,java/util/Map$Entry"},
        {"P", "[I[[Lx/Y", "int[],x/Y[][]"},
        {"P", "Lx/Y", "x/Y"},
        {"P", "ZZ", "boolean,boolean"},
    };
    for (const Case& c : cases) {
        ClassInfo info;
        XString out;
        const int n = static_cast<int>(std::strlen(c.descriptor));
        if (c.kind[0] == 'T')
            info.DecodeType(c.descriptor, n, out);
        else if (c.kind[0] == 'O')
            info.DecodeObjectType(c.descriptor, n, out);
        else
            info.DecodeParameters(c.descriptor, n, out);
        EXPECT_STREQ(out.Data(), c.text) << c.descriptor;
    }
}

// Bodies shorter than what they declare, descriptors without ')' and names
// that resolve to nothing: read nothing outside the data, keep going.
TEST(ClassInfo, DamagedBodiesReadNothingOutside)
{
    Stages s;
    s.SetPool({Utf8("d/K"), ClassRef(1), Utf8("SourceFile"), Utf8("InnerClasses"), Utf8("Exceptions"),
               Utf8("run"), Utf8("(I[Ljava/lang/String"), Utf8("(J)"), Utf8("Ljava/lang/Thread;")});
    s.classHeader = U2(0x21) + U2(2) + U2(0);
    s.fields = Stages::List({Member(2, 6, 9), Member(1, 6, 99), Member(1, 0, 9)});
    s.methods = Stages::List({Member(9, 6, 7, {Attribute(5, U2(200) + U2(2))}), Member(1, 6, 8),
                              Member(1, 77, 8), Member(1, 6, 0)});
    s.attributes = Stages::List({Attribute(3, U1(0)), Attribute(4, U2(9) + U2(2) + U2(0) + U2(0) + U2(8)),
                                 Attribute(4, U2(1) + U2(2) + U2(2) + U2(0)), Attribute(99, "?")});
    const auto parsed = Load(s.Bytes());
    const ClassInfo& info = parsed->info;
    EXPECT_STREQ(info.sourceFile.Data(), "");
    EXPECT_STREQ(info.superClass.Data(), "");
    EXPECT_EQ(info.innerClasses.Count(), 1);  // one whole record, and one cut short
    ASSERT_EQ(info.fields.Count(), 3);
    EXPECT_STREQ(info.fields.At(0)->type.Data(), "java.lang.Thread");
    EXPECT_STREQ(info.fields.At(1)->name.Data(), "");
    EXPECT_STREQ(info.fields.At(2)->type.Data(), "");
    ASSERT_EQ(info.methods.Count(), 2);
    EXPECT_STREQ(info.methods.At(0)->name.Data(), "run(int,java.lang.String[])");
    EXPECT_STREQ(info.methods.At(0)->type.Data(), "");
    EXPECT_EQ(Joined(info.methods.At(0)->names), "d.K");
    EXPECT_STREQ(info.methods.At(1)->name.Data(), "run(long)");
}

}  // namespace
