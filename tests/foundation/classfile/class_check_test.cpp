#include "classfile/class_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "class_bytes.h"

#ifdef _WIN32
#include <direct.h>
#define MakeDir(path) _mkdir(path)
constexpr char kSep = '\\';
#else
#include <sys/stat.h>
#define MakeDir(path) mkdir(path, 0755)
constexpr char kSep = '/';
#endif

namespace {

using namespace class_bytes;

struct Classified {
    ClassInfo info;
    int ok = 0;
    int isApplication = -1;
    int isApplet = -1;
};

std::unique_ptr<Classified> Classify(const std::string& fixture)
{
    const std::string bytes = ReadFileBytes(FixturePath(fixture));
    auto c = std::make_unique<Classified>();
    c->ok = ClassifyClass(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), c->info,
                          &c->isApplication, &c->isApplet);
    return c;
}

TEST(ClassCheck, ApplicationsAndApplets)
{
    struct Case {
        const char* fixture;
        int application;
        int applet;
    } cases[] = {
        {"classes/demo/Hello.class", 1, 0},
        {"classes/Top.class", 1, 0},
        {"classes/demo/FinalMain.class", 0, 0},  // access 0x19, not 9
        {"classes/demo/IntMain.class", 0, 0},    // java refuses a main that returns int
        {"classes/demo/Swinger.class", 0, 1},
        {"classes/demo/Both.class", 1, 1},
        {"classes8/legacy/Legacy.class", 1, 1},  // java.applet.Applet, release 8
        {"classes8/legacy/Legacy$Item.class", 0, 0},
        {"classes/demo/Shape.class", 0, 0},
        {"classes/module-info.class", 0, 0},
    };
    for (const Case& c : cases) {
        const auto got = Classify(c.fixture);
        EXPECT_EQ(got->ok, 1) << c.fixture;
        EXPECT_EQ(got->isApplication, c.application) << c.fixture;
        EXPECT_EQ(got->isApplet, c.applet) << c.fixture;
    }
}

TEST(ClassCheck, MainSignatureAllowsBlanksOnly)
{
    struct Case {
        const char* name;
        int access;
        const char* type;
        bool main;
    } cases[] = {
        {"main(java.lang.String[])", 9, "void", true},
        {"main( java.lang.String [ ] )", 9, "void", true},
        {"main(java.lang.String[])", 0x19, "void", false},
        {"main(java.lang.String[])", 0x29, "void", false},
        {"main(java.lang.String[])", 0x89, "void", true},  // main(String... args)
        {"main(java.lang.String[])", 0x99, "void", false},
        {"main()", 9, "void", false},
        {"main(java.lang.String[])", 9, "int", false},
        {"main(java.lang.String)", 9, "void", false},
        {"main(java.lang.Object[])", 9, "void", false},
        {"mainly(java.lang.String[])", 9, "void", false},
        {"main(", 9, "void", false},
    };
    for (const Case& c : cases) {
        ClassInfo info;
        MemberDesc* m = new MemberDesc;
        m->access = c.access;
        m->name.Assign(c.name);
        m->type.Assign(c.type);
        info.methods.Add(m);
        EXPECT_EQ(HasMainMethod(info), c.main) << c.name << " " << c.access << " " << c.type;
    }
}

