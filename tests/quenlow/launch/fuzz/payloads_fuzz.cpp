// Mutation run over the payloads of the sibling starts. Property: a payload
// whose texts the check lets through splits back at 0xA5 into exactly the
// fields it was built from (its last field, with no separator behind it,
// being the rest).
#include <string>
#include <vector>

#include "fuzz/fuzz_run.h"
#include "payloads.h"

namespace {

using Fields = std::vector<std::string>;

// The payload split at its first fieldCount - 1 separators.
Fields Split(const XString& payload, size_t fieldCount)
{
    Fields fields(1);
    for (int i = 0; i < payload.Length(); ++i) {
        if (payload[i] == INFO_SEPARATOR && fields.size() < fieldCount)
            fields.emplace_back();
        else
            fields.back() += payload[i];
    }
    return fields;
}

void Expect(const XString& payload, const Fields& wanted, const char* what)
{
    if (Split(payload, wanted.size()) != wanted)
        FuzzFail("a payload does not split back into its fields", what);
}

std::string Text(FuzzReader& r)
{
    return XString(r.Text().c_str()).Data();  // the texts travel as C strings
}

int Exercise(const unsigned char* data, size_t size)
{
    FuzzReader r(data, size);
    ClassPathRecord record;
    record.autoDetectJars = r.Flag();
    record.autoDetectZips = r.Flag();
    const std::string paths[] = {Text(r), Text(r), Text(r), Text(r)};
    record.systemClassPath.Assign(paths[0].c_str());
    record.userZipClassPath.Assign(paths[1].c_str());
    record.userDirClassPath.Assign(paths[2].c_str());
    record.siblingClassPath.Assign(paths[3].c_str());
    const std::string flags[] = {record.autoDetectJars ? "1" : "0", record.autoDetectZips ? "1" : "0"};
    const std::string selection = Text(r), options = Text(r), classFile = Text(r), args = Text(r);
    DoubleClickClass target;
    target.runApplication = r.Flag();
    target.runApplet = r.Flag();
    const std::string folder = Text(r), name = Text(r);
    target.rootFolder.Assign(folder.c_str());
    target.qualifiedName.Assign(name.c_str());
    DoubleClickOptions dc;
    dc.monitorStreams = r.Flag();
    dc.appletWidth = static_cast<int>(r.Byte() | (r.Byte() << 8) | (r.Byte() << 24));
    dc.appletHeight = -static_cast<int>(r.Byte());
    const bool runFlag = r.Flag();

    int outcome = 0;
    XString message;
    if (CheckInsideInfo(record, selection.c_str(), message)) {
        Expect(InsideInfo(record, selection.c_str()),
               {flags[0], flags[1], paths[0], paths[1], paths[2], paths[3], selection, ""}, "inside info");
        outcome |= 1;
    } else if (message.IsEmpty()) {
        FuzzFail("a refusal without its message");
    }
    if (CheckClassInfoPayload(record, options.c_str(), message)) {
        Expect(ClassInfoPayload(record, options.c_str(), classFile.c_str()),
               {flags[0], flags[1], paths[0], paths[1], paths[2], paths[3], options, classFile}, "class info");
        outcome |= 2;
    }
    if (CheckDoubleClickPayload(target, record, args.c_str(), options.c_str(), message)) {
        Expect(DoubleClickPayload(runFlag, target, dc, record, args.c_str(), options.c_str()),
               {runFlag ? "1" : "0", target.runApplication ? "1" : "0", target.runApplet ? "1" : "0",
                dc.monitorStreams ? "1" : "0", std::to_string(dc.appletWidth), std::to_string(dc.appletHeight),
                flags[0], flags[1], paths[0], paths[1], paths[2], paths[3], args, folder, options, name},
               "double click");
        outcome |= 4;
    }
    return outcome;
}

}  // namespace

int main(int argc, char** argv)
{
    FuzzTarget target;
    target.name = "payloads_fuzz";
    const std::string seeds[] = {
        std::string("\x01\x00", 2) + "\x0B" "C:\\lib\\a.jar" "\x00\x00\x00" "\x0B" "1\nC:\\a\xA5" "b\\s\n",
        "\x01\x01\x04" "a.j;" "\x06\"b c\";" "\x03\"d\"" "\x02s;" "\x04" "2\nx\n" "\x05-Xm1" "\x07" "\"X.cl\"",
    };
    for (const std::string& s : seeds)
        target.seeds.emplace_back(s.begin(), s.end());
    target.dictionary = {"\xA5", "\"", ";", "\n", "C:\\"};
    target.markBytes = {0xA5, 0xAB, 0xBB, 0, '"', ';'};
    target.exercise = Exercise;
    return RunFuzz(argc, argv, target);
}
