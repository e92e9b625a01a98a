#pragma once
// Stands in for the shell seam: notes each file or address it is asked to
// open, and checks that it comes as a plain open (no verb, parameters or
// folder; shown).
#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string>& ShellOpened();
HINSTANCE RecordShellOpen(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* directory, int show);
