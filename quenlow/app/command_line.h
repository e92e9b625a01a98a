#pragma once

#include "xstring.h"

// Quenlow's command line: the installer's steps and the six switches that
// start another program.
enum class Switch {
    None,          // empty line: the main dialog
    Uninstall,
    Install,
    Reboot,
    DoubleClick,   // argument: class file, every double quote removed
    JdkDocHelp,
    CompileFiles,  // argument: the selection list, unchanged
    ExecuteFiles,  // argument: the selection list, unchanged
    ClassInfo,     // argument: class file, quotes kept
    CompressFile,  // argument: file, unchanged
    Unknown,       // anything else: nothing happens
};

// The line is trimmed at both ends (blanks, tabs, line breaks) and matched by
// prefix, letter case counting; the argument is what follows the switch with
// leading blanks (not tabs) removed.
Switch ParseSwitch(const char* commandLine, XString& argument);

int CountChar(const char* text, char c);
