#include "stub_command.h"

namespace {

void AppendArgument(XString& command, const XString& text)
{
    if (text.IsEmpty())
        return;
    command.AppendChar(' ');
    command.AppendString(text);
}

}  // namespace

const char* StubJavaTool(const StubTrailer& trailer)
{
    return trailer.useJavaw ? "\\bin\\javaw.exe" : "\\bin\\java.exe";
}

XString BuildStubCommand(const StubTrailer& trailer, const char* javaHome, const char* exePath,
                         const char* detectedArchives)
{
    XString command("\"");
    command.Append(javaHome);
    command.Append(StubJavaTool(trailer));
    command.AppendChar('"');
    AppendArgument(command, trailer.otherOptions);

    // The user texts arrive with each item in quotes ("C:\a b\x.jar";); inside
    // one argument such quotes only protect the blanks, so the parts can stand
    // side by side unquoted.
    command.Append(" -classpath ");
    command.AppendString(trailer.systemClassPath);
    command.AppendString(trailer.userZipClassPath);
    command.AppendString(trailer.userDirClassPath);
    command.AppendString(trailer.siblingClassPath);
    command.Append(detectedArchives);
    command.AppendChar('"');
    command.Append(exePath);
    command.AppendChar('"');

    AppendArgument(command, trailer.mainClass);
    AppendArgument(command, trailer.mainArgs);
    return command;
}
