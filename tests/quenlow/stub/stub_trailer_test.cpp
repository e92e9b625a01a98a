#include "stub_command.h"
#include "stub_trailer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const std::string kTrailerMark(10, '\xAB');
const std::string kJarMark(10, '\xBB');

// An independent writer of the trailer layout: flags, five fields ended by
// 0xA5, the main class, optionally a blank and the arguments, the jar mark.
std::string Trailer(const std::string& flags, const std::string& fields, const std::string& tail)
{
    return kTrailerMark + flags + fields + tail + kJarMark + "PK\x03\x04jar";
}

TEST(StubTrailer, ReadsEveryPieceOfTheLayout)
{
    const std::string stub = "MZ-stub-bytes";
    const std::string bytes = stub + Trailer(std::string("\x01\x00\x01", 3),
                                             "C:\\sys.jar;\xA5\"C:\\u z.jar\";\xA5\"C:\\classes\";\xA5" "C:\\sib.jar;\xA5-Xmx64m\xA5",
                                             "demo.Main one two");
    StubTrailer t;
    ASSERT_EQ(ParseStubTrailer(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), stub.size(), t), 1);
    EXPECT_TRUE(t.useJavaw);
    EXPECT_FALSE(t.autoDetectJars);
    EXPECT_TRUE(t.autoDetectZips);
    EXPECT_STREQ(t.systemClassPath.Data(), "C:\\sys.jar;");
    EXPECT_STREQ(t.userZipClassPath.Data(), "\"C:\\u z.jar\";");
    EXPECT_STREQ(t.userDirClassPath.Data(), "\"C:\\classes\";");
    EXPECT_STREQ(t.siblingClassPath.Data(), "C:\\sib.jar;");
    EXPECT_STREQ(t.otherOptions.Data(), "-Xmx64m");
    EXPECT_STREQ(t.mainClass.Data(), "demo.Main");
    EXPECT_STREQ(t.mainArgs.Data(), "one two");
    EXPECT_EQ(bytes.substr(t.jarOffset, 4), "PK\x03\x04");
}

TEST(StubTrailer, DamageAndEdgeCases)
{
    const std::string flags(3, '\0');
    const std::string empty5 = "\xA5\xA5\xA5\xA5\xA5";
    const struct {
        const char* what;
        std::string bytes;
        int result;
        const char* mainClass;
        const char* args;
    } cases[] = {
        {"empty fields", Trailer(flags, empty5, "Hello"), 1, "Hello", ""},
        {"arguments flag with no arguments", Trailer(flags, empty5, "Hello "), 1, "Hello", ""},
        {"no trailer mark", std::string(9, '\xAB') + "x" + flags + empty5 + "Hello" + kJarMark, 0, "", ""},
        {"four fields only", Trailer(flags, "\xA5\xA5\xA5\xA5", "Hello"), 0, "", ""},
        {"no jar mark", kTrailerMark + flags + empty5 + "Hello" + std::string(9, '\xBB'), 0, "", ""},
        {"cut inside the flags", kTrailerMark + "\x01", 0, "", ""},
        {"nothing", "", 0, "", ""},
    };
    for (const auto& c : cases) {
        StubTrailer t;
        EXPECT_EQ(ParseStubTrailer(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size(), 0, t),
                  c.result)
            << c.what;
        if (c.result) {
            EXPECT_STREQ(t.mainClass.Data(), c.mainClass) << c.what;
            EXPECT_STREQ(t.mainArgs.Data(), c.args) << c.what;
        }
    }
}

TEST(StubTrailer, PeImageEndRefusesWhatIsNoImage)
{
    const std::string notPe = "plain text, not an image at all, long enough to hold a DOS header .....";
    EXPECT_EQ(PeImageEnd(reinterpret_cast<const unsigned char*>(notPe.data()), notPe.size()), 0u);
    std::string truncated = "MZ" + std::string(62, '\0');
    truncated[0x3C] = '\x7F';  // the PE header would lie beyond the data
    EXPECT_EQ(PeImageEnd(reinterpret_cast<const unsigned char*>(truncated.data()), truncated.size()), 0u);
}

