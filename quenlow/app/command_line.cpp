#include "command_line.h"

#include <cstring>

namespace {

bool IsTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct SwitchName {
    const char* text;
    Switch value;
    bool takesArgument;
};

// In the order they are matched: a longer switch never hides behind a
// shorter one that is its prefix.
const SwitchName kSwitches[] = {
    {"/uninstall", Switch::Uninstall, false},
    {"/install", Switch::Install, false},
    {"/reboot", Switch::Reboot, false},
    {"/double-click", Switch::DoubleClick, true},
    {"/jdkdochelp", Switch::JdkDocHelp, false},
    {"/compile-files", Switch::CompileFiles, true},
    {"/execute-files", Switch::ExecuteFiles, true},
    {"/class-info", Switch::ClassInfo, true},
    {"/compress-file", Switch::CompressFile, true},
};

}  // namespace

Switch ParseSwitch(const char* commandLine, XString& argument)
{
    argument.Assign("", 0);
    const char* begin = commandLine ? commandLine : "";
    while (IsTrimmed(*begin))
        ++begin;
    const char* end = begin + std::strlen(begin);
    while (end > begin && IsTrimmed(end[-1]))
        --end;
    if (begin == end)
        return Switch::None;
    const XString line(begin, static_cast<int>(end - begin));
    for (const SwitchName& s : kSwitches) {
        const int length = static_cast<int>(std::strlen(s.text));
        if (line.CompareN(s.text, length) != 0)
            continue;
        if (!s.takesArgument)
            return s.value;
        const char* rest = line.Data() + length;
        while (*rest == ' ')
            ++rest;
        for (; *rest; ++rest) {
            if (s.value != Switch::DoubleClick || *rest != '"')
                argument.AppendChar(*rest);
        }
        return s.value;
    }
    return Switch::Unknown;
}

int CountChar(const char* text, char c)
{
    int count = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == c)
            ++count;
    }
    return count;
}
