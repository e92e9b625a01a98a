#pragma once

#include <memory>

#include "find_dialog.h"
#include "html_browser.h"
#include "page_finder.h"
#include "xstring.h"

// Where the HTML view reports a navigation the user made inside a page.
class NavigationRecorder {
public:
    virtual void RecordNavigation(const char* location) = 0;

protected:
    ~NavigationRecorder() = default;
};

// The right column's HTML view: navigates its browser, records the pages the
// user reaches by links, zooms and finds text in the page.
class ZViewHtml : public TextFinder, private NavigationListener {
public:
    ZViewHtml(NavigationRecorder& recorder, HtmlBrowser& browser);
    ~ZViewHtml();
    ZViewHtml(const ZViewHtml&) = delete;
    ZViewHtml& operator=(const ZViewHtml&) = delete;

    // The browser's window, and the find dialog owned by it.
    bool Create(HWND parent, int id, const RECT& place);
    HWND Window() const { return browser.Window(); }

    void NavigateTo(const char* location);
    XString GetLocation() const { return browser.Location(); }
    void SetZoom(int level) { browser.SetZoom(level); }
    void Stop() { browser.Stop(); }
    void Refresh() { browser.Refresh(); }
    bool FindText(const char* text, int flags, bool reportMissing) override;
    FindTextDialog* FindDialog() { return findDialog.get(); }

private:
    void OnNavigateComplete2(const char* location) override;

    NavigationRecorder& recorder;
    HtmlBrowser& browser;
    PageFinder finder;
    std::unique_ptr<FindTextDialog> findDialog;
    bool ownNavigation = false;  // set from NavigateTo until the next completed navigation
    XString lastCompleted;
};
