#include "find_counts.h"

#include <cstdio>
#include <cstring>

#include "class_target.h"

namespace {

struct KindLine {
    int kind;
    const char* format;
};

const KindLine kLines[] = {
    {kClassApplication, "Application count:\t\t\t%5d\t"},
    {kClassApplet, "Applet count:\t\t\t%5d\t"},
    {kClassBoth, "Both application and applet count:\t%5d\t"},
    {kClassGeneral, "General class count:\t\t%5d\t"},
    {kClassFormatError, "Error format class count:\t\t%5d\t"},
    {kClassPackageError, "Error package class count:\t\t%5d\t"},
};

bool SameIgnoringCase(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

bool KindShown(const FindDisplay& display, int kind)
{
    switch (kind) {
    case kClassApplication:
        return display.applications;
    case kClassApplet:
        return display.applets;
    case kClassBoth:
        return display.applications || display.applets;
    case kClassGeneral:
        return display.general;
    case kClassFormatError:
        return display.formatErrors;
    case kClassPackageError:
        return display.packageErrors;
    default:
        return false;
    }
}

XString FindCountsText(const FindCounts& counts, const FindDisplay& display)
{
    XString text;
    char line[128];
    for (const KindLine& row : kLines) {
        const int count = counts.kinds[row.kind / 2 - 1];
        if (row.kind == kClassBoth && count <= 0)
            continue;
        std::snprintf(line, sizeof line, row.format, count);
        text.Append(line);
        text.Append(KindShown(display, row.kind) ? "displayed\n" : "not displayed\n");
    }
    text.Append("-----------------------------------------------------");
    text.Append("------------------------------------------------\n");
    std::snprintf(line, sizeof line, "Total class count:\t\t\t%5d", counts.total);
    text.Append(line);
    text.AppendChar('\n');
    return text;
}

int SplitBelowRoot(const char* root, const char* path, XString& folders, XString& name)
{
    const char* lastSeparator = std::strrchr(path, '\\');
    const size_t rootLength = std::strlen(root);
    const bool rootEnds = rootLength > 0 && root[rootLength - 1] == '\\';
    const bool inside = lastSeparator && std::strlen(path) > rootLength &&
                        SameIgnoringCase(root, path, rootLength) &&
                        (rootEnds || path[rootLength] == '\\') && lastSeparator >= path + rootLength - (rootEnds ? 1 : 0);
    if (!inside) {
        folders.Assign("");
        name.Assign(path);
        return 0;
    }
    const char* below = path + rootLength + (rootEnds ? 0 : 1);
    folders.Assign(below, static_cast<int>(lastSeparator + 1 - below));
    name.Assign(lastSeparator + 1);
    return 1;
}

bool IsWholePath(const char* text)
{
    return (text[0] && text[1] == ':') || (text[0] == '\\' && text[1] == '\\');
}
