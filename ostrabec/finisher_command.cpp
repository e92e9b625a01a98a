#include "finisher_command.h"

#include <cstdio>
#include <cstring>

namespace {

const char* SkipBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

void AppendDeleteLoop(XString& batch, const char* label, const char* counter, const char* path)
{
    char tries[16];
    std::snprintf(tries, sizeof tries, "%d", kDeleteTries);
    XString quoted("\"");
    quoted.Append(path);
    quoted.AppendChar('"');

    batch.Append("set ");
    batch.Append(counter);
    batch.Append("=0\r\n:");
    batch.Append(label);
    batch.Append("\r\ndel ");
    batch.AppendString(quoted);
    batch.Append("\r\nif not exist ");
    batch.AppendString(quoted);
    batch.Append(" goto ");
    batch.Append(label);
    batch.Append("Done\r\nset /a ");
    batch.Append(counter);
    batch.Append("+=1\r\nif %");
    batch.Append(counter);
    batch.Append("% geq ");
    batch.Append(tries);
    batch.Append(" goto ");
    batch.Append(label);
    // About a second between tries, without needing any other program.
    batch.Append("Done\r\nping -n 2 127.0.0.1 > nul\r\ngoto ");
    batch.Append(label);
    batch.Append("\r\n:");
    batch.Append(label);
    batch.Append("Done\r\n\r\n");
}

}  // namespace

FinisherAction ParseFinisherCommand(const char* commandLine, XString& folder)
{
    static const char kRestart[] = "/restart";
    static const char kUninstall[] = "/uninstall";
    const char* p = SkipBlanks(commandLine ? commandLine : "");
    if (std::strncmp(p, kRestart, sizeof kRestart - 1) == 0)
        return FinisherAction::AskRestart;
    if (std::strncmp(p, kUninstall, sizeof kUninstall - 1) != 0)
        return FinisherAction::Nothing;
    folder.Assign(SkipBlanks(p + sizeof kUninstall - 1));
    return folder.IsEmpty() ? FinisherAction::Nothing : FinisherAction::Uninstall;
}

XString BuildSelfDeleteBatch(const char* exePath, const char* batchPath)
{
    XString batch("@echo off\r\n");
    AppendDeleteLoop(batch, "RepeatExe", "tries", exePath);
    // Deleting the running batch file ends it: nothing may follow this line.
    batch.Append("del \"");
    batch.Append(batchPath);
    batch.Append("\"\r\n");
    return batch;
}