// From class-file version 69 on, the launcher's own rules: a main() without
// parameters, and a main that is not public or not static, but never a
// private one; an instance main needs an object the launcher can make.
TEST(ClassCheck, LauncherRulesFollowTheClassFileVersion)
{
    constexpr int kPublicClass = 0x21, kAbstractClass = 0x421;
    constexpr int kNoConstructor = -1;
    struct Case {
        const char* what;
        int major;
        int classAccess;
        int constructorAccess;  // of <init>(), or kNoConstructor
        const char* name;
        int access;
        const char* type;
        bool main;
    } cases[] = {
        {"public static, version 69", 69, kPublicClass, 1, "main(java.lang.String[])", 9, "void", true},
        {"final is run from 69 on", 69, kPublicClass, 1, "main(java.lang.String[])", 0x19, "void", true},
        {"instance main()", 69, kPublicClass, 0, "main()", 0, "void", true},
        {"protected instance main(String[])", 70, kPublicClass, 0, "main(java.lang.String[])", 4, "void", true},
        {"static main() of the package", 69, kPublicClass, kNoConstructor, "main()", 8, "void", true},
        {"private main()", 69, kPublicClass, 1, "main()", 2, "void", false},
        {"private static main(String[])", 69, kPublicClass, 1, "main(java.lang.String[])", 0xA, "void", false},
        {"main() returning int", 69, kPublicClass, 1, "main()", 1, "int", false},
        {"main(String)", 69, kPublicClass, 1, "main(java.lang.String)", 1, "void", false},
        {"instance main, private constructor", 69, kPublicClass, 2, "main()", 1, "void", false},
        {"instance main, no constructor", 69, kPublicClass, kNoConstructor, "main()", 1, "void", false},
        {"instance main of an abstract class", 69, kAbstractClass, 1, "main()", 1, "void", false},
        {"instance main(), version 68", 68, kPublicClass, 1, "main()", 1, "void", false},
        {"static main() of the package, version 65", 65, kPublicClass, 1, "main()", 8, "void", false},
        {"public static main(String...), version 65", 65, kPublicClass, 1, "main(java.lang.String[])", 0x89, "void",
         true},
    };
    for (const Case& c : cases) {
        ClassInfo info;
        info.majorVersion = c.major;
        info.access = c.classAccess;
        if (c.constructorAccess != kNoConstructor) {
            MemberDesc* constructor = new MemberDesc;
            constructor->access = c.constructorAccess;
            constructor->name.Assign("<init>()");
            constructor->type.Assign("void");
            info.methods.Add(constructor);
        }
        MemberDesc* m = new MemberDesc;
        m->access = c.access;
        m->name.Assign(c.name);
        m->type.Assign(c.type);
        info.methods.Add(m);
        EXPECT_EQ(HasMainMethod(info), c.main) << c.what;
    }
}

TEST(ClassCheck, MessagesNameTheKind)
{
    struct Case {
        int application, applet;
        const char* message;
    } cases[] = {
        {0, 0, "text"},
        {1, 0, "Error on application\n\ntext"},
        {0, 1, "Error on applet\n\ntext"},
        {1, 1, "Error on application and applet\n\ntext"},
    };
    for (const Case& c : cases) {
        XString message("stale");
        ClassCheckMessage("text", c.application, c.applet, message);
        EXPECT_STREQ(message.Data(), c.message);
    }
}

// Windows paths, checked by the byte-level half alone so they run natively.
TEST(ClassCheck, PathMustMatchPackageAndName)
{
    const auto hello = Classify("classes/demo/Hello.class");
    const auto top = Classify("classes/Top.class");
    struct Case {
        const ClassInfo* info;
        const char* path;
        int ok;
        const char* root;
        const char* text;  // message, or full name on success
    } cases[] = {
        {&hello->info, "C:\\work\\demo\\Hello.class", 1, "C:\\work", "demo.Hello"},
        {&hello->info, "D:\\a\\b\\demo\\Hello.class", 1, "D:\\a\\b", "demo.Hello"},
        {&hello->info, "C:\\demo\\Hello.class", 1, "C:\\", "demo.Hello"},
        {&top->info, "C:\\Top.class", 1, "C:\\", "Top"},
        {&top->info, "C:\\work\\Top.class", 1, "C:\\work", "Top"},
        {&hello->info, "C:\\work\\Hello.class", 0, "", "Error on application\n\nPackage is not correct, it must be\ndemo.Hello"},
        {&hello->info, "C:\\work\\Demo\\Hello.class", 0, "", "Error on application\n\nPackage is not correct, it must be\ndemo.Hello"},
        {&hello->info, "demo\\Hello.class", 0, "", "Error on application\n\nPackage is not correct, it must be\ndemo.Hello"},
        {&hello->info, "C:\\work\\demo\\hello.class", 0, "", "Error on application\n\nClass name is not correct, it must be\nHello"},
        {&hello->info, "C:\\work.x\\demo", 0, "", "Error on application\n\nClass name is not correct, it must be\nHello"},
        {&top->info, "\\Top.class", 0, "", "Error on application\n\nPackage is not correct, it must be\nTop"},
    };
    for (const Case& c : cases) {
        XString root, fullName, message;
        const int ok = LocateClass(c.path, *c.info, 1, 0, root, fullName, message);
        EXPECT_EQ(ok, c.ok) << c.path;
        EXPECT_STREQ(root.Data(), c.root) << c.path;
        EXPECT_STREQ(ok ? fullName.Data() : message.Data(), c.text) << c.path;
    }
}

