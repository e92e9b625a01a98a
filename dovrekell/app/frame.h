#pragma once

#include <memory>

#include "document.h"
#include "frame_window.h"
#include "navigation_history.h"
#include "splitter.h"
#include "view_html.h"
#include "views.h"

// The right column: the HTML view above the other-file view, with no bar
// between them; one of the two has the whole height.
class InnerSplitter : public Splitter {
public:
    InnerSplitter() : Splitter(2, 1) { SetBars(0, 0, 1, 1); }
};

// The help browser's main frame: toolbar in a rebar, status bar, the left
// panel and the right column, the commands, and the close that waits for
// the documentation worker.
class ZFrm : public FrameWindow, public NavigationRecorder {
public:
    static constexpr UINT kCloseTimer = 100;
    static constexpr UINT kClosePeriodMs = 200;

    ZFrm(ZDoc& document, HtmlBrowser& browser);
    ~ZFrm() override;

    bool Create();

    void ShowRightView(bool showHtml, bool force);
    XString GetCurrentLocation() const;
    void OpenLocation(const char* location, bool addToHistory);
    void RecordNavigation(const char* location) override;

    bool HtmlShown() const { return htmlShown; }
    ZViewHtml& HtmlView() { return *htmlView; }
    ZViewForm& Panel() { return *formView; }
    ZViewOther& OtherView() { return *otherView; }
    NavigationHistory& History() { return history; }
    const Splitter& Inner() const { return innerSplitter; }
    const Splitter& Outer() const { return outerSplitter; }

protected:
    const char* ClassName() const override { return "DovrekellFrame"; }
    RouteTable Routes() const override;
    bool IsCommandEnabled(UINT id) override;
    bool IsCommandChecked(UINT id) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnCreate();
    bool OnCreateClient();
    void UpdateCaption();
    void UpdateIndicators();
    bool HtmlIsTaller() const;

    INT_PTR OnExit(WPARAM, LPARAM);
    INT_PTR OnViewToolbar(WPARAM, LPARAM);
    INT_PTR OnViewStatusBar(WPARAM, LPARAM);
    INT_PTR OnBack(WPARAM, LPARAM);
    INT_PTR OnForward(WPARAM, LPARAM);
    INT_PTR OnStop(WPARAM, LPARAM);
    INT_PTR OnRefresh(WPARAM, LPARAM);
    INT_PTR OnFont(WPARAM, LPARAM);
    INT_PTR OnFontButton(WPARAM, LPARAM);
    INT_PTR OnHelpContents(WPARAM, LPARAM);
    INT_PTR OnDocsLocation(WPARAM, LPARAM);
    INT_PTR OnAbout(WPARAM, LPARAM);
    INT_PTR OnFind(WPARAM, LPARAM);
    INT_PTR OnOptions(WPARAM, LPARAM);
    INT_PTR OnDropDown(WPARAM, LPARAM);
    INT_PTR OnClose(WPARAM, LPARAM);
    INT_PTR OnTimer(WPARAM, LPARAM);
    INT_PTR OnDestroy(WPARAM, LPARAM);

    ZDoc& document;
    HtmlBrowser& browser;
    Splitter outerSplitter{1, 2};
    InnerSplitter innerSplitter;
    std::unique_ptr<ZViewHtml> htmlView;
    std::unique_ptr<ZViewForm> formView;
    std::unique_ptr<ZViewOther> otherView;
    bool htmlShown = true;
    NavigationHistory history;
};

// Opens a page of the browser's help file, "<program folder>\Dovrekell.chm".
void OpenHelpPage(HWND window, const char* page);
