#pragma once

#include <windows.h>
#include <ole2.h>

#include "filter_registration.h"
#include "message_filter.h"
#include "ole_control_host.h"
#include "window.h"
#include "xstring.h"

struct IHTMLDocument2;

// A view that hosts the web-browser control over the whole of its window.
// Keys typed into the page go to the browser first (its accelerators: Tab
// between links, copy, scrolling), and completed navigations come back to
// OnNavigateComplete2. OLE must be initialised on the view's thread.
class HtmlView : public Window, public MessageFilter {
public:
    HtmlView() = default;
    ~HtmlView() override;

    bool CreateView(HWND parent, int id, const RECT& place);
    bool HasBrowser() const { return host.IsPresent(); }
    // True when the browser takes our sink for its events.
    bool ListensToEvents() const { return sink != nullptr; }

    bool Navigate(const char* location);
    XString LocationUrl() const;
    void Stop();
    void Refresh();
    // OLECMDID_ZOOM without asking the user; false when the browser refuses.
    bool SetZoomLevel(int level);
    // The shown page's document, for the caller to release; null when none.
    IHTMLDocument2* Document() const;

    bool PreTranslate(MSG& msg) override;

protected:
    virtual void OnNavigateComplete2(const char* location) { (void)location; }
    const char* ClassName() const override { return "QuenlowHtmlView"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class EventSink;
    void Connect();
    void Disconnect();

    OleControlHost host;
    EventSink* sink = nullptr;
    DWORD cookie = 0;
    FilterRegistration filterRegistration;
};
