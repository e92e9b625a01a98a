#include "exe_container.h"
#include "stub_trailer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kMarker(20, '\xAB');

std::string S(const Bytes& b)
{
    return std::string(b.begin(), b.end());
}

TEST(StubParts, PicksThePlainOrTheRichPair)
{
    const std::string file = "plain" + kMarker + "rich" + kMarker + "table0" + kMarker + "table1" + kMarker + "rest";
    const struct {
        std::string file;
        bool rich;
        int result;
        const char* stub;
        const char* table;
    } cases[] = {
        {file, false, 1, "plain", "table0"},
        {file, true, 1, "rich", "table1"},
        {kMarker + kMarker + "t" + kMarker + kMarker, false, 1, "", "t"},          // empty parts
        {"plain" + kMarker + "rich" + std::string(19, '\xAB') + "x", false, 0, "", ""},  // second marker cut short
        {"plain" + kMarker + "rich" + kMarker + "table0" + kMarker, true, 0, "", ""},    // no fourth marker
        {"", false, 0, "", ""},
    };
    for (const auto& c : cases) {
        Bytes stub, table;
        EXPECT_EQ(ReadStubParts(reinterpret_cast<const unsigned char*>(c.file.data()), c.file.size(), c.rich, stub, table),
                  c.result);
        if (c.result) {
            EXPECT_EQ(S(stub), c.stub);
            EXPECT_EQ(S(table), c.table);
        }
    }
}

ExeTrailerFields Fields()
{
    ExeTrailerFields f;
    f.useJavaw = true;
    f.record.systemClassPath.Assign("C:\\s.jar;");
    f.record.userZipClassPath.Assign("\"C:\\u.jar\";");
    f.record.autoDetectZips = true;
    f.mainClass.Assign("demo.Main");
    return f;
}

// A PE header with an optional header of the given size: the subsystem,
// when it fits, lies 68 bytes into it (behind the DOS header, the signature
// and the file header).
std::string PeHeader(unsigned optionalSize)
{
    std::string image = "MZ" + std::string(62, '\0');
    image[0x3C] = 64;
    image += std::string("PE\0\0", 4) + std::string(20, '\0') + std::string(optionalSize, '\0');
    image[64 + 4 + 16] = static_cast<char>(optionalSize & 0xFF);
    image[64 + 4 + 17] = static_cast<char>(optionalSize >> 8);
    return image;
}

TEST(StubSubsystem, WindowedForJavawConsoleForJava)
{
    constexpr size_t kSubsystem = 64 + 4 + 20 + 68;
    const std::string header = PeHeader(224);
    for (const bool windowed : {true, false}) {
        Bytes stub(header.begin(), header.end());
        stub[kSubsystem] = 9;  // whatever the program was built as
        stub[kSubsystem + 1] = 9;
        ASSERT_EQ(SetStubSubsystem(stub, windowed), 1);
        std::string expected = header;
        expected[kSubsystem] = windowed ? 2 : 3;  // IMAGE_SUBSYSTEM_WINDOWS_GUI / _CUI
        EXPECT_EQ(S(stub), expected) << windowed;
    }
    const struct {
        std::string bytes;
        const char* why;
    } refused[] = {
        {PeHeader(69), "an optional header without the field"},
        {PeHeader(224).substr(0, kSubsystem + 1), "cut inside the field"},
        {"plain text, long enough to hold a DOS header but no image ........", "no image"},
    };
    for (const auto& r : refused) {
        Bytes stub(r.bytes.begin(), r.bytes.end());
        EXPECT_EQ(SetStubSubsystem(stub, true), 0) << r.why;
        EXPECT_EQ(S(stub), r.bytes) << r.why;
    }
}

TEST(ExeTrailer, LayoutRowByRow)
{
    ExeTrailerFields f = Fields();
    EXPECT_EQ(S(BuildExeTrailer(f)), std::string(10, '\xAB') + std::string("\x01\x00\x01", 3) + "C:\\s.jar;\xA5" +
                                         "\"C:\\u.jar\";\xA5\xA5\xA5\xA5" + "demo.Main" + std::string(10, '\xBB'));
    f.addMainArgs = true;  // with no argument text: only the blank
    EXPECT_EQ(S(BuildExeTrailer(f)).substr(10 + 3 + 9 + 1 + 11 + 1 + 3), "demo.Main " + std::string(10, '\xBB'));
}

