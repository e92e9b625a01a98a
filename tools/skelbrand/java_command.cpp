#include "java_command.h"

#include <cstdio>
#include <cstring>

#include "classpath_quote.h"

namespace {

const char kCrlf[] = "\r\n";
const char kAppletViewer[] = "sun.applet.AppletViewer\n";
const char kAppletCodeRule[] = "\n\n\n************************************** applet code\n";

void AppendLine(XString& out, const XString& text)
{
    out.AppendString(text);
    out.AppendChar('\n');
}

// Tool, class path, options and user command: the lines both forms begin with.
XString CommandHead(const CommandParts& parts, const RunOptions& options)
{
    XString command;
    AppendLine(command, parts.toolPath);
    command.Append("-classpath\n");
    AppendQuotedClasspathEntry(command, parts.classRoot.Data(), parts.classRoot.Length());
    command.AppendString(parts.systemJars);
    command.AppendString(parts.userPaths);
    command.AppendString(parts.rootEntries);
    command.AppendChar('\n');
    if (options.client)
        command.Append("-client\n");
    if (options.server)
        command.Append("-server\n");
    if (options.verbose)
        command.Append("-verbose\n");
    AppendLine(command, options.userCommand);
    return command;
}

void ReplaceAll(XString& text, const char* from, const char* to)
{
    while (text.Replace(from, to) > 0) {
    }
}

}  // namespace

XString BuildApplicationCommand(const CommandParts& parts, const RunOptions& options)
{
    XString command = CommandHead(parts, options);
    AppendLine(command, parts.className);
    command.AppendString(options.arguments);
    return command;
}

XString AppletPageText(const char* installFolder, const XString& className, const RunOptions& options)
{
    XString page("<applet \r\ncodebase=\"file:///");
    page.Append(installFolder);
    page.Append("\\temp\"\r\ncode=\"");
    page.AppendString(className);
    page.Append(".class\" ");
    char size[64];
    std::snprintf(size, sizeof size, "width=\"%d\" height=\"%d\"", options.appletWidth, options.appletHeight);
    page.Append(size);
    page.Append(">\r\n");
    page.AppendString(options.appletParameters);
    page.Append("</applet>");
    return page;
}

XString BuildAppletCommand(const CommandParts& parts, const RunOptions& options, const char* appletFile)
{
    XString command = CommandHead(parts, options);
    command.Append(kAppletViewer);
    command.Append("\"file:///");
    command.Append(appletFile);
    command.AppendChar('"');
    return command;
}

XString CommandDisplayText(const XString& command, const XString* appletPage)
{
    XString shown = RemoveCommandQuotes(command.Data());
    shown.Replace(";", ";\n");
    shown.ReplaceChar(kQuoteGuard, '"');
    if (appletPage) {
        XString code(*appletPage);
        code.Replace(kCrlf, "\n");
        shown.Append(kAppletCodeRule);
        shown.AppendString(code);
    }
    return shown;
}

XString CommandRunText(const XString& command)
{
    XString run(command);
    // Until nothing changes: removing a blank may bring two line ends together.
    for (int before = -1; before != run.Length();) {
        before = run.Length();
        ReplaceAll(run, kCrlf, "\n");
        ReplaceAll(run, "\n\n", "\n");
        ReplaceAll(run, "\n ", "\n");
        ReplaceAll(run, " \n", "\n");
    }
    run.ReplaceChar('\n', ' ');
    run.ReplaceChar(kQuoteGuard, '"');
    return run;
}

void CutSemicolonList(const char* list, StringList& items)
{
    items.RemoveAll();
    const char* item = list;
    for (const char* end = std::strchr(item, ';'); end; end = std::strchr(item, ';')) {
        items.Add(item, static_cast<int>(end - item));
        item = end + 1;
    }
}

XString RootEntries(const XString& classRoot, const char* siblingPaths, const StringList& foundArchives)
{
    StringPtrList names;
    StringList siblings;
    CutSemicolonList(siblingPaths, siblings);
    for (int i = 0; i < siblings.Count(); ++i)
        names.InsertSorted(siblings.At(i)->Data());
    for (int i = 0; i < foundArchives.Count(); ++i)
        names.InsertSorted(foundArchives.At(i)->Data());
    XString entries;
    for (int i = 0; i < names.Count(); ++i) {
        XString entry(classRoot);
        if (entry.LastChar() != '\\')
            entry.AppendChar('\\');
        entry.AppendString(*names.StringAt(i));
        AppendQuotedClasspathEntry(entries, entry.Data(), entry.Length());
    }
    return entries;
}