// A section whose raw data would end past 4 GiB: its end must not wrap into
// a small offset in a 32-bit build, nor be taken in a 64-bit one.
TEST(StubTrailer, PeImageEndOfSectionsNearAndPastTheData)
{
    std::string image = "MZ" + std::string(62, '\0');
    image[0x3C] = 64;
    image += std::string("PE\0\0", 4) + std::string(20, '\0') + std::string(40, '\0');
    image[64 + 4 + 2] = 1;  // one section, no optional header
    const size_t section = 64 + 4 + 20;
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            image[at + i] = static_cast<char>(v >> (8 * i));
    };
    image += std::string(100, 'd');
    const struct {
        uint32_t rawSize;
        uint32_t rawPointer;
        size_t end;
    } cases[] = {
        {100, static_cast<uint32_t>(section + 40), section + 140},  // the data exactly
        {0x20, 0xFFFFFFF0u, 0},                                     // 0x1'0000'0010: past 4 GiB
        {101, static_cast<uint32_t>(section + 40), 0},              // one byte past the data
        {0, 0xFFFFFFF0u, section + 40},                             // no raw data: only the headers count
    };
    for (const auto& c : cases) {
        put32(section + 16, c.rawSize);
        put32(section + 20, c.rawPointer);
        EXPECT_EQ(PeImageEnd(reinterpret_cast<const unsigned char*>(image.data()), image.size()), c.end)
            << c.rawSize << " at " << c.rawPointer;
    }
}

TEST(StubCommand, PutsOptionsClassPathAndArgumentsInPlace)
{
    // The executable stands where a run puts the class folder: first. The
    // system and sibling parts arrive resolved; the user texts as stored.
    StubTrailer t;
    t.useJavaw = false;
    t.systemClassPath.Assign("sys.jar;");
    t.userZipClassPath.Assign("\"C:\\u z.jar\";");
    t.userDirClassPath.Assign("\"C:\\classes\";");
    t.otherOptions.Assign("-Dx=1");
    t.mainClass.Assign("demo.Main");
    t.mainArgs.Assign("a b");
    EXPECT_STREQ(BuildStubCommand(t, "C:\\jdk", "C:\\out\\app.exe", "\"C:\\jdk\\lib\\sys.jar\";",
                                  "\"C:\\out\\lib.jar\";", "")
                     .Data(),
                 "\"C:\\jdk\\bin\\java.exe\" -Dx=1 -classpath \"C:\\out\\app.exe\";\"C:\\jdk\\lib\\sys.jar\";"
                 "\"C:\\u z.jar\";\"C:\\classes\";\"C:\\out\\lib.jar\"; demo.Main a b");
    StubTrailer bare;
    bare.useJavaw = true;
    bare.mainClass.Assign("Hello");
    EXPECT_STREQ(BuildStubCommand(bare, "C:\\jre", "C:\\app.exe", "", "", "").Data(),
                 "\"C:\\jre\\bin\\javaw.exe\" -classpath \"C:\\app.exe\"; Hello");
}

TEST(StubCommand, TheUsersArgumentsFollowTheStoredOnesAsWritten)
{
    StubTrailer t;
    t.mainClass.Assign("app.Main");
    t.mainArgs.Assign("stored");
    EXPECT_STREQ(BuildStubCommand(t, "C:\\jdk", "C:\\App.exe", "", "", "\"a b\" c \"\" \xF6").Data(),
                 "\"C:\\jdk\\bin\\java.exe\" -classpath \"C:\\App.exe\"; app.Main stored \"a b\" c \"\" \xF6");
}

TEST(StubCommand, ReadsTheSwitchesAndWhatIsPassedOn)
{
    const struct {
        const char* commandLine;
        StubArguments::Switch first;
        unsigned long long number;
        const char* all;
        const char* afterFirst;
    } cases[] = {
        {"\"C:\\my apps\\App.exe\"  \"a b\" c \"\" \xF6", StubArguments::None, 0, "\"a b\" c \"\" \xF6",
         "\"a b\" c \"\" \xF6"},
        {"App.exe 1.0 2.0", StubArguments::None, 0, "1.0 2.0", "1.0 2.0"},
        {"App.exe", StubArguments::None, 0, "", ""},
        {"\"App.exe\"\t/streams", StubArguments::Streams, 0, "/streams", ""},
        {"App.exe /streams x \"y z\"", StubArguments::Streams, 0, "/streams x \"y z\"", "x \"y z\""},
        {"App.exe /streamsx", StubArguments::None, 0, "/streamsx", "/streamsx"},
        {"App.exe \"/streams\"", StubArguments::None, 0, "\"/streams\"", "\"/streams\""},
        {"App.exe 65822 more", StubArguments::Number, 65822, "65822 more", "more"},
        {"App.exe 12345678901234567890", StubArguments::None, 0, "12345678901234567890", "12345678901234567890"},
    };
    for (const auto& c : cases) {
        const StubArguments a = ReadStubArguments(c.commandLine);
        EXPECT_EQ(a.first, c.first) << c.commandLine;
        EXPECT_EQ(a.number, c.number) << c.commandLine;
        EXPECT_STREQ(a.all, c.all) << c.commandLine;
        EXPECT_STREQ(a.afterFirst, c.afterFirst) << c.commandLine;
    }
}

}  // namespace
