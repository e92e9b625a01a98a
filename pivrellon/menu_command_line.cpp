#include "menu_command_line.h"

#include <cstdio>

int BuildMenuCommandLine(XString& line, const char* program, int verb, const MenuSelection& selection)
{
    const char* switchText = ShellMenuVerbSwitch(verb);
    if (!switchText)
        return 0;
    line.Assign("\"");
    line.Append(program);
    line.Append("\" ");
    line.Append(switchText);
    line.AppendChar(' ');
    if (verb <= VerbCompressFile) {
        // These verbs are offered for exactly one file: its LF becomes the
        // closing quote.
        line.AppendChar('"');
        line.AppendString(selection.Paths());
        if (line.LastChar() == '\n')
            line.SetLastChar('"');
        else
            line.AppendChar('"');
        return 1;
    }
    char count[24];
    std::snprintf(count, sizeof count, "%d\n", selection.Folders() + selection.Files());
    line.Append(count);
    line.AppendString(selection.Paths());
    return 1;
}
