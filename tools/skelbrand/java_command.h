#pragma once

#include "garray.h"
#include "xstring.h"

// The java command lines of the Execute and Debug pages: assembled as lines
// joined by '\n', then turned into the text the user reads and the text the
// runner starts. No Win32: built and tested natively as well.

// A quote that must reach the program and the display is carried as this
// byte while a command is assembled; both text forms turn it into '"'.
constexpr char kQuoteGuard = '\xB6';

struct RunOptions {
    int client = 0;
    int server = 0;
    int verbose = 0;
    XString userCommand;
    XString arguments;         // one line, quotes as kQuoteGuard
    XString appletParameters;  // CRLF lines, ending with CRLF when not empty
    int appletWidth = 100;
    int appletHeight = 100;
};

struct CommandParts {
    XString toolPath;     // in double quotes
    XString classRoot;
    XString className;    // dotted
    XString systemJars;   // each "<path>";
    XString userPaths;    // each "<path>";
    XString rootEntries;  // each "<class root>\<name>";
};

XString BuildApplicationCommand(const CommandParts& parts, const RunOptions& options);

// The page the applet viewer reads; installFolder is the folder above the
// tool's bin folder.
XString AppletPageText(const char* installFolder, const XString& className, const RunOptions& options);
XString BuildAppletCommand(const CommandParts& parts, const RunOptions& options, const char* appletFile);

// What the command pane shows: one class-path entry a line, quotes as the
// user typed them; an applet's page below it when given.
XString CommandDisplayText(const XString& command, const XString* appletPage);
// What the runner starts: the lines joined by single blanks.
XString CommandRunText(const XString& command);

// The items of a ';'-ended list, in order; text after the last ';' is not
// an item.
void CutSemicolonList(const char* list, StringList& items);

// The sibling class-path items and the archive names found in the class
// root, sorted and distinct, each as "<class root>\<name>";.
XString RootEntries(const XString& classRoot, const char* siblingPaths, const StringList& foundArchives);
