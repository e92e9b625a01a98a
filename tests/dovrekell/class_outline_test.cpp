// The outline's name rules on texts the reader can hand it, damaged ones
// included.
#include "class_outline.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassOutlineNames, MethodDisplayNames)
{
    const struct {
        const char* className;
        const char* methodText;
        const char* expected;
    } cases[] = {
        {"Hello", "main(java.lang.String[])", "main(String[] s0)"},
        {"Point", "<init>(int,java.lang.String)", "Point(int i0,String s1)"},
        {"Point", "run()", "run()"},
        {"Outer$Inner", "<init>(demo.Outer)", "Outer$Inner(Outer o0)"},
        {"X", "f( java.util.Map$Entry,[B)", "f(Map$Entry m0,[B [1)"},
        {"X", "f(int", "f(int i0)"},          // no closing parenthesis
        {"X", "noParenthesis", "noParenthesis()"},
        {"X", "f(,)", "f(,)"},                // empty types print nothing
        {"X", "<init>x()", "<init>x()"},      // only the exact name is a constructor
    };
    for (const auto& c : cases)
        EXPECT_STREQ(MethodDisplayName(c.className, c.methodText).Data(), c.expected) << c.methodText;
}

TEST(ClassOutlineNames, ShortNames)
{
    const struct {
        const char* name;
        bool stripOuter;
        const char* expected;
    } cases[] = {
        {"java.lang.String[]", false, "String[]"},
        {"int", false, "int"},
        {"demo.Outer$Inner", true, "Inner"},
        {"demo.Outer$Inner", false, "Outer$Inner"},
        {"demo.Outer$1", true, "Outer$1"},
        {"demo.Outer$Member$Deep", true, "Member$Deep"},
        {"Outer$", true, ""},
        {"demo.", false, ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(ShortName(c.name, c.stripOuter).Data(), c.expected) << c.name;
}

TEST(ClassOutlineNames, AccessWords)
{
    EXPECT_STREQ(AccessWords(0x0021, true).Data(), "public ");                 // super is not synchronized
    EXPECT_STREQ(AccessWords(0x0021, false).Data(), "public synchronized ");
    EXPECT_STREQ(AccessWords(0x0601, false).Data(), "public abstract ");      // interface never printed
    EXPECT_STREQ(AccessWords(0x0FFF, false).Data(),
                 "public private protected static final synchronized volatile transient native abstract strict_ ");
    EXPECT_STREQ(AccessWords(0x1000, false).Data(), "");
}

TEST(ClassOutlineParse, DamagedClassesAreRefused)
{
    const unsigned char notAClass[] = {'P', 'K', 3, 4};
    ClassOutline outline;
    EXPECT_EQ(outline.Parse(notAClass, sizeof notAClass), 0);
    EXPECT_EQ(outline.Parse(notAClass, 0), 0);
}

}  // namespace
