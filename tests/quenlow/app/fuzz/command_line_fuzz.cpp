// Mutation run over Quenlow's command line and the texts read from it.
// Properties: a switch is recognised exactly when the trimmed line begins
// with it; its argument is the end of that line (double quotes removed for a
// double-click); flattened text holds no line break and no blank at its ends.
#include <cstring>
#include <string>

#include "command_line.h"
#include "settings/main_args.h"
#include "fuzz/fuzz_run.h"
#include "settings/main_args.h"

namespace {

const struct {
    const char* text;
    Switch which;
} kSwitches[] = {
    {"/uninstall", Switch::Uninstall},       {"/install", Switch::Install},
    {"/reboot", Switch::Reboot},             {"/double-click", Switch::DoubleClick},
    {"/jdkdochelp", Switch::JdkDocHelp},     {"/compile-files", Switch::CompileFiles},
    {"/execute-files", Switch::ExecuteFiles}, {"/class-info", Switch::ClassInfo},
    {"/compress-file", Switch::CompressFile},
};

bool IsTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int Exercise(const unsigned char* data, size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string text = line.c_str();  // a command line ends at its NUL
    size_t begin = 0, end = text.size();
    while (begin < end && IsTrimmed(text[begin]))
        ++begin;
    while (end > begin && IsTrimmed(text[end - 1]))
        --end;
    const std::string trimmed = text.substr(begin, end - begin);

    XString argument;
    const Switch which = ParseSwitch(text.c_str(), argument);
    Switch expected = trimmed.empty() ? Switch::None : Switch::Unknown;
    std::string rest;
    for (const auto& s : kSwitches) {
        if (trimmed.compare(0, std::strlen(s.text), s.text) == 0) {
            expected = s.which;
            rest = trimmed.substr(std::strlen(s.text));
            break;
        }
    }
    if (which != expected)
        FuzzFail("the wrong switch", trimmed);
    rest.erase(0, rest.find_first_not_of(' ') == std::string::npos ? rest.size() : rest.find_first_not_of(' '));
    const std::string got = argument.Data();
    if (which == Switch::DoubleClick) {
        std::string unquoted;
        for (char c : rest) {
            if (c != '"')
                unquoted += c;
        }
        if (got != unquoted && got != rest)
            FuzzFail("a double-click argument is not the line's end without its quotes", got);
    } else if (which != Switch::None && which != Switch::Unknown && !got.empty() && got != rest) {
        FuzzFail("an argument is not the end of the line", got);
    }

    const XString flat = FlattenText(text.c_str());
    const std::string f = flat.Data();
    if (f.find("\r\n") != std::string::npos || (!f.empty() && (f.front() == ' ' || f.back() == ' ')))
        FuzzFail("flattened text keeps a line break or an end blank", f);
    const int count = CountChar(text.c_str(), '"');
    if (count < 0 || static_cast<size_t>(count) > text.size())
        FuzzFail("a count beyond the text");
    return static_cast<int>(which);
}

}  // namespace

int main(int argc, char** argv)
{
    FuzzTarget target;
    target.name = "command_line_fuzz";
    const std::string seeds[] = {
        "/double-click \"C:\\a b\\X.class\"", "  /compile-files 2\nC:\\a\nC:\\b\\Y.java\n  ",
        "/class-info \"C:\\Z.class\"", "/install", "\t/execute-files\t1\nC:\\s\n", "a\r\nb \r\n c",
    };
    for (const std::string& s : seeds)
        target.seeds.emplace_back(s.begin(), s.end());
    for (const auto& s : kSwitches)
        target.dictionary.emplace_back(s.text);
    target.dictionary.insert(target.dictionary.end(), {"\r\n", " ", "\t", "\"", "\n"});
    target.markBytes = {' ', '\t', '\r', '\n', '"', 0, 0xA5};
    target.exercise = Exercise;
    return RunFuzz(argc, argv, target);
}
