// The suite's way of running JDK tools, against the bridge installed as the
// test JDK: registry lookup, CreateProcessA with three pipes and a new
// console, the real JDK's output and exit codes, and Stop by TerminateProcess.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#include "java_home.h"
#include "paths/file_system.h"
#include "support/test_files.h"

namespace {

const char kTestJdkHome[] = "C:\\jdk17";
constexpr DWORD kRunTimeoutMs = 60000;

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    bool Create(bool parentWrites)
    {
        SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, TRUE };
        if (!CreatePipe(&read, &write, &sa, 0))
            return false;
        // The parent's own end must not be inherited, or the child's end of
        // the stream never closes.
        SetHandleInformation(parentWrites ? write : read, HANDLE_FLAG_INHERIT, 0);
        return true;
    }
    void Close(HANDLE& h)
    {
        if (h)
            CloseHandle(h);
        h = nullptr;
    }
};

std::string ReadAll(HANDLE h)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

// A child with the three standard handles redirected, started the suite's way.
class Child {
public:
    bool Start(const std::string& commandLine)
    {
        if (!in.Create(true) || !out.Create(false) || !err.Create(false))
            return false;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_HIDE;
        si.hStdInput = in.read;
        si.hStdOutput = out.write;
        si.hStdError = err.write;
        std::string line = commandLine;
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr, nullptr, &si,
                            &process))
            return false;
        CloseHandle(process.hThread);
        in.Close(in.read);
        out.Close(out.write);
        err.Close(err.write);
        return true;
    }
    void WriteInput(const std::string& text)
    {
        DWORD written = 0;
        WriteFile(in.write, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        in.Close(in.write);
    }
    // Reads both streams to their end, each on its own thread, and waits.
    bool Finish(std::string& output, std::string& errors, DWORD& exitCode)
    {
        in.Close(in.write);
        std::thread errReader([&] { errors = ReadAll(err.read); });
        output = ReadAll(out.read);
        errReader.join();
        const bool ended = WaitForSingleObject(process.hProcess, kRunTimeoutMs) == WAIT_OBJECT_0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        return ended;
    }
    // One line of standard output, or empty after the time-out.
    std::string ReadLine(DWORD timeoutMs)
    {
        std::string line;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            DWORD available = 0;
            if (!PeekNamedPipe(out.read, nullptr, 0, nullptr, &available, nullptr))
                break;
            if (available == 0) {
                Sleep(50);
                continue;
            }
            char c = 0;
            DWORD got = 0;
            if (!ReadFile(out.read, &c, 1, &got, nullptr) || got == 0)
                break;
            if (c == '\n')
                return line;
            if (c != '\r')
                line += c;
        }
        return std::string();
    }
    HANDLE Process() const { return process.hProcess; }
    ~Child()
    {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 1);
            CloseHandle(process.hProcess);
        }
        in.Close(in.write);
        out.Close(out.read);
        err.Close(err.read);
    }

private:
    Pipe in, out, err;
    PROCESS_INFORMATION process = {};
};

struct Result {
    bool ran = false;
    std::string out, err;
    DWORD exitCode = 0;
};

Result RunTool(const std::string& commandLine, const std::string& input = "")
{
    Result r;
    Child child;
    if (!child.Start(commandLine))
        return r;
    if (!input.empty())
        child.WriteInput(input);
    r.ran = child.Finish(r.out, r.err, r.exitCode);
    return r;
}

std::string Tool(const char* name)
{
    return std::string("\"") + kTestJdkHome + "\\bin\\" + name + "\"";
}

// The Linux process is gone, or only a zombie waiting for its reaper.
bool LinuxProcessEnded(const std::string& pid)
{
    const std::string stat = ReadFileBytes("Z:\\proc\\" + pid + "\\stat");
    if (stat.empty())
        return true;
    const size_t paren = stat.rfind(')');
    return paren != std::string::npos && stat.size() > paren + 2 && stat[paren + 2] == 'Z';
}

