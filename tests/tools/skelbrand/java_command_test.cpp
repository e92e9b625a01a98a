#include "java_command.h"

#include <gtest/gtest.h>

#include <string>

#include "classpath_quote.h"

namespace {

std::string Text(const XString& s)
{
    return std::string(s.Data(), static_cast<size_t>(s.Length()));
}

struct Case {
    const char* what;
    const char* classRoot;
    const char* systemJars;  // as the search of the installed kits gives them
    const char* userList;    // the payload's user class paths
    const char* siblings;
    const char* found;       // archive names found in the class root, ';'-ended
    int client, server, verbose;
    const char* userCommand;
    const char* arguments;
    int applet;
    const char* display;
    const char* run;
};

const Case kCases[] = {
    {"no lists", R"(C:\w)", "", "", "", "", 0, 0, 0, "", "x", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\n\n\na.B\nx",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w"; a.B x)"},
    {"system jars under the runtime and the kit", R"(C:\w)", R"("C:\jre\lib\rt.jar";"C:\jdk\jre\lib\ext\x.jar";)",
     "", "", "", 0, 0, 0, "", "x", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\nC:\\jre\\lib\\rt.jar;\nC:\\jdk\\jre\\lib\\ext\\x.jar;\n\n\na.B\nx",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w";"C:\jre\lib\rt.jar";"C:\jdk\jre\lib\ext\x.jar"; a.B x)"},
    {"user paths, the text after the last ';' dropped", R"(C:\w)", "", R"(C:\u\lib.jar;;C:\u\classes;tail)", "", "",
     0, 0, 0, "", "x", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\nC:\\u\\lib.jar;\n;\nC:\\u\\classes;\n\n\na.B\nx",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w";"C:\u\lib.jar";"";"C:\u\classes"; a.B x)"},
    {"siblings and detected archives sorted, once each", R"(C:\w)", "", "", "z.jar;lib.zip;last", "a.jar;z.jar;", 0,
     0, 0, "", "x", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\nC:\\w\\a.jar;\nC:\\w\\lib.zip;\nC:\\w\\z.jar;\n\n\na.B\nx",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w";"C:\w\a.jar";"C:\w\lib.zip";"C:\w\z.jar"; a.B x)"},
    {"client, server and verbose", R"(C:\w)", "", "", "", "", 1, 1, 1, "", "", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\n\n-client\n-server\n-verbose\n\na.B\n",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w"; -client -server -verbose a.B )"},
    {"a two-line user command with blanks at its line ends", R"(C:\w)", "", "", "", "", 0, 0, 1,
     "-Da=1 \r\n -Xmx64m", "x", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\n\n-verbose\n-Da=1 \r\n -Xmx64m\na.B\nx",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w"; -verbose -Da=1 -Xmx64m a.B x)"},
    {"quoted arguments", R"(C:\w)", "", "", "", "", 0, 0, 0, "", "x \xB6" "a b\xB6", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\n\n\na.B\nx \"a b\"",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w"; a.B x "a b")"},
    {"entries ending in a backslash keep the quote closing", R"(D:\)", "", R"(E:\;F:\x\\;)", "", "a.jar;", 0, 0, 0,
     "", "x", 0,
     "C:\\j\\bin\\javaw.exe\n-classpath\nD:\\;\nE:\\;\nF:\\x\\\\;\nD:\\a.jar;\n\n\na.B\nx",
     R"("C:\j\bin\javaw.exe" -classpath "D:\\";"E:\\";"F:\x\\\\";"D:\a.jar"; a.B x)"},
    {"applet", R"(C:\w)", "", "", "", "", 0, 0, 0, "", "ignored", 1,
     "C:\\j\\bin\\javaw.exe\n-classpath\nC:\\w;\n\n\nsun.applet.AppletViewer\nfile:///C:\\q\\temp\\applet.txt"
     "\n\n\n************************************** applet code\n"
     "<applet \ncodebase=\"file:///C:\\q\\temp\"\ncode=\"a.B.class\" width=\"300\" height=\"200\">\n"
     "<param name=n value=v>\n</applet>",
     R"("C:\j\bin\javaw.exe" -classpath "C:\w"; sun.applet.AppletViewer "file:///C:\q\temp\applet.txt")"},
};

TEST(JavaCommand, DisplayAndRunTextsOfEveryForm)
{
    for (const Case& c : kCases) {
        CommandParts parts;
        parts.toolPath.Assign(R"("C:\j\bin\javaw.exe")");
        parts.classRoot.Assign(c.classRoot);
        parts.className.Assign("a.B");
        parts.systemJars.Assign(c.systemJars);
        parts.userPaths = QuoteClasspathList(c.userList);
        StringList found;
        CutSemicolonList(c.found, found);
        parts.rootEntries = RootEntries(parts.classRoot, c.siblings, found);
        RunOptions options;
        options.client = c.client;
        options.server = c.server;
        options.verbose = c.verbose;
        options.userCommand.Assign(c.userCommand);
        options.arguments.Assign(c.arguments);
        options.appletWidth = 300;
        options.appletHeight = 200;
        options.appletParameters.Assign("<param name=n value=v>\r\n");
        XString command;
        XString page;
        if (c.applet) {
            page = AppletPageText(R"(C:\q)", parts.className, options);
            command = BuildAppletCommand(parts, options, R"(C:\q\temp\applet.txt)");
        } else {
            command = BuildApplicationCommand(parts, options);
        }
        EXPECT_EQ(Text(CommandDisplayText(command, c.applet ? &page : nullptr)), c.display) << c.what;
        EXPECT_EQ(Text(CommandRunText(command)), c.run) << c.what;
    }
}

TEST(JavaCommand, AppletPageBytes)
{
    RunOptions options;
    options.appletWidth = 100;
    options.appletHeight = 120;
    options.appletParameters.Assign("<param name=a value=1>\r\n<param name=b value=2>\r\n");
    const std::string expected = "<applet \r\ncodebase=\"file:///C:\\Quenlow\\temp\"\r\ncode=\"p.Clock.class\" "
                                 "width=\"100\" height=\"120\">\r\n<param name=a value=1>\r\n"
                                 "<param name=b value=2>\r\n</applet>";
    EXPECT_EQ(Text(AppletPageText(R"(C:\Quenlow)", XString("p.Clock"), options)), expected);
}

TEST(ClasspathQuote, RemovingQuotesUndoesOnlyTheDoubledBackslashes)
{
    const struct {
        const char* command;
        const char* shown;
    } cases[] = {
        {R"("D:\\";"C:\a\b";)", R"(D:\;C:\a\b;)"},
        {R"("\\srv\share\\";x)", R"(\\srv\share\;x)"},
        {R"(a\\b "c")", R"(a\\b c)"},
        {R"(\\\\")", R"(\\)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(RemoveCommandQuotes(c.command)), c.shown) << c.command;
}

}  // namespace
