#pragma once

#include <windows.h>

#include "page_finder.h"
#include "xstring.h"

// Told of every navigation the browser completes, its own or a link's.
class NavigationListener {
public:
    virtual void OnNavigateComplete2(const char* location) = 0;

protected:
    ~NavigationListener() = default;
};

// What the HTML view asks of its browser. The program hosts the real
// web-browser control; tests put a fake in its place.
class HtmlBrowser : public FindablePage {
public:
    virtual ~HtmlBrowser() = default;

    // The browser's window, a child of parent at place.
    virtual bool CreateIn(HWND parent, int id, const RECT& place) = 0;
    virtual HWND Window() const = 0;
    virtual bool Navigate(const char* location) = 0;
    virtual XString Location() const = 0;
    virtual void Stop() = 0;
    virtual void Refresh() = 0;
    virtual void SetZoom(int level) = 0;

    void SetListener(NavigationListener* newListener) { listener = newListener; }

protected:
    void NavigationCompleted(const char* location)
    {
        if (listener)
            listener->OnNavigateComplete2(location);
    }

private:
    NavigationListener* listener = nullptr;
};
