// Mutation run over a built executable's trailer. Properties: every set of
// texts that the trailer check lets through reads back through the stub's
// reader exactly, with the jar where it was written; the reader and the image
// end keep inside any bytes at any offset, also the edge ones.
#include <string>

#include "exe_container.h"
#include "fuzz/fuzz_run.h"
#include "stub_command.h"
#include "stub_trailer.h"

namespace {

// The texts of a Create are C strings: they end at a NUL.
std::string Text(FuzzReader& r, size_t max = 64)
{
    return XString(r.Text(max).c_str()).Data();
}

// A main class comes from the class check: a Java name holds no blank.
std::string MainClass(FuzzReader& r)
{
    std::string name = Text(r, 24);
    for (char& c : name) {
        if (c == ' ')
            c = '_';
    }
    return name;
}

void Same(const XString& read, const std::string& written, const char* what)
{
    if (written != std::string(read.Data(), static_cast<size_t>(read.Length())))
        FuzzFail("the trailer does not read back", what);
}

int RoundTrip(FuzzReader& r)
{
    ExeTrailerFields f;
    f.useJavaw = r.Flag();
    f.record.autoDetectJars = r.Flag();
    f.record.autoDetectZips = r.Flag();
    const std::string texts[] = {Text(r), Text(r), Text(r), Text(r), Text(r), MainClass(r), Text(r)};
    f.record.systemClassPath.Assign(texts[0].c_str());
    f.record.userZipClassPath.Assign(texts[1].c_str());
    f.record.userDirClassPath.Assign(texts[2].c_str());
    f.record.siblingClassPath.Assign(texts[3].c_str());
    f.otherOptions.Assign(texts[4].c_str());
    f.mainClass.Assign(texts[5].c_str());
    f.addMainArgs = r.Flag();
    f.mainArgs.Assign(texts[6].c_str());
    XString message;
    if (!CheckExeTrailerFields(f, message))
        return 0;
    const std::string stub = r.Text(32);
    const std::string jar = r.Text(32);
    const Bytes trailer = BuildExeTrailer(f);
    std::string exe = stub + std::string(trailer.begin(), trailer.end()) + jar;
    StubTrailer t;
    if (!ParseStubTrailer(reinterpret_cast<const unsigned char*>(exe.data()), exe.size(), stub.size(), t))
        FuzzFail("a checked trailer does not parse");
    if (t.useJavaw != f.useJavaw || t.autoDetectJars != f.record.autoDetectJars ||
        t.autoDetectZips != f.record.autoDetectZips)
        FuzzFail("the trailer's flags do not read back");
    Same(t.systemClassPath, texts[0], "system class path");
    Same(t.userZipClassPath, texts[1], "user archives");
    Same(t.userDirClassPath, texts[2], "user folders");
    Same(t.siblingClassPath, texts[3], "sibling class path");
    Same(t.otherOptions, texts[4], "other options");
    Same(t.mainClass, texts[5], "main class");
    Same(t.mainArgs, f.addMainArgs ? texts[6] : "", "arguments");
    if (t.jarOffset != stub.size() + trailer.size())
        FuzzFail("the jar offset is off");
    BuildStubCommand(t, "C:\\jdk", "C:\\x.exe", "", "", "\"a b\" c");
    return 1;
}

int AnyBytes(const unsigned char* data, size_t size, FuzzReader& r)
{
    const size_t imageEnd = PeImageEnd(data, size);
    if (imageEnd > size)
        FuzzFail("an image end past the data");
    const size_t subsystem = PeSubsystemOffset(data, size);
    if (subsystem && (subsystem > size || size - subsystem < 2))
        FuzzFail("a subsystem field past the data");
    const size_t offsets[] = {0, size, size ? size - 1 : 0, size > 10 ? size - 10 : 0, imageEnd,
                              r.Below(static_cast<unsigned>(size) + 1)};
    int parsed = 0;
    for (size_t offset : offsets) {
        StubTrailer t;
        if (!ParseStubTrailer(data, size, offset, t))
            continue;
        if (t.jarOffset > size || t.jarOffset < offset + 2 * StubTrailer::kMarkLength + 3)
            FuzzFail("a jar offset outside the trailer's bytes");
        BuildStubCommand(t, "C:\\jdk", "C:\\x.exe", "\"C:\\a.jar\";", "", "");
        parsed = 2;
    }
    return parsed + (imageEnd ? 1 : 0) + 2;
}

int Exercise(const unsigned char* data, size_t size)
{
    FuzzReader r(data, size);
    if (size && data[0] % 2 == 0)
        return RoundTrip(r);
    return AnyBytes(data, size, r);
}

}  // namespace

int main(int argc, char** argv)
{
    FuzzTarget target;
    target.name = "stub_trailer_fuzz";
    const std::string mark(10, '\xAB');
    const std::string jarMark(10, '\xBB');
    const std::string seeds[] = {
        std::string("\x00\x01", 2) + "\x05" "C:\\a;" "\x03" "-Xm" "\x09" "demo.Main" "\x04" "a b ",
        std::string("\x01") + "MZ" + mark + std::string("\x01\x00\x01", 3) + "a;\xA5\xA5\xA5\xA5-X\xA5" "demo.Main x" +
            jarMark + "PK",
        std::string("\x01") + "MZ" + std::string(58, '\0') + std::string("\x40\0\0\0", 4) + std::string("PE\0\0", 4) +
            std::string("\0\0\x01\0", 4) + std::string(56, '\0') + std::string("\x10\0\0\0\x88\0\0\0", 8) +
            std::string(12, '\0') + std::string(16, 'd') + mark + std::string(3, '\0') + "\xA5\xA5\xA5\xA5\xA5M" +
            jarMark,
    };
    for (const std::string& s : seeds)
        target.seeds.emplace_back(s.begin(), s.end());
    target.dictionary = {std::string(10, '\xAB'), std::string(10, '\xBB'), "\xA5", " ", "MZ", std::string("PE\0\0", 4)};
    target.markBytes = {0xA5, 0xAB, 0xBB, ' ', 0, 1, 0xFF};
    target.exercise = Exercise;
    return RunFuzz(argc, argv, target);
}
