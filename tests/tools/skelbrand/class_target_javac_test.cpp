// Class kinds and run checks over classes the machine's javac compiles, for
// an old target and for today's defaults (records, lambdas, indy strings).
#include "class_target.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "support/test_files.h"

namespace {

struct Source {
    const char* path;  // below the source folder
    const char* text;
};

const Source kOldSources[] = {
    {"p/q/App.java", "package p.q; public class App { public static void main(String[] a) {} }"},
    {"p/q/Ap.java", "package p.q; public class Ap extends java.applet.Applet {}"},
    {"p/Both.java", "package p; public class Both extends javax.swing.JApplet {"
                    " public static void main(String... a) {} int size; }"},
    {"Gen.java", "public class Gen { void main(String[] a) {} }"},
};
const Source kTodaySources[] = {
    {"p/Rec.java", "package p; public record Rec(int x) { public static void main(String[] a) {"
                   " Runnable r = () -> System.out.println(\"x=\" + a.length); r.run(); } }"},
    {"Top.java", "public class Top { public static void main(String[] a) {} }"},
};

class ClassTargetOfCompiledClasses : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!*QUENLOW_JAVAC)
            return;
        root = ScratchPath("classes");
        const std::string sources = ScratchPath("src");
        compiled = Compile(sources, "--release 8 -nowarn", kOldSources, 4) &&
                   Compile(sources, "", kTodaySources, 2);
        if (!compiled)
            return;
        const std::string app = ReadFileBytes(root + "/p/q/App.class");
        compiled = std::system(("mkdir -p '" + root + "/q' '" + root + "/P/q'").c_str()) == 0 &&
                   WriteFileBytes(root + "/q/App.class", app) && WriteFileBytes(root + "/P/q/App.class", app) &&
                   WriteFileBytes(root + "/p/q/Cut.class", app.substr(0, app.size() - 3)) &&
                   WriteFileBytes(root + "/p/q/Long.class", app + "x") &&
                   WriteFileBytes(root + "/p/q/Empty.class", "");
    }

    static bool Compile(const std::string& sources, const std::string& options, const Source* list, int count)
    {
        std::string files;
        for (int i = 0; i < count; ++i) {
            const std::string path = sources + "/" + list[i].path;
            const std::string folder = path.substr(0, path.rfind('/'));
            if (std::system(("mkdir -p '" + folder + "'").c_str()) != 0 || !WriteFileBytes(path, list[i].text))
                return false;
            files += " '" + path + "'";
        }
        const std::string log = sources + "/javac.log";
        const std::string command =
            std::string("'") + QUENLOW_JAVAC + "' " + options + " -d '" + root + "'" + files + " >'" + log + "' 2>&1";
        const bool ok = std::system(command.c_str()) == 0;
        if (!ok)
            ADD_FAILURE() << ReadFileBytes(log);
        return ok;
    }

    void SetUp() override
    {
        if (!*QUENLOW_JAVAC)
            GTEST_SKIP() << "no javac found when the build was configured";
        ASSERT_TRUE(compiled);
    }

    static std::string root;
    static bool compiled;
};

std::string ClassTargetOfCompiledClasses::root;
bool ClassTargetOfCompiledClasses::compiled = false;

TEST_F(ClassTargetOfCompiledClasses, KindOfEveryFile)
{
    const struct {
        const char* path;
        int kind;
    } cases[] = {
        {"p/q/App.class", kClassApplication},  {"p/q/Ap.class", kClassApplet},
        {"p/Both.class", kClassBoth},          {"Gen.class", kClassGeneral},
        {"p/Rec.class", kClassApplication},    {"Top.class", kClassApplication},
        {"q/App.class", kClassPackageError},   {"P/q/App.class", kClassPackageError},
        {"p/q/Cut.class", kClassFormatError},  {"p/q/Long.class", kClassFormatError},
        {"p/q/Empty.class", kClassFormatError}, {"p/q/Missing.class", kClassFormatError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyClassFile((root + "/" + c.path).c_str()), c.kind) << c.path;
}

TEST_F(ClassTargetOfCompiledClasses, RunChecksWithTheirTexts)
{
    const struct {
        const char* path;
        int wantApplication;
        int ok;
        const char* text;  // the class root below root, or the error
        const char* name;
    } cases[] = {
        {"p/q/App.class", 1, 1, "", "p.q.App"},
        {"p/Rec.class", 1, 1, "", "p.Rec"},
        {"p/Both.class", 0, 1, "", "p.Both"},
        {"p/q/Ap.class", 0, 1, "", "p.q.Ap"},
        {"p/q/Ap.class", 1, 0, "the class is not an application", "p.q.Ap"},
        {"p/q/App.class", 0, 0, "the class is not an applet", "p.q.App"},
        {"q/App.class", 1, 0, "wrong qualify with p.q.App", "p.q.App"},
        {"p/q/Cut.class", 1, 0, "can not read the class", ""},
        {"p/q/Missing.class", 1, 0, "can not read the class", ""},
    };
    for (const auto& c : cases) {
        DebugTarget target;
        target.valid = 1;
        XString classRoot;
        XString className;
        XString error;
        const int ok = ClassCheck((root + "/" + c.path).c_str(), c.wantApplication, classRoot, className, target, error);
        EXPECT_EQ(ok, c.ok) << c.path;
        EXPECT_EQ(target.valid, c.ok) << c.path;
        EXPECT_STREQ(className.Data(), c.name) << c.path;
        if (ok) {
            EXPECT_EQ(std::string(classRoot.Data()), root) << c.path;
            EXPECT_STREQ(target.className.Data(), c.name);
        } else {
            EXPECT_STREQ(error.Data(), c.text) << c.path;
        }
    }
    DebugTarget both;
    XString classRoot;
    XString className;
    XString error;
    ASSERT_EQ(ClassCheck((root + "/p/Both.class").c_str(), 1, classRoot, className, both, error), 1);
    ASSERT_EQ(both.fieldNames.Count(), 1);
    EXPECT_STREQ(both.fieldNames.At(0)->Data(), "size");
    EXPECT_GE(both.methodNames.Count(), 2);
}

// A class without a package in the root of a drive: its root keeps the
// backslash, since "D:" alone names the drive's current folder.
TEST_F(ClassTargetOfCompiledClasses, ClassInTheRootOfADrive)
{
    const std::string folder = ScratchPath("drive");
    ASSERT_EQ(std::system(("mkdir -p '" + folder + "'").c_str()), 0);
    ASSERT_TRUE(WriteFileBytes(folder + "/D:\\Top.class", ReadFileBytes(root + "/Top.class")));
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    EXPECT_EQ(ClassifyClassFile("D:\\Top.class"), kClassApplication);
    DebugTarget target;
    XString classRoot;
    XString className;
    XString error;
    EXPECT_EQ(ClassCheck("D:\\Top.class", 1, classRoot, className, target, error), 1) << error.Data();
    EXPECT_STREQ(classRoot.Data(), "D:\\");
    EXPECT_STREQ(className.Data(), "Top");
    ASSERT_EQ(chdir(previous), 0);
}

}  // namespace
