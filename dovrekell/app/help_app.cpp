#include "help_app.h"

#include <commctrl.h>

#include "rich_edit.h"
#include "web_browser_pane.h"

BOOL HelpApp::InitInstance(const char*)
{
    // The page view is an OLE control; the bars are common controls.
    App::InitOle();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    LoadRichEditLibrary();

    browser.reset(new WebBrowserPane);
    frame.reset(new ZFrm(document, *browser));
    if (!frame->Create())
        return FALSE;
    // Every view exists now, so the panel can load and open its first page.
    frame->Panel().InitialUpdate();
    SetMainWindow(frame->Handle());
    ShowWindow(frame->Handle(), SW_SHOW);
    UpdateWindow(frame->Handle());
    return TRUE;
}
