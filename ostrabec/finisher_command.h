#pragma once

#include "xstring.h"

// What the uninstall finisher was asked to do.
enum class FinisherAction { Nothing, AskRestart, Uninstall };

// Blanks and tabs before the switch and before its argument are skipped; the
// argument (the installation folder) is the rest of the line, unchanged.
FinisherAction ParseFinisherCommand(const char* commandLine, XString& folder);

// The batch file that deletes the finisher once its process has ended, and
// then itself. Both loops give up after a bounded number of tries with a short
// pause, so a file that cannot be deleted never leaves a command interpreter
// spinning.
XString BuildSelfDeleteBatch(const char* exePath, const char* batchPath);

constexpr int kDeleteTries = 30;
