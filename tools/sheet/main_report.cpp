#include "main_report.h"

#include <cstdio>
#include <cstring>

namespace {

const char kStars[] = "*****************************";  // 29

void PadLabel(XString& report, const char* label)
{
    report.Append(label);
    for (int n = static_cast<int>(std::strlen(label)); n < kReportLabelWidth; ++n)
        report.AppendChar(' ');
}

void Indent(XString& report)
{
    for (int i = 0; i < kReportLabelWidth; ++i)
        report.AppendChar(' ');
}

bool EndsWithEmptyLine(const XString& report)
{
    const int n = report.Length();
    return n >= 2 && report[n - 1] == '\n' && report[n - 2] == '\n';
}

void ReportBoolLine(XString& report, const char* label, int value)
{
    PadLabel(report, label);
    report.Append(value ? "true\n" : "false\n");
}

// The items of a class-path text: every text before a ';', and the text after
// the last one when it is not empty.
void Items(const XString& paths, StringList& items)
{
    const char* begin = paths.Data();
    for (const char* semicolon = std::strchr(begin, ';'); semicolon; semicolon = std::strchr(begin, ';')) {
        items.Add(begin, static_cast<int>(semicolon - begin));
        begin = semicolon + 1;
    }
    if (*begin)
        items.Add(begin);
}

void ReportListLines(XString& report, const char* label, const XString& paths)
{
    StringList items;
    Items(paths, items);
    const bool framed = items.Count() >= 2;
    if (framed && !EndsWithEmptyLine(report))
        report.AppendChar('\n');
    PadLabel(report, label);
    if (items.Count() == 0)
        report.AppendChar('\n');
    for (int i = 0; i < items.Count(); ++i) {
        if (i > 0)
            Indent(report);
        report.AppendString(*items.At(i));
        report.Append(";\n");
    }
    if (framed)
        report.AppendChar('\n');
}

void ReportFiles(XString& report, const char* label, const StringList& files)
{
    if (files.Count() == 0)
        return;
    for (int i = 0; i < files.Count(); ++i) {
        if (i == 0)
            PadLabel(report, label);
        else
            Indent(report);
        report.AppendString(*files.At(i));
        report.AppendChar('\n');
    }
    report.AppendChar('\n');
}

}  // namespace

XString BuildReport(const ZInsideInfo& info, int filesOnly, ToolKind kind)
{
    XString report(kStars);
    report.Append(" options from main program\n");
    ReportBoolLine(report, "Auto-detect Jars", info.autoJars);
    ReportBoolLine(report, "Auto-detect Zips", info.autoZips);
    ReportListLines(report, "System classpaths", info.systemClassPaths);
    ReportListLines(report, "User zipped classpaths", info.userZippedClassPaths);
    ReportListLines(report, "User naked classpaths", info.userNakedClassPaths);
    ReportListLines(report, "Sibling classpaths", info.siblingClassPaths);
    if (!EndsWithEmptyLine(report))
        report.AppendChar('\n');

    report.Append(kStars);
    report.Append(" Windows explorer selections\n");
    PadLabel(report, "Selected count");
    char count[32];
    std::snprintf(count, sizeof count, "%d\n", info.selectedCount);
    report.Append(count);
    PadLabel(report, "Start directory");
    if (info.selectedCount <= 0) {
        report.Append("driver              (error: not allowed)\n");
        return report;
    }
    report.AppendString(info.startDirectory);
    report.Append("          ");
    report.Append(info.hasSelection ? "(completed)\n" : "(will be searched)\n");
    ReportFiles(report, "Sub-directories", info.folders);
    ReportFiles(report, kind == ToolKind::Compile ? "Java files" : "class files", info.classFiles);
    if (!filesOnly)
        ReportFiles(report, "Other files", info.otherFiles);
    return report;
}

MainButtons VisibleMainButtons(const ZInsideInfo& info, ToolKind kind, const MainButtons& previous)
{
    const bool any = info.selectedCount > 0;
    if (kind == ToolKind::Compile) {
        MainButtons shown;
        shown.first = any && info.classFiles.Count() > 0;
        shown.second = any && (!info.hasSelection || info.folders.Count() > 0);
        shown.error = !shown.first && !shown.second;
        return shown;
    }
    if (!any)
        return {0, 0, 1};
    if (!info.hasSelection)
        return {1, 1, 0};  // one folder, to be searched
    if (info.folders.Count() > 0)
        return {previous.first, 1, 0};
    if (info.classFiles.Count() > 0)
        return {1, 0, 0};
    return {0, 0, 1};
}
