#pragma once

#include "xstring.h"

// The five commands of the context menu, by their offset from idCmdFirst.
enum ShellMenuVerb {
    VerbClassInfo = 0,
    VerbDoubleClick = 1,
    VerbCompressFile = 2,
    VerbCompileFiles = 3,
    VerbExecuteFiles = 4,
    kShellMenuVerbCount = 5
};

// Menu text of a verb and the switch it starts the main program with;
// null for an offset outside the five.
const char* ShellMenuVerbText(int verb);
const char* ShellMenuVerbSwitch(int verb);

// What Explorer handed over: counters, extension flags and the list of
// existing paths, each followed by LF, in Explorer's order.
class MenuSelection {
public:
    void Reset();
    void AddFolder(const char* path);
    void AddFile(const char* path);
    void AddMissing() { ++missing; }

    bool IsEnabled(int verb) const;
    bool AnyEnabled() const;

    int Folders() const { return folders; }
    int Files() const { return files; }
    int Missing() const { return missing; }
    const XString& Paths() const { return paths; }

private:
    void Classify(const char* path);

    int folders = 0;
    int files = 0;
    int missing = 0;
    bool hasClass = false;
    bool hasJava = false;
    bool hasArchive = false;
    XString paths;
};

// Removes one pair of double quotes that encloses the whole text; a text
// with a quote at only one end is left as it is.
void StripEnclosingQuotes(char* text);
