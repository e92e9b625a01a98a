#include "navigation_history.h"

void NavigationHistory::Add(const char* location)
{
    ++current;
    if (current < Count())
        entries.erase(entries.begin() + current, entries.end());
    entries.emplace_back(location);
    while (Count() > kMaxEntries) {
        entries.erase(entries.begin());
        --current;
    }
}

int NavigationHistory::Back(XString& location)
{
    if (current < 1)
        return 0;
    --current;
    location.Copy(entries[static_cast<size_t>(current)]);
    return 1;
}

int NavigationHistory::Forward(XString& location)
{
    if (current >= Count() - 1)
        return 0;
    ++current;
    location.Copy(entries[static_cast<size_t>(current)]);
    return 1;
}

void NavigationHistory::Clear()
{
    entries.clear();
    current = -1;
}