class CheckTree : public ::testing::Test {
protected:
    static std::string Dir(const std::string& relative)
    {
        std::string path = ScratchPath(relative);
        MakeDir(path.c_str());
        return path;
    }
    static std::string Place(const std::string& fixture, const std::string& target, size_t keep = std::string::npos)
    {
        const std::string path = ScratchDir() + kSep + target;
        WriteFileBytes(path, ReadFileBytes(FixturePath(fixture)).substr(0, keep));
        return path;
    }
};

TEST_F(CheckTree, ChecksClassFilesOnDisk)
{
    const std::string demo = Dir("demo");
    const std::string s(1, kSep);
    const std::string root = ScratchDir();
    const std::string formatMessage = "Format of the class file is not correct\n";
    struct Case {
        std::string path;
        int ok, application, applet;
        std::string root, fullName, message;
    } cases[] = {
        {Place("classes/demo/Hello.class", "demo" + s + "Hello.class"), 1, 1, 0, root, "demo.Hello", ""},
        {Place("classes/demo/Hello.class", "Hello.class"), 0, 1, 0, "", "demo.Hello",
         "Error on application\n\nPackage is not correct, it must be\ndemo.Hello"},
        {Place("classes/demo/Hello.class", "demo" + s + "hello.class"), 0, 1, 0, "", "",
         "Error on application\n\nClass name is not correct, it must be\nHello"},
        {Place("classes/Top.class", "Top.class"), 1, 1, 0, root, "Top", ""},
        {Place("classes/demo/Swinger.class", "demo" + s + "Swinger.class"), 1, 0, 1, root, "demo.Swinger", ""},
        {Place("classes/demo/Both.class", "Both.class"), 0, 1, 1, "", "demo.Both",
         "Error on application and applet\n\nPackage is not correct, it must be\ndemo.Both"},
        // Neither kind: accepted wherever it lies, nothing else filled in.
        {Place("classes/demo/Color.class", "Colour.class"), 1, 0, 0, "", "", ""},
        {Place("classes/demo/Hello.class", "demo" + s + "Cut.class", 100), 0, 0, 0, "", "", formatMessage},
        {Place("classes/demo/Hello.class", "demo" + s + "Empty.class", 0), 0, 0, 0, "", "", formatMessage},
        // A missing file is named as missing, not blamed for its format.
        {demo + s + "Missing.class", 0, 0, 0, "", "",
         "The class file does not exist or can not be opened:\n" + demo + s + "Missing.class\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        int application = -1, applet = -1;
        XString rootOut, fullName, message;
        EXPECT_EQ(CheckClassFile(c.path.c_str(), &application, &applet, rootOut, fullName, message), c.ok);
        EXPECT_EQ(application, c.application);
        EXPECT_EQ(applet, c.applet);
        EXPECT_EQ(rootOut.Data(), c.root);
        EXPECT_EQ(fullName.Data(), c.fullName);
        EXPECT_EQ(message.Data(), c.message);
    }
}

TEST_F(CheckTree, OneExtraByteIsNotAClassFile)
{
    Dir("extra");
    const std::string path = ScratchDir() + kSep + "extra" + kSep + "Top.class";
    WriteFileBytes(path, ReadFileBytes(FixturePath("classes/Top.class")) + "x");
    int application = -1, applet = -1;
    XString root, fullName, message;
    EXPECT_EQ(CheckClassFile(path.c_str(), &application, &applet, root, fullName, message), 0);
    EXPECT_STREQ(message.Data(), "Format of the class file is not correct\n");
}

}  // namespace
