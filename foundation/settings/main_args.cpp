#include "main_args.h"

#include <cstring>

#include "../xbuffer.h"
#include "../xfile.h"
#include "settings_file.h"

#ifdef _WIN32
#include "../paths/file_system.h"
#endif

void ReadMainArgsFile(const char* path, XString& text)
{
    XFile file;
    if (!file.Open(path, XFile::OpenExisting, 0))
        return;
    XBuffer content;
    int length = 0;
    if (file.ReadWhole(content, &length) && length > 0)
        text.Assign(content.Text(), length);
}

int WriteMainArgsFile(const char* path, const char* text)
{
    XFile file;
    if (!file.Open(path, XFile::OpenExisting, 1) && !file.Create(path, 1))
        return 0;
    const int length = static_cast<int>(std::strlen(text));
    const int written = length == 0 || file.Write(text, length);
    // Cut behind the new text: a shorter text must not keep the old tail.
    const int cut = file.Truncate();
    file.Close();
    return written && cut;
}

namespace {

bool IsTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

XString FlattenText(const char* text)
{
    XString flat(text);
    while (flat.Replace("\r\n", " "))
        ;
    int begin = 0;
    while (begin < flat.Length() && IsTrimmed(flat[begin]))
        ++begin;
    flat.Erase(0, begin);
    while (IsTrimmed(flat.LastChar()))
        flat.RemoveLast();
    return flat;
}

#ifdef _WIN32
XString MainArgsPath()
{
    return UnderProgramDir("\\Setting\\mainargs.data");
}

void ReadMainArgs(XString& text)
{
    ReadMainArgsFile(MainArgsPath().Data(), text);
}

int WriteMainArgs(const char* text)
{
    return WriteMainArgsFile(MainArgsPath().Data(), text);
}
XString MainArgsWhenAsked(SettingsFile& settings, ArgsFlag use)
{
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetMainArgsFlags(flags);
    if (!flags[use])
        return XString();
    XString text;
    ReadMainArgs(text);
    return FlattenText(text.Data());
}
#endif
