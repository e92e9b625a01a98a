#pragma once

#include <windows.h>

// Asks the question (caption "Message", Yes and No) and on Yes restarts the
// computer with ExitWindowsEx's flags. NT restarts the computer for a
// process only once the shutdown privilege is enabled on its token, so that
// is asked for first. A restart the system refuses is said, followed by
// leftToDo (what the user must then do). True when the restart was begun.
bool AskToRestart(const char* question, UINT flags, const char* leftToDo);
