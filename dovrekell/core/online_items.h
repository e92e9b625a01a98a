#pragma once

#include <cstddef>
#include <vector>

#include "extension_groups.h"
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

class OnlineTreeBuilder : public ContentsTree {
public:
    // Appends an item at the end of parent's children. The tree takes item,
    // and frees it at once when it can not insert (null result).
    virtual ContentsItem InsertOnline(ContentsItem parent, const char* text, OnlineItem* item) = 0;
    // Sorts parent's children by CompareOnlineItems.
    virtual void SortOnline(ContentsItem parent) = 0;

protected:
    ~OnlineTreeBuilder() = default;
};

void AddOnlineLine(OnlineTreeBuilder& tree, ContentsItem parent, const char* line);
// The whole list file: CRs and TABs dropped, one line per LF.
void FillOnlineTree(OnlineTreeBuilder& tree, ContentsItem parent, const char* text, size_t size);
