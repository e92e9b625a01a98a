// A Windows executable assembled from the stub, a trailer and a jar made by
// the real jar tool runs the application with its arguments.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "exe_container.h"
#include "support/child_process.h"
#include "support/test_files.h"

namespace {

std::string Trailer(const std::string& mainClass, const std::string& args)
{
    std::string t(10, '\xAB');
    t += std::string("\x00\x00\x00", 3);  // java, no archive detection
    t += "\xA5\xA5\xA5\xA5\xA5";          // empty class paths and options
    t += mainClass;
    if (!args.empty())
        t += " " + args;
    t += std::string(10, '\xBB');
    return t;
}

// The stub made a console program, as Create makes it for java.
std::string BuildExe(const std::string& name, const std::string& mainClass, const std::string& args)
{
    const std::string plain = ReadFileBytes(QUENLOW_STUB_PLAIN);
    Bytes stub(plain.begin(), plain.end());
    EXPECT_EQ(SetStubSubsystem(stub, false), 1);
    const std::string path = ScratchPath(name);
    EXPECT_TRUE(WriteFileBytes(path, std::string(stub.begin(), stub.end()) + Trailer(mainClass, args) +
                                         ReadFileBytes(QUENLOW_SAMPLE_JAR)));
    return path;
}

TEST(StubRun, RunsTheJarBehindItWithItsArguments)
{
    const std::string exe = BuildExe("Demo App.exe", "demo.Main", "one two");
    const ChildResult run = RunChild("\"" + exe + "\"", "", 60000);
    ASSERT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0u) << run.out << run.err;
    EXPECT_NE(run.out.find("Hello from demo.Main"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("arguments: one two"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("a line on standard error"), std::string::npos) << run.err;
}

TEST(StubRun, PassesTheProgramsExitCode)
{
    const std::string exe = BuildExe("fails.exe", "demo.Main", "--exit=7");
    const ChildResult run = RunChild("\"" + exe + "\"", "", 60000);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 7u) << run.out << run.err;
}

TEST(StubRun, StreamsModeEndsTheProgramOnTerminate)
{
    const std::string exe = BuildExe("waits.exe", "demo.Main", "--sleep=600000");
    const DWORD started = GetTickCount();
    const ChildResult run = RunChild("\"" + exe + "\" /streams", "Terminate\r\n", 120000, 60000);
    ASSERT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_LT(GetTickCount() - started, 120000u);
    EXPECT_NE(run.out.find("Hello from demo.Main"), std::string::npos) << run.out;
}

// The bare stub is a windowed program: its streams take the error when they
// are handed to it.
TEST(StubRun, AnExecutableWithoutTrailerSaysSo)
{
    const ChildResult run = RunChild(std::string("\"") + QUENLOW_STUB_PLAIN + "\" /streams", "", 60000);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("carries no Java application"), std::string::npos) << run.err;
}

}  // namespace
