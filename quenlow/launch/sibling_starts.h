#pragma once

#include <windows.h>

#include "payloads.h"
#include "settings/settings_file.h"
#include "xstring.h"

// Starts one program of the installation with a command line that begins
// with its quoted path. 1 when it started; otherwise the user is told which
// program could not be started, or that its command line is too long, and 0.
int StartSibling(HWND owner, const char* programName, const XString& commandLine);

// Whether a payload's texts passed their check: when they did not, shows the
// check's message (naming the text and its byte) and gives 0; nothing is
// started then.
int PayloadFits(HWND owner, int fits, const XString& message);

// The message for each refusal (caption "Message").
XString SiblingMissingMessage(const char* programName, const char* commandLine);
XString CommandTooLongMessage(const char* programName);

// Checks the class file and, when it may run as the options allow, starts the
// double-click runner; a failed check shows the check's message.
void StartDoubleClickRunner(HWND owner, const char* programDir, bool runFlag, const DoubleClickOptions& options,
                            const char* classFile, const ClassPathRecord& record, const char* mainArgs,
                            const char* otherOptions);
// 1 when the viewer started.
int StartClassInfoViewer(const char* classFile, const ClassPathRecord& record, const char* otherOptions);
// The same with the class paths and other Java options that the settings
// give class information.
int StartClassInfoViewer(SettingsFile& settings, const char* classFile);
void StartCompressedFileViewer(const char* file);
void StartHelpBrowser(const char* programDir);
// The library checker; withTools adds " /t" (the main dialog's menu form).
void StartLibraryChecker(const char* programDir, bool withTools);

// The class-path pages' eight check boxes: entries 0-4 and 6-8 of a flag set;
// a missing box is skipped.
void SetCheckBoxes(const HWND* boxes, const int* flags);
void GetCheckBoxes(int* flags, const HWND* boxes);