class JdkBridge : public ::testing::Test {
protected:
    // The test classes, compiled once from their checked-in sources.
    static void SetUpTestSuite()
    {
        classes = ScratchPath("classes");
        CreateDirectoryA(classes.c_str(), nullptr);
        const Result r = RunTool(Tool("javac.exe") + " -d \"" + classes + "\" \"" +
                             TestDataPath("e2e/jdk_bridge/data/Hello.java") + "\" \"" +
                             TestDataPath("e2e/jdk_bridge/data/Sleeper.java") + "\"");
        compiled = r.ran && r.exitCode == 0;
        if (!compiled)
            std::fprintf(stderr, "javac: %s%s\n", r.out.c_str(), r.err.c_str());
    }
    void SetUp() override { ASSERT_TRUE(compiled); }

    static std::string classes;
    static bool compiled;
};
std::string JdkBridge::classes;
bool JdkBridge::compiled = false;

// The set-up writes only what today's JDK installers write: "JDK" in the
// 64-bit view, no JRE and none of the old keys.
TEST(JavaHomeLookup, FindsTheTestJdkInTheRegistry)
{
    XString jdk, none("none");
    ASSERT_EQ(GetJavaHome(kJdkTodayRegistryKey, jdk), 1);
    EXPECT_STREQ(jdk.Data(), kTestJdkHome);
    for (const char* key : {kJdkRegistryKey, kJreRegistryKey, kJreTodayRegistryKey})
        EXPECT_EQ(GetJavaHome(key, none), 0) << key;
    EXPECT_STREQ(FindJavawExe(0).Data(), "C:\\jdk17\\bin\\javaw.exe");
    EXPECT_STREQ(FindJavawExe(1).Data(), "\"C:\\jdk17\\bin\\javaw.exe\"");
    EXPECT_STREQ(FindJavaToolExe("\\bin\\jdb.exe", 1, 0).Data(), "C:\\jdk17\\bin\\jdb.exe");
    for (const char* tool : { "java.exe", "javaw.exe", "javac.exe", "jar.exe", "jdb.exe" })
        EXPECT_TRUE(FileExists((std::string(kTestJdkHome) + "\\bin\\" + tool).c_str())) << tool;
}

TEST(JdkTools, JavaVersionComesThroughThePipes)
{
    const Result r = RunTool(Tool("java.exe") + " -version");
    ASSERT_TRUE(r.ran);
    EXPECT_EQ(r.exitCode, 0u);
    EXPECT_NE(r.err.find("openjdk version \"17"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("64-Bit Server VM"), std::string::npos) << r.err;
}

TEST_F(JdkBridge, CompiledClassesRunWithArgumentsAndExitCodes)
{
    EXPECT_TRUE(FileExists((classes + "\\Hello.class").c_str()));
    struct Case {
        const char* tool;
        std::string arguments;
        std::string input;
        std::string out, err;
        DWORD exitCode;
    } cases[] = {
        { "java.exe", "Hello a b", "", "Hello a b\n", "", 2 },
        { "java.exe", "Hello \"two words\" \"\" x", "", "Hello two words  x\n", "", 3 },
        { "javaw.exe", "Hello w", "", "Hello w\n", "", 1 },
        { "java.exe", "Hello --echo", "typed line\r\n", "echo: typed line\n", "to stderr\n", 5 },
        // A class path list with a folder that does not exist yet.
        { "java.exe", "", "", "Hello \n", "", 0 },
    };
    for (const Case& c : cases) {
        const std::string classPath =
            c.arguments.empty() ? "\"C:\\not\\there;" + classes + "\" Hello" : "\"" + classes + "\" " + c.arguments;
        SCOPED_TRACE(std::string(c.tool) + " " + classPath);
        const Result r = RunTool(Tool(c.tool) + " -cp " + classPath, c.input);
        ASSERT_TRUE(r.ran);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.exitCode, c.exitCode);
    }
}

