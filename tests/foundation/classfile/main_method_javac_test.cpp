// The main-method check over classes that real compilers make: the flags and
// versions javac writes, not hand-built ones.
#include "classfile/class_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/test_files.h"

namespace {

struct Compiled {
    bool ok = false;
    std::string log;
    int isApplication = -1;
};

// Compiles one source file into its own folder and checks the class it names.
Compiled CompileAndCheck(const char* javac, const std::string& options, const std::string& className,
                         const std::string& source, const std::string& folder)
{
    Compiled result;
    const std::string dir = ScratchPath(folder);
    const std::string sourcePath = dir + "/" + className + ".java";
    const std::string logPath = dir + "/javac.log";
    if (std::system(("mkdir -p '" + dir + "'").c_str()) != 0 || !WriteFileBytes(sourcePath, source))
        return result;
    const std::string command = std::string("'") + javac + "' " + options + " -d '" + dir + "' '" + sourcePath +
                                "' >'" + logPath + "' 2>&1";
    const int status = std::system(command.c_str());
    result.log = ReadFileBytes(logPath);
    if (status != 0)
        return result;
    const std::string bytes = ReadFileBytes(dir + "/" + className + ".class");
    ClassInfo info;
    int isApplet = 0;
    result.ok = ClassifyClass(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), info,
                              &result.isApplication, &isApplet) == 1;
    return result;
}

struct Case {
    const char* what;
    const char* options;
    const char* className;
    const char* source;
    int application;
};

void CheckAll(const char* javac, const Case* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Case& c = cases[i];
        const Compiled got = CompileAndCheck(javac, c.options, c.className, c.source, "javac-" + std::to_string(i));
        ASSERT_TRUE(got.ok) << c.what << ": " << got.log;
        EXPECT_EQ(got.isApplication, c.application) << c.what;
    }
}

constexpr char kInstanceMain[] = "class Instance { void main() { System.out.println(1); } }\n";

// The release of the cases before Java 25, named so that a newer javac first
// on the PATH makes the same classes; the suite's JDK and every later one
// compile for it.
constexpr char kBeforeJava25[] = "--release 17";

TEST(MainMethodOfCompiledClasses, VarargsMainIsAnApplication)
{
    const char* javac = QUENLOW_JAVAC;
    if (!*javac)
        GTEST_SKIP() << "no javac found when the build was configured";
    const Case cases[] = {
        {"main(String... args)", kBeforeJava25, "Varargs",
         "public class Varargs { public static void main(String... args) { } }\n", 1},
        {"main(String[] args)", kBeforeJava25, "Plain",
         "public class Plain { public static void main(String[] args) { } }\n", 1},
        {"instance main before Java 25", kBeforeJava25, "Instance", kInstanceMain, 0},
    };
    CheckAll(javac, cases, sizeof cases / sizeof cases[0]);
}

TEST(MainMethodOfCompiledClasses, Java25InstanceMainIsAnApplication)
{
    const char* javac = QUENLOW_JAVAC_25;
    if (!*javac)
        GTEST_SKIP() << "no JDK 25 javac found when the build was configured (looked in /usr/lib/jvm/*25*/bin; "
                        "set QUENLOW_JAVAC_25 to point at one)";
    const Case cases[] = {
        {"instance void main()", "", "Instance", kInstanceMain, 1},
        {"a compact source file's main", "", "Compact", "void main() { IO.println(1); }\n", 1},
        {"private void main()", "", "Hidden", "class Hidden { private void main() { } }\n", 0},
        {"the same source at release 21", "--release 21", "Instance", kInstanceMain, 0},
    };
    CheckAll(javac, cases, sizeof cases / sizeof cases[0]);
}

}  // namespace
