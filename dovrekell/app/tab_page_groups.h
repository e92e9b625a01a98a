#pragma once

#include <windows.h>

#include <vector>

// The controls of each page of a tab control: showing a page hides every
// control of the other pages and shows its own.
class TabPageGroups {
public:
    void AddPage(std::vector<HWND> controls) { pages.push_back(std::move(controls)); }
    int Count() const { return static_cast<int>(pages.size()); }
    void Show(int page) const
    {
        if (pages.empty())
            return;
        page = page < 0 ? 0 : (page >= Count() ? Count() - 1 : page);
        for (int other = 0; other < Count(); ++other) {
            if (other == page)
                continue;
            for (HWND control : pages[other])
                ShowWindow(control, SW_HIDE);
        }
        for (HWND control : pages[page])
            ShowWindow(control, SW_SHOW);
    }

private:
    std::vector<std::vector<HWND>> pages;
};
