#include "compile_job.h"

#include <cstdio>
#include <cstring>

namespace {

const char kEndedLine[] = "************************************** Compiling ended\n";
const char kRule[] = "\n======================================";


void AppendSection(XString& report, const char* heading, const XString& lines)
{
    if (lines.IsEmpty())
        return;
    report.Append(kRule);
    report.Append(heading);
    report.AppendString(lines);
}

XString DirectoryLine(const CompileDirectory& directory)
{
    std::vector<char> line(static_cast<size_t>(directory.path.Length()) + 96);
    const int length = std::snprintf(line.data(), line.size(), "%-67s (%-2d files)\n", directory.path.Data(),
                                     static_cast<int>(directory.files.size()));
    return XString(line.data(), length);
}

XString CountLine(bool directories, int all, int good, int bad)
{
    char line[160];
    // The blank before the comma of "bad count" is part of the directory line.
    const int length =
        directories
            ? std::snprintf(line, sizeof line, "Directory count:%d, compiled count:%d, good count:%d ,bad count:%d\n",
                            all, good + bad, good, bad)
            : std::snprintf(line, sizeof line, "File count:%d, compiled count:%d, good count:%d, bad count:%d\n", all,
                            good + bad, good, bad);
    return XString(line, length);
}

}  // namespace

int ZCompileJob::FindDirectory(const char* path, int& found) const
{
    found = 0;
    int lo = 0;
    int hi = DirectoryCount() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int order = std::strcmp(directories[mid].path.Data(), path);
        if (order == 0) {
            found = 1;
            return mid;
        }
        if (order < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return lo;
}

void ZCompileJob::AddFile(const char* path)
{
    const char* slash = std::strrchr(path, '\\');
    const XString folder = slash ? XString(path, static_cast<int>(slash - path)) : XString();
    int found = 0;
    const int index = FindDirectory(folder.Data(), found);
    if (!found) {
        CompileDirectory directory;
        directory.path = folder;
        directories.insert(directories.begin() + index, directory);
    }
    CompileFile file;
    file.name.Assign(slash ? slash + 1 : path);
    directories[index].files.push_back(file);
}

int ZCompileJob::FileCount() const
{
    int count = 0;
    for (const CompileDirectory& directory : directories)
        count += static_cast<int>(directory.files.size());
    return count;
}

int ZCompileJob::FileAt(int index, int& directory, int& file) const
{
    if (index < 0)
        return 0;
    for (int d = 0; d < DirectoryCount(); ++d) {
        const int count = static_cast<int>(directories[d].files.size());
        if (index < count) {
            directory = d;
            file = index;
            return 1;
        }
        index -= count;
    }
    return 0;
}

void ZCompileJob::AppendFileLine(XString& text, const CompileDirectory& directory, const CompileFile& file) const
{
    text.AppendChar('"');
    text.AppendString(directory.path);
    text.AppendChar('\\');
    text.AppendString(file.name);
    text.Append("\"\n");
}

XString ZCompileJob::WholeText() const
{
    XString text;
    for (int d = 0; d < DirectoryCount(); ++d)
        text.AppendString(DirectoryText(d));
    return text;
}

XString ZCompileJob::DirectoryText(int index) const
{
    XString text;
    if (index < 0 || index >= DirectoryCount())
        return text;
    for (const CompileFile& file : directories[index].files)
        AppendFileLine(text, directories[index], file);
    return text;
}

XString ZCompileJob::FileText(int index) const
{
    XString text;
    int d = 0;
    int f = 0;
    if (FileAt(index, d, f))
        AppendFileLine(text, directories[d], directories[d].files[f]);
    return text;
}

void ZCompileJob::RecordResult(int style, int index, int failed)
{
    const unsigned char mark = failed ? 1 : 0;
    if (style == kCompileByDirectory && index >= 0 && index < DirectoryCount()) {
        directories[index].failed = mark;
        directories[index].compiled = 1;
    } else if (style == kCompileByFile) {
        int d = 0;
        int f = 0;
        if (FileAt(index, d, f)) {
            directories[d].files[f].failed = mark;
            directories[d].files[f].compiled = 1;
        }
    }
}

XString ZCompileJob::Report(int style) const
{
    XString report;
    if (style != kCompileByDirectory && style != kCompileByFile)
        return report;
    report.Append(kEndedLine);
    report.AppendString(style == kCompileByDirectory ? DirectoryReport() : FileReport());
    return report;
}

XString ZCompileJob::DirectoryReport() const
{
    XString bad, good, uncompiled;
    int goodCount = 0;
    int badCount = 0;
    for (const CompileDirectory& directory : directories) {
        const XString line = DirectoryLine(directory);
        if (directory.failed) {
            bad.AppendString(line);
            ++badCount;
        } else if (directory.compiled) {
            good.AppendString(line);
            ++goodCount;
        } else {
            uncompiled.AppendString(line);
        }
    }
    XString report = CountLine(true, DirectoryCount(), goodCount, badCount);
    AppendSection(report, " bad directory list\n", bad);
    AppendSection(report, " good directory list\n", good);
    AppendSection(report, " un-compiled directory list\n", uncompiled);
    return report;
}

XString ZCompileJob::FileReport() const
{
    XString bad;
    int goodCount = 0;
    int badCount = 0;
    for (const CompileDirectory& directory : directories) {
        for (const CompileFile& file : directory.files) {
            if (file.failed) {
                bad.AppendString(directory.path);
                bad.AppendChar('\\');
                bad.AppendString(file.name);
                bad.AppendChar('\n');
                ++badCount;
            } else if (file.compiled) {
                ++goodCount;
            }
        }
    }
    XString report = CountLine(false, FileCount(), goodCount, badCount);
    AppendSection(report, " bad file list\n", bad);
    return report;
}

int ZCompileJob::EffectiveStyle() const
{
    const int style = options.style;
    if (options.autoStyle && ((style == kCompileByDirectory && DirectoryCount() == 1) ||
                              (style == kCompileByFile && FileCount() == 1)))
        return kCompileWhole;
    return style;
}
