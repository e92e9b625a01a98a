#pragma once

#include "xstring.h"

struct HWND__;

// Checks the main class the user named: a readable ".class" file whose class
// lies in the folders of its package. 1 with the class-path root (the base
// folder) and the dotted class name; 0 after telling the user why not.
int CheckMainClass(const char* mainClassPath, XString& baseFolder, XString& className, HWND__* owner);