TEST_F(JdkBridge, PathsWithBlanksAndFoldersNotMadeYet)
{
    const std::string sourceDir = ScratchPath("source dir");
    CreateDirectoryA(sourceDir.c_str(), nullptr);
    const std::string source = sourceDir + "\\Hello.java";
    ASSERT_TRUE(WriteFileBytes(source, ReadFileBytes(TestDataPath("e2e/jdk_bridge/data/Hello.java"))));
    const std::string output = ScratchPath("out dir");  // javac makes it
    Result r = RunTool(Tool("javac.exe") + " -d \"" + output + "\" \"" + source + "\"");
    ASSERT_TRUE(r.ran);
    ASSERT_EQ(r.exitCode, 0u) << r.err;
    EXPECT_TRUE(FileExists((output + "\\Hello.class").c_str()));
    r = RunTool(Tool("java.exe") + " -classpath \"" + output + "\" Hello \"C:\\a b\"");
    // The program's own path arguments become Unix paths too, so that the
    // Linux program can open them.
    EXPECT_EQ(r.out.rfind("Hello /", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("/drive_c/a b\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.exitCode, 1u);
}

TEST_F(JdkBridge, JavacReadsAbsoluteWindowsNamesFromAnArgumentFile)
{
    const std::string sourceDir = ScratchPath("argument file sources");
    CreateDirectoryA(sourceDir.c_str(), nullptr);
    std::string list;
    for (const char* name : {"One", "Two"}) {
        const std::string source = sourceDir + "\\" + name + ".java";
        ASSERT_TRUE(WriteFileBytes(source, std::string("public class ") + name + " {}\n"));
        DeleteFileA((sourceDir + "\\" + name + ".class").c_str());
        std::string quoted;
        for (char c : source)
            quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
        list += "\"" + quoted + "\"\r\n";
    }
    const std::string file = ScratchPath("javac arguments.txt");
    ASSERT_TRUE(WriteFileBytes(file, list));
    const Result r = RunTool(Tool("javac.exe") + " -d \"" + sourceDir + "\" @\"" + file + "\"");
    ASSERT_TRUE(r.ran);
    EXPECT_EQ(r.exitCode, 0u) << r.err;
    EXPECT_TRUE(FileExists((sourceDir + "\\One.class").c_str()));
    EXPECT_TRUE(FileExists((sourceDir + "\\Two.class").c_str()));
}

TEST_F(JdkBridge, JarToolListsWhatItPacked)
{
    const std::string jar = ScratchPath("hello.jar");
    Result r = RunTool(Tool("jar.exe") + " cf \"" + jar + "\" -C \"" + classes + "\" Hello.class");
    ASSERT_TRUE(r.ran);
    ASSERT_EQ(r.exitCode, 0u) << r.err;
    r = RunTool(Tool("jar.exe") + " tf \"" + jar + "\"");
    EXPECT_NE(r.out.find("Hello.class"), std::string::npos) << r.out;
}

TEST_F(JdkBridge, TerminatingTheBridgeEndsTheJavaProcess)
{
    Child child;
    ASSERT_TRUE(child.Start(Tool("java.exe") + " -cp \"" + classes + "\" Sleeper"));
    const std::string pid = child.ReadLine(kRunTimeoutMs);
    ASSERT_FALSE(pid.empty());
    ASSERT_FALSE(LinuxProcessEnded(pid)) << "java " << pid << " should be running";

    ASSERT_TRUE(TerminateProcess(child.Process(), 1));
    ASSERT_EQ(WaitForSingleObject(child.Process(), kRunTimeoutMs), WAIT_OBJECT_0);
    bool ended = false;
    for (int i = 0; i < 600 && !ended; ++i) {
        ended = LinuxProcessEnded(pid);
        if (!ended)
            Sleep(100);
    }
    EXPECT_TRUE(ended) << "java " << pid << " outlived its bridge";
}

}  // namespace
