#pragma once

#include "html_browser.h"
#include "html_view.h"

// The real browser: the web-browser control in the framework's HTML view,
// with find in page over the document's text ranges.
class WebBrowserPane : public HtmlBrowser, private HtmlView {
public:
    bool CreateIn(HWND parent, int id, const RECT& place) override { return CreateView(parent, id, place); }
    HWND Window() const override { return Handle(); }
    bool Navigate(const char* location) override { return HtmlView::Navigate(location); }
    XString Location() const override { return LocationUrl(); }
    void Stop() override { HtmlView::Stop(); }
    void Refresh() override { HtmlView::Refresh(); }
    void SetZoom(int level) override { SetZoomLevel(level); }
    std::unique_ptr<PageTextRange> BodyRange() override;

private:
    void OnNavigateComplete2(const char* location) override { NavigationCompleted(location); }
};
