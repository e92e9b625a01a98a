#include "compile_command.h"

#include <cstring>

#include "classpath_quote.h"
#include "process/argument_file.h"

namespace {

// In double quotes, with the class-path entries' rule for a trailing
// backslash (which would otherwise escape the closing quote), but no ';'.
void AppendQuotedPath(XString& out, const char* text, int length)
{
    AppendQuotedClasspathEntry(out, text, length);
    out.RemoveLast();
}

void ReplaceUntilGone(XString& text, const char* from, const char* to)
{
    while (text.Replace(from, to) > 0) {
    }
}

// A command typed over several lines is one line of arguments.
XString OneLine(const XString& text)
{
    XString line;
    bool inBreak = false;
    for (int i = 0; i < text.Length(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (!inBreak)
                line.AppendChar(' ');
            inBreak = true;
            continue;
        }
        inBreak = false;
        line.AppendChar(c);
    }
    return line;
}

}  // namespace

XString CompileOptionsText(const CompileOptions& options)
{
    XString text;
    if (options.deprecation)
        text.Append("-deprecation\n");
    if (options.g)
        text.Append("-g\n");
    if (options.nowarn)
        text.Append("-nowarn\n");
    if (options.verbose)
        text.Append("-verbose\n");
    if (!options.target.IsEmpty()) {
        text.Append("-target ");
        text.AppendString(options.target);
        text.AppendChar('\n');
    }
    if (!options.noUserCommand) {
        text.AppendString(OneLine(options.userCommand));
        text.AppendChar('\n');
    }
    if (text.IsEmpty())
        return text;
    return XString::ConcatChar(kPartMark, text);
}

XString CompileCommand(const char* javacPath, const XString& classPath, const XString& optionsText)
{
    XString command;
    AppendQuotedPath(command, javacPath, static_cast<int>(std::strlen(javacPath)));
    command.AppendChar('\n');
    if (!classPath.IsEmpty()) {
        command.Append("\n-classpath\n");
        command.AppendString(classPath);
    }
    command.AppendString(optionsText);
    return command;
}

XString DisplayCommand(const XString& command)
{
    XString display(command);
    display.Replace(";", ";\n");
    return display;
}

XString OutputOptionText(const CompileOptions& options)
{
    XString text;
    if (options.output == kOutputLocal) {
        text.AppendChar(kPartMark);
        text.Append("-d .\n");
    } else if (options.output == kOutputFolder) {
        // No ';' after the folder: javac would take it as part of the name.
        text.AppendChar(kPartMark);
        text.Append("-d\n");
        AppendQuotedPath(text, options.outputFolder.Data(), options.outputFolder.Length());
        text.AppendChar('\n');
    }
    return text;
}

UnitCommand UnitCommandTexts(const XString& displayCommand, const XString& outputOption, const XString& unitText)
{
    UnitCommand texts;
    texts.display = displayCommand;
    texts.display.AppendString(outputOption);
    texts.display.AppendChar(kPartMark);
    texts.display.AppendString(unitText);
    ReplaceUntilGone(texts.display, "\n\n\n", "\n\n");

    texts.run = texts.display;
    ReplaceUntilGone(texts.run, "\n\n", "\n");
    ReplaceUntilGone(texts.run, ";\n", ";");
    texts.run.ReplaceChar('\n', ' ');
    texts.run.ReplaceChar(kPartMark, ' ');
    texts.display.ReplaceChar(kPartMark, '\n');
    return texts;
}

XString RootClassPath(const char* base, const char* const* names, int count)
{
    XString classPath;
    for (int i = 0; i < count; ++i) {
        XString path(base);
        path.AppendChar('\\');
        path.Append(names[i]);
        AppendQuotedClasspathEntry(classPath, path.Data(), path.Length());
    }
    return classPath;
}

bool NeedsArgumentFile(const UnitCommand& texts)
{
    return texts.run.Length() > kLongestCommandLine;
}

XString UnitArgumentList(const XString& unitText)
{
    XString list;
    XString name;
    for (int i = 0; i < unitText.Length(); ++i) {
        const char c = unitText[i];
        if (c == '\n') {
            if (!name.IsEmpty())
                AppendArgumentFileLine(list, name.Data());
            name.Assign("");
        } else if (c != '"') {
            name.AppendChar(c);
        }
    }
    if (!name.IsEmpty())
        AppendArgumentFileLine(list, name.Data());
    return list;
}

XString ArgumentFileRunText(const XString& displayCommand, const XString& outputOption, const char* argumentFile)
{
    XString unit("@\"");
    unit.Append(argumentFile);
    unit.Append("\"\n");
    return UnitCommandTexts(displayCommand, outputOption, unit).run;
}
