#include "menu_selection.h"

#include <cctype>
#include <cstring>

namespace {

struct VerbRow {
    const char* text;
    const char* switchText;
};

const VerbRow kVerbs[kShellMenuVerbCount] = {
    {"View class code and hierarchy", "/class-info"},
    {"Execute the class as if double-clicking", "/double-click"},
    {"View the compressed file", "/compress-file"},
    {"Compile ...", "/compile-files"},
    {"Execute and debug ...", "/execute-files"},
};

bool EqualsIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

}  // namespace

const char* ShellMenuVerbText(int verb)
{
    return verb >= 0 && verb < kShellMenuVerbCount ? kVerbs[verb].text : nullptr;
}

const char* ShellMenuVerbSwitch(int verb)
{
    return verb >= 0 && verb < kShellMenuVerbCount ? kVerbs[verb].switchText : nullptr;
}

void MenuSelection::Reset()
{
    folders = files = missing = 0;
    hasClass = hasJava = hasArchive = false;
    paths.Assign("", 0);
}

void MenuSelection::AddFolder(const char* path)
{
    ++folders;
    paths.Append(path);
    paths.AppendChar('\n');
}

void MenuSelection::AddFile(const char* path)
{
    ++files;
    Classify(path);
    paths.Append(path);
    paths.AppendChar('\n');
}

// ".class" and ".java" are what the JDK writes and reads, so they are matched
// exactly; archives come from anywhere and are matched in any case.
void MenuSelection::Classify(const char* path)
{
    if ((hasClass && hasJava && hasArchive) || std::strlen(path) < 4)
        return;
    const char* dot = std::strrchr(path, '.');
    if (!dot)
        return;
    const char* extension = dot + 1;
    if (std::strcmp(extension, "class") == 0)
        hasClass = true;
    else if (std::strcmp(extension, "java") == 0)
        hasJava = true;
    else if (EqualsIgnoringCase(extension, "jar") || EqualsIgnoringCase(extension, "zip"))
        hasArchive = true;
}

bool MenuSelection::IsEnabled(int verb) const
{
    const bool oneFileOnly = folders == 0 && files == 1;
    switch (verb) {
    case VerbClassInfo:
    case VerbDoubleClick:
        return oneFileOnly && hasClass;
    case VerbCompressFile:
        return oneFileOnly && hasArchive;
    case VerbCompileFiles:
        return folders > 0 || hasJava;
    case VerbExecuteFiles:
        return folders > 0 || hasClass;
    default:
        return false;
    }
}

bool MenuSelection::AnyEnabled() const
{
    for (int verb = 0; verb < kShellMenuVerbCount; ++verb) {
        if (IsEnabled(verb))
            return true;
    }
    return false;
}

void StripEnclosingQuotes(char* text)
{
    const size_t length = std::strlen(text);
    if (length < 2 || text[0] != '"' || text[length - 1] != '"')
        return;
    std::memmove(text, text + 1, length - 2);
    text[length - 2] = '\0';
}
