#include "stub_command.h"

#include <cstring>

namespace {

void AppendArgument(XString& command, const char* text)
{
    if (!*text)
        return;
    command.AppendChar(' ');
    command.Append(text);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

}  // namespace

const char* StubJavaTool(const StubTrailer& trailer)
{
    return trailer.useJavaw ? "\\bin\\javaw.exe" : "\\bin\\java.exe";
}

XString BuildStubCommand(const StubTrailer& trailer, const char* javaHome, const char* exePath,
                         const char* systemPart, const char* siblingPart, const char* userArguments)
{
    XString command("\"");
    command.Append(javaHome);
    command.Append(StubJavaTool(trailer));
    command.AppendChar('"');
    AppendArgument(command, trailer.otherOptions.Data());

    command.Append(" -classpath \"");
    command.Append(exePath);
    command.Append("\";");
    command.Append(systemPart);
    command.AppendString(trailer.userZipClassPath);
    command.AppendString(trailer.userDirClassPath);
    command.Append(siblingPart);

    AppendArgument(command, trailer.mainClass.Data());
    AppendArgument(command, trailer.mainArgs.Data());
    // Passed on as the user wrote them, so the program receives exactly the
    // arguments its executable was given, quotes and all.
    AppendArgument(command, userArguments);
    return command;
}

StubArguments ReadStubArguments(const char* commandLine)
{
    // The program name: a quoted name ends at the next quote, a bare one at a blank.
    const char* p = commandLine;
    if (*p == '"') {
        for (++p; *p && *p != '"'; ++p) {
        }
        if (*p)
            ++p;
    } else {
        while (*p && !IsBlank(*p))
            ++p;
    }
    StubArguments arguments;
    arguments.all = SkipBlanks(p);
    arguments.afterFirst = arguments.all;

    const char* end = arguments.all;
    while (*end && !IsBlank(*end))
        ++end;
    const size_t length = static_cast<size_t>(end - arguments.all);
    static const char kStreams[] = "/streams";
    bool digits = length > 0 && length <= 19;  // no overflow
    unsigned long long number = 0;
    for (const char* q = arguments.all; q < end && digits; ++q) {
        digits = *q >= '0' && *q <= '9';
        number = number * 10 + static_cast<unsigned>(*q - '0');
    }
    if (length == sizeof kStreams - 1 && std::strncmp(arguments.all, kStreams, length) == 0)
        arguments.first = StubArguments::Streams;
    else if (digits) {
        arguments.first = StubArguments::Number;
        arguments.number = number;
    }
    if (arguments.first != StubArguments::None)
        arguments.afterFirst = SkipBlanks(end);
    return arguments;
}