TEST(ExeTrailer, TheStubReadsWhatTheBuilderWrites)
{
    ExeTrailerFields f = Fields();
    f.otherOptions.Assign("-Xmx32m");
    f.addMainArgs = true;
    f.mainArgs.Assign(std::string(1500, 'a').c_str());  // longer than one write chunk
    const std::string exe = "MZstub" + S(BuildExeTrailer(f)) + "PKjar";
    StubTrailer t;
    ASSERT_EQ(ParseStubTrailer(reinterpret_cast<const unsigned char*>(exe.data()), exe.size(), 6, t), 1);
    EXPECT_TRUE(t.useJavaw);
    EXPECT_FALSE(t.autoDetectJars);
    EXPECT_TRUE(t.autoDetectZips);
    EXPECT_STREQ(t.systemClassPath.Data(), "C:\\s.jar;");
    EXPECT_STREQ(t.userZipClassPath.Data(), "\"C:\\u.jar\";");
    EXPECT_STREQ(t.otherOptions.Data(), "-Xmx32m");
    EXPECT_STREQ(t.mainClass.Data(), "demo.Main");
    EXPECT_EQ(t.mainArgs.Length(), 1500);
    EXPECT_EQ(exe.substr(t.jarOffset), "PKjar");
}

// The trailer's fields end at 0xA5, the main class and arguments at the jar
// mark: a text holding any of the marks would be read back cut or shifted,
// so it is refused by name before anything is built; every other text reads
// back as written.
TEST(ExeTrailer, TextsHoldingAMarkByteAreRefusedByName)
{
    using Set = void (*)(ExeTrailerFields&, const char*);
    const struct {
        const char* name;
        Set set;
    } fields[] = {
        {"main class", [](ExeTrailerFields& f, const char* t) { f.mainClass.Assign(t); }},
        {"arguments for main()",
         [](ExeTrailerFields& f, const char* t) {
             f.addMainArgs = true;
             f.mainArgs.Assign(t);
         }},
        {"other Java options", [](ExeTrailerFields& f, const char* t) { f.otherOptions.Assign(t); }},
        {"system class path", [](ExeTrailerFields& f, const char* t) { f.record.systemClassPath.Assign(t); }},
        {"user class path of archives",
         [](ExeTrailerFields& f, const char* t) { f.record.userZipClassPath.Assign(t); }},
        {"user class path of folders",
         [](ExeTrailerFields& f, const char* t) { f.record.userDirClassPath.Assign(t); }},
        {"sibling class path", [](ExeTrailerFields& f, const char* t) { f.record.siblingClassPath.Assign(t); }},
    };
    const struct {
        const char* text;
        const char* byte;
    } refused[] = {
        {"\xBB", "(byte 0xBB)"},                   // the smallest case: it read back empty
        {"\xABquoted\xBB", "(byte 0xAB)"},
        {"C:\\lib\\\xA5\\a.jar;", "(byte 0xA5)"},  // it shifted every later field
        {"a\xBB\xBB\xBB\xBB\xBB\xBB\xBB\xBB\xBB\xBB" "b", "(byte 0xBB)"},
    };
    for (const auto& field : fields) {
        for (const auto& bad : refused) {
            ExeTrailerFields f = Fields();
            field.set(f, bad.text);
            XString message;
            EXPECT_EQ(CheckExeTrailerFields(f, message), 0) << field.name << " " << bad.byte;
            const std::string text = message.Data();
            EXPECT_EQ(text.find(std::string("The ") + field.name + "\n" + bad.text + "\n"), 0u) << text;
            EXPECT_NE(text.find(bad.byte), std::string::npos) << text;
        }
        ExeTrailerFields f = Fields();
        field.set(f, "C:\\\xA4 \xB6 \xA6.jar;");  // neighbours of the marks travel
        XString message;
        ASSERT_EQ(CheckExeTrailerFields(f, message), 1) << field.name;
        const std::string exe = "MZ" + S(BuildExeTrailer(f)) + "PK";
        StubTrailer t;
        ASSERT_EQ(ParseStubTrailer(reinterpret_cast<const unsigned char*>(exe.data()), exe.size(), 2, t), 1);
        EXPECT_EQ(exe.substr(t.jarOffset), "PK") << field.name;
    }
    // Arguments that are not written are not checked.
    ExeTrailerFields f = Fields();
    f.mainArgs.Assign("\xBB");
    XString message;
    EXPECT_EQ(CheckExeTrailerFields(f, message), 1);
}

TEST(ExeReport, LinesLineUpUnderTheTabStops)
{
    ExeReportFacts facts;
    facts.useJavaw = true;
    facts.compression = true;
    facts.includeAll = true;
    ExeTrailerFields f = Fields();
    f.addMainArgs = true;  // empty arguments still say false
    EXPECT_STREQ(BuildExeReport(facts, f).Data(),
                 "Create for\tWindows exe\n"
                 "\n"
                 "Use javaw\ttrue\n"
                 "Icon\tdefault\n"
                 "Add arguments for main()\tfalse\n"
                 "\n"
                 "Compression\ttrue\n"
                 "Main class directory only\tfalse\n"
                 "\n"
                 "Include files\tall\n"
                 "Exclude files\tselected\n"
                 "\n"
                 "System  classpaths\ttrue\n"
                 "User    classpaths\ttrue\n"
                 "Sibling classpaths\tfalse\n"
                 "\n"
                 "Auto-detect sibling Jars\tfalse\n"
                 "Auto-detect sibling Zips\ttrue\n"
                 "\n"
                 "Other java options\tfalse\n");
}

}  // namespace
