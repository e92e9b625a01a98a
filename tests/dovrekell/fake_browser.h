#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "html_browser.h"

// A browser that shows nothing: a plain child window that records what the
// view asks of it. Navigations complete at once.
class FakeBrowser : public HtmlBrowser {
public:
    bool CreateIn(HWND parent, int id, const RECT& place) override
    {
        window = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
        return window != nullptr;
    }
    HWND Window() const override { return window; }
    bool Navigate(const char* location) override
    {
        navigations.push_back(location);
        FollowLink(location);
        return true;
    }
    XString Location() const override { return XString(current.c_str()); }
    void Stop() override { ++stops; }
    void Refresh() override { ++refreshes; }
    void SetZoom(int level) override { zooms.push_back(level); }
    std::unique_ptr<PageTextRange> BodyRange() override { return nullptr; }

    // The page reports a completed navigation, as after a click on a link.
    void FollowLink(const std::string& location)
    {
        current = location;
        NavigationCompleted(location.c_str());
    }

    HWND window = nullptr;
    std::string current;
    std::vector<std::string> navigations;
    std::vector<int> zooms;
    int stops = 0;
    int refreshes = 0;
};
