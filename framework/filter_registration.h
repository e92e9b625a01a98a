#pragma once

#include "app.h"

// A window's place in the App's filter chain, given up when the window goes
// (WM_NCDESTROY) or, at the latest, with the object.
class FilterRegistration {
public:
    FilterRegistration() = default;
    ~FilterRegistration() { Remove(); }
    FilterRegistration(const FilterRegistration&) = delete;
    FilterRegistration& operator=(const FilterRegistration&) = delete;

    void Add(MessageFilter& newFilter)
    {
        Remove();
        App::AddFilter(newFilter);
        filter = &newFilter;
    }
    void Remove()
    {
        if (filter)
            App::RemoveFilter(*filter);
        filter = nullptr;
    }

private:
    MessageFilter* filter = nullptr;
};
