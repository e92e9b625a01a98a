#pragma once

#include <windows.h>

// The program's help file, "<program directory>\quenlow.chm".
void ShowHelpTopic(HWND parent, const char* topic);  // a page of help_topics.h
void ShowHelpFile(HWND parent);
// Shows the text with the offer to open the file options' help; returns 0.
int AskShowHelp(HWND parent, const char* text);
