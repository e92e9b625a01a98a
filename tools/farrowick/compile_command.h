#pragma once

#include "compile_job.h"

// The javac command lines of the compile tool. A command is kept in its
// display form, one part a line, with the byte kPartMark where a part begins
// that the display shows on a line of its own; the run text is the same
// command on one line. No Win32: built and tested natively as well.

constexpr char kPartMark = '\xB6';

// The compiler options in their order, one a line, behind kPartMark; empty
// when there is none. The user command's line breaks become single blanks.
XString CompileOptionsText(const CompileOptions& options);

// The quoted compiler, then the class-path switch with its entries (when
// there are any) and the options.
XString CompileCommand(const char* javacPath, const XString& classPath, const XString& optionsText);

// Each ';' followed by a line end, so that every entry shows on its own line.
XString DisplayCommand(const XString& command);

// Where the classes go: "-d ." next to the sources, nothing for javac's
// default, or "-d" and the chosen folder in quotes.
XString OutputOptionText(const CompileOptions& options);

struct UnitCommand {
    XString display;  // for the command pane
    XString run;      // for the runner: no line end left
};
UnitCommand UnitCommandTexts(const XString& displayCommand, const XString& outputOption, const XString& unitText);

// The quoted class-path entries of the names (sibling entries and found
// archives) in the base folder, each followed by ';'.
XString RootClassPath(const char* base, const char* const* names, int count);

// A unit whose run text is longer than a command line can be hands javac its
// source names in an argument file instead.
bool NeedsArgumentFile(const UnitCommand& texts);
// The argument file's text for the unit's quoted names, one a line.
XString UnitArgumentList(const XString& unitText);
// The run text with @"<argumentFile>" where the unit's names stood; the
// display text stays the one with every name, so that the command pane
// still shows what is compiled.
XString ArgumentFileRunText(const XString& displayCommand, const XString& outputOption, const char* argumentFile);
