// Outlines of classes that javac really compiles, against checked-in goldens:
// interfaces, abstract and native members, initializers, the default package,
// every kind of nested class, and constructors declared between methods.
#include "class_outline.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/test_files.h"

namespace {

const char* const kSources[] = {"Hello", "Both", "Shape", "Natives", "Init", "Plain", "Outer", "Mixed"};

class ClassOutlineOfCompiledClasses : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!*QUENLOW_JAVAC)
            return;
        classes = ScratchPath("outline-classes");
        std::string command = std::string("mkdir -p '") + classes + "' && '" + QUENLOW_JAVAC + "' -d '" + classes + "'";
        for (const char* source : kSources)
            command += " '" + TestDataPath(std::string("dovrekell/outline/") + source + ".java") + "'";
        command += " >'" + classes + "/javac.log' 2>&1";
        compiled = std::system(command.c_str()) == 0;
    }

    void SetUp() override
    {
        if (!*QUENLOW_JAVAC)
            GTEST_SKIP() << "no javac found when the build was configured";
        ASSERT_TRUE(compiled) << ReadFileBytes(classes + "/javac.log");
    }

    static std::string Outline(const std::string& classFile)
    {
        const std::string bytes = ReadFileBytes(classes + "/" + classFile);
        ClassOutline outline;
        if (!outline.Parse(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
            return "(not parsed)";
        const XString text = outline.Write(nullptr, true, true, nullptr);
        return std::string(text.Data(), static_cast<size_t>(text.Length()));
    }

    static std::string classes;
    static bool compiled;
};

std::string ClassOutlineOfCompiledClasses::classes;
bool ClassOutlineOfCompiledClasses::compiled = false;

TEST_F(ClassOutlineOfCompiledClasses, HelloPrintsTheWholeOutline)
{
    const char* const expected =
        "//file: Hello.java\n"
        "\n"
        "\n"
        "package demo;\n"
        "\n"
        "import java.lang.Object;\n"
        "import java.lang.String;\n"
        "\n"
        "public class Hello extends Object \n"
        "{\n"
        "\t//field\n"
        "\tprivate int count;\n"
        "\n"
        "\t//constructor\n"
        "\tpublic void Hello()\n"
        "\t{\n"
        "\t}\n"
        "\n"
        "\t//method\n"
        "\tpublic static void main(String[] s0)\n"
        "\t{\n"
        "\t}\n"
        "}\n";
    EXPECT_EQ(Outline("demo/Hello.class"), expected);
}

TEST_F(ClassOutlineOfCompiledClasses, OutlinesEqualTheirGoldens)
{
    // class file below the compiled folder, golden below tests/dovrekell/outline
    const struct {
        const char* classFile;
        const char* golden;
    } cases[] = {
        {"demo/Both.class", "Both.txt"},                     // two super interfaces
        {"demo/Shape.class", "Shape.txt"},                   // abstract, bridge method
        {"demo/Natives.class", "Natives.txt"},               // native method
        {"demo/Init.class", "Init.txt"},                     // static initializer left out
        {"Plain.class", "Plain.txt"},                        // default package
        {"demo/Outer.class", "Outer.txt"},
        {"demo/Outer$Inner.class", "Outer_Inner.txt"},       // synthetic this$0 hidden
        {"demo/Outer$1.class", "Outer_1.txt"},               // anonymous keeps its name
        {"demo/Outer$Nested.class", "Outer_Nested.txt"},     // its one field shows
        {"demo/Outer$Member.class", "Outer_Member.txt"},     // its own nested class shows
        {"demo/Mixed.class", "Mixed.txt"},                   // each run of methods or constructors under its header
        {"demo/Mixed$Part.class", "Mixed_Part.txt"},         // an abstract method, then a constructor with a body
    };
    for (const auto& c : cases) {
        const std::string golden = ReadFileBytes(TestDataPath(std::string("dovrekell/outline/") + c.golden));
        ASSERT_FALSE(golden.empty()) << c.golden;
        EXPECT_EQ(Outline(c.classFile), golden) << c.classFile;
    }
}

}  // namespace
