#pragma once

#include <windows.h>

#include "bars.h"
#include "filter_registration.h"
#include "message_filter.h"
#include "window.h"

// A top-level frame: menu and accelerators from one resource id, optional
// rebar and status bar at its top and bottom, and a view that takes the rest
// of the client area. Command states are asked of the frame when a menu opens
// and whenever the toolbar's buttons are brought up to date.
class FrameWindow : public Window, public MessageFilter {
public:
    FrameWindow() = default;

    // Menu and accelerator table resourceId; the window is not yet shown.
    bool CreateFrame(int resourceId, const char* title, const RECT& place);

    // The accelerators of this frame, for the message loop's filter chain.
    bool PreTranslate(MSG& msg) override;

    // Enables every toolbar button as IsCommandEnabled says.
    void UpdateToolbarStates();
    void ShowBar(HWND bar, bool show);
    // A bar's own visibility, also while the frame itself is hidden.
    static bool IsBarShown(HWND bar) { return bar && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0; }

    HWND View() const { return view; }
    const ToolBar& Tools() const { return toolBar; }
    const StatusBar& Status() const { return statusBar; }
    const ReBar& Bars() const { return reBar; }

protected:
    // The window that fills what the bars leave.
    void SetView(HWND window) { view = window; }
    ToolBar toolBar;
    ReBar reBar;
    StatusBar statusBar;

    virtual bool IsCommandEnabled(UINT id) { (void)id; return true; }
    virtual bool IsCommandChecked(UINT id) { (void)id; return false; }
    // Places the bars and the view; WM_SIZE calls it.
    virtual void RecalcLayout();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateMenu(HMENU menu);

    HACCEL accelerators = nullptr;
    HWND view = nullptr;
    FilterRegistration filterRegistration;
};
