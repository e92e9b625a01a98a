#pragma once

#include <cstddef>
#include <vector>

#include "xstring.h"

// The back/forward history of the locations the browser showed. Only the
// newest entries are kept, so a long session never grows it without end.
class NavigationHistory {
public:
    static constexpr int kMaxEntries = 20;

    // Drops every entry after the current one, then appends the location
    // (even when it equals the current one) and makes it current.
    void Add(const char* location);
    // 1 with the location one step back (or forward); 0 at either end.
    int Back(XString& location);
    int Forward(XString& location);
    void Clear();

    int Count() const { return static_cast<int>(entries.size()); }
    int Current() const { return current; }

private:
    std::vector<XString> entries;
    int current = -1;
};
