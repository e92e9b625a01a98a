#pragma once

#include "xstring.h"

// The Find page's plain rules. No Win32.

// Which kinds the tree shows: Applications, Applets, General classes, Error
// format, Error package, as checked when the search began.
struct FindDisplay {
    int applications = 0;
    int applets = 0;
    int general = 0;
    int formatErrors = 0;
    int packageErrors = 0;
};

bool KindShown(const FindDisplay& display, int kind);

// Counts per kind, indexed by kind / 2 - 1 (2, 4, 6, 8, 10, 12).
struct FindCounts {
    int kinds[6] = {};
    int total = 0;
};

XString FindCountsText(const FindCounts& counts, const FindDisplay& display);

// Where a class file goes below the root folder: its folders between the
// root and the name ("a\b\", empty directly in the root). A file outside
// the root folder (compared ignoring case) keeps its whole path as its name
// and has no folders. 1 when inside.
int SplitBelowRoot(const char* root, const char* path, XString& folders, XString& name);

// A tree item's text that is a whole path by itself.
bool IsWholePath(const char* text);
