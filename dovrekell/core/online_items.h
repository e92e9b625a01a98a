#pragma once

#include <cstddef>
#include <vector>

#include "xstring.h"

// The online item list and the "Online" part of the Contents tree it fills.
//
// A list line:   number '-' location '?' display/path
// Leading blanks are skipped; empty lines and lines starting with '/' are
// comments; backslashes after the '-' read as '/'.

// The item data of every tree item below "Online"; owned by its tree item.
struct OnlineItem {
    static constexpr int kFolderImage = 4;
    static constexpr int kLeafImage = 6;

    int image = 0;
    int number = 0;
    XString location;  // empty for folders
};

struct OnlineLine {
    int number = 0;
    XString location;
    std::vector<XString> path;  // folders, then the leaf
};

// 1 when the line names an item.
int ParseOnlineLine(const char* line, OnlineLine& parsed);

// Order of the children of one folder: leaves before folders, then by
// ascending number. Negative, zero or positive like strcmp.
int CompareOnlineItems(const OnlineItem& a, const OnlineItem& b);

// One item below "Online" as the list makes it, its children in their order.
struct OnlineNode {
    XString text;
    OnlineItem item;
    std::vector<OnlineNode> children;
};

// The whole list file (CRs and TABs dropped, one line per LF) as the items
// below "Online": folders are shared between lines, and each folder's
// children stand in CompareOnlineItems order, equal ones as the list gives
// them. Reading ends early, keeping what it has, once keepRunning is 0.
std::vector<OnlineNode> ReadOnlineList(const char* text, size_t size, const volatile long* keepRunning = nullptr);
