#include "exe_container.h"

#include <algorithm>

#include "stub_trailer.h"

namespace {

constexpr size_t kTrailerMarkLength = 10;
constexpr unsigned char kTrailerMarkByte = 0xAB;
constexpr unsigned char kJarMarkByte = 0xBB;

void AppendText(Bytes& out, const XString& text)
{
    out.insert(out.end(), text.Data(), text.Data() + text.Length());
}

void AppendField(Bytes& out, const XString& text)
{
    AppendText(out, text);
    out.push_back(static_cast<unsigned char>(INFO_SEPARATOR));
}

const char* TrueFalse(bool value)
{
    return value ? "true\n" : "false\n";
}

}  // namespace

int ReadStubParts(const unsigned char* data, size_t size, bool rich, Bytes& stub, Bytes& iconTable)
{
    const unsigned char marker[kStubFileMarkerLength] = {
        0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB,
        0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB};
    static_assert(sizeof marker == kStubFileMarkerLength, "one marker");
    size_t start[4];
    size_t end[4];
    size_t from = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned char* at = std::search(data + from, data + size, marker, marker + kStubFileMarkerLength);
        if (at == data + size)
            return 0;
        start[i] = from;
        end[i] = static_cast<size_t>(at - data);
        from = end[i] + kStubFileMarkerLength;
    }
    const int program = rich ? 1 : 0;
    stub.assign(data + start[program], data + end[program]);
    iconTable.assign(data + start[program + 2], data + end[program + 2]);
    return 1;
}

int SetStubSubsystem(Bytes& stub, bool windowed)
{
    const size_t at = PeSubsystemOffset(stub.data(), stub.size());
    if (!at)
        return 0;
    const unsigned subsystem = windowed ? kPeSubsystemWindows : kPeSubsystemConsole;
    stub[at] = static_cast<unsigned char>(subsystem);
    stub[at + 1] = 0;
    return 1;
}

Bytes BuildExeTrailer(const ExeTrailerFields& fields)
{
    Bytes out(kTrailerMarkLength, kTrailerMarkByte);
    out.push_back(fields.useJavaw ? 1 : 0);
    out.push_back(fields.record.autoDetectJars ? 1 : 0);
    out.push_back(fields.record.autoDetectZips ? 1 : 0);
    AppendField(out, fields.record.systemClassPath);
    AppendField(out, fields.record.userZipClassPath);
    AppendField(out, fields.record.userDirClassPath);
    AppendField(out, fields.record.siblingClassPath);
    AppendField(out, fields.otherOptions);
    AppendText(out, fields.mainClass);
    if (fields.addMainArgs) {
        out.push_back(' ');
        AppendText(out, fields.mainArgs);
    }
    out.insert(out.end(), kTrailerMarkLength, kJarMarkByte);
    return out;
}

int CheckExeTrailerFields(const ExeTrailerFields& fields, XString& message)
{
    using reserved_bytes::kAllMarks;
    const ClassPathRecord& r = fields.record;
    const XString noArgs;
    const reserved_bytes::CarriedText texts[] = {
        {"main class", &fields.mainClass, kAllMarks},
        {"arguments for main()", fields.addMainArgs ? &fields.mainArgs : &noArgs, kAllMarks},
        {"other Java options", &fields.otherOptions, kAllMarks},
        {"system class path", &r.systemClassPath, kAllMarks},
        {"user class path of archives", &r.userZipClassPath, kAllMarks},
        {"user class path of folders", &r.userDirClassPath, kAllMarks},
        {"sibling class path", &r.siblingClassPath, kAllMarks},
    };
    return reserved_bytes::CheckCarriedTexts(texts, static_cast<int>(sizeof texts / sizeof texts[0]), message);
}

XString BuildExeReport(const ExeReportFacts& facts, const ExeTrailerFields& fields)
{
    const ClassPathRecord& r = fields.record;
    XString report("Create for\tWindows exe\n\n");
    report.Append("Use javaw\t");
    report.Append(TrueFalse(facts.useJavaw));
    report.Append("Icon\t");
    report.Append(facts.userIcon ? "updated\n" : "default\n");
    report.Append("Add arguments for main()\t");
    report.Append(TrueFalse(!fields.mainArgs.IsEmpty()));
    report.Append("\nCompression\t");
    report.Append(TrueFalse(facts.compression));
    report.Append("Main class directory only\t");
    report.Append(TrueFalse(facts.mainClassDirectoryOnly));
    report.Append("\nInclude files\t");
    report.Append(facts.includeAll ? "all\n" : "selected\n");
    report.Append("Exclude files\t");
    report.Append(facts.exclusionDisabled ? "disabled\n" : "selected\n");
    report.Append("\nSystem  classpaths\t");
    report.Append(TrueFalse(!r.systemClassPath.IsEmpty()));
    report.Append("User    classpaths\t");
    report.Append(TrueFalse(!r.userZipClassPath.IsEmpty() || !r.userDirClassPath.IsEmpty()));
    report.Append("Sibling classpaths\t");
    report.Append(TrueFalse(!r.siblingClassPath.IsEmpty()));
    report.Append("\nAuto-detect sibling Jars\t");
    report.Append(TrueFalse(r.autoDetectJars));
    report.Append("Auto-detect sibling Zips\t");
    report.Append(TrueFalse(r.autoDetectZips));
    report.Append("\nOther java options\t");
    report.Append(TrueFalse(!fields.otherOptions.IsEmpty()));
    return report;
}
