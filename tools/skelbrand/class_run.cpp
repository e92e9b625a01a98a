#include "class_run.h"

#include "command_parts.h"
#include "sheet.h"

int PrepareClassRun(const ZInsideInfo& info, DebugTarget& target, RunOptionsSource& optionsSource,
                    const XString& quotedTool, const char* classFile, int isApplication, XString& display,
                    XString& runText, XString& error)
{
    XString classRoot;
    XString className;
    if (!ClassCheck(classFile, isApplication, classRoot, className, target, error))
        return 0;
    RunOptions options;
    optionsSource.GetRunOptions(options);
    CommandParts parts;
    GatherCommandParts(info, quotedTool, classRoot, parts);
    parts.className.Copy(className);

    XString command;
    if (isApplication) {
        command = BuildApplicationCommand(parts, options);
        display = CommandDisplayText(command, nullptr);
    } else {
        const XString install = ToolRootFolder();
        const XString appletFile = AppletFilePath(install.Data());
        const XString page = AppletPageText(install.Data(), className, options);
        WriteAppletPage(appletFile.Data(), page);
        command = BuildAppletCommand(parts, options, appletFile.Data());
        display = CommandDisplayText(command, &page);
    }
    runText = CommandRunText(command);
    return 1;
}

XString QuotedTool(const XString& tool)
{
    XString quoted("\"");
    quoted.AppendString(tool);
    quoted.AppendChar('"');
    return quoted;
}
