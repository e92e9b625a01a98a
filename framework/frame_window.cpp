#include "frame_window.h"

#include "app.h"

bool FrameWindow::CreateFrame(int resourceId, const char* title, const RECT& place)
{
    HMENU menu = LoadMenuA(App::Instance(), MAKEINTRESOURCEA(resourceId));
    accelerators = LoadAcceleratorsA(App::Instance(), MAKEINTRESOURCEA(resourceId));
    if (!CreateTopLevel(title, place, menu, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    filterRegistration.Add(*this);
    RecalcLayout();
    UpdateToolbarStates();
    return true;
}

bool FrameWindow::PreTranslate(MSG& msg)
{
    if (!accelerators || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    // Keys typed into this frame or into any window inside it.
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    return TranslateAcceleratorA(Handle(), accelerators, &msg) != 0;
}

void FrameWindow::UpdateToolbarStates()
{
    if (!toolBar.IsValid())
        return;
    const int count = toolBar.ButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        if (!toolBar.Send(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)) ||
            (button.fsStyle & BTNS_SEP))
            continue;
        const bool enabled = IsCommandEnabled(static_cast<UINT>(button.idCommand));
        if (enabled != toolBar.IsButtonEnabled(button.idCommand))
            toolBar.EnableButton(button.idCommand, enabled);
    }
}

void FrameWindow::ShowBar(HWND bar, bool show)
{
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void FrameWindow::UpdateMenu(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;  // separators and sub-menus
        EnableMenuItem(menu, static_cast<UINT>(i),
                       MF_BYPOSITION | (IsCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (IsCommandChecked(id) ? MF_CHECKED : MF_UNCHECKED));
    }
}

void FrameWindow::RecalcLayout()
{
    RECT client;
    GetClientRect(Handle(), &client);
    int top = client.top;
    int bottom = client.bottom;
    if (IsBarShown(reBar.Handle())) {
        MoveWindow(reBar.Handle(), 0, top, client.right, reBar.Height(), TRUE);
        top += reBar.Height();
    }
    if (IsBarShown(statusBar.Handle())) {
        // The status bar places itself at the bottom from its parent's size.
        statusBar.Send(WM_SIZE, 0, 0);
        statusBar.FitParts();
        RECT bar;
        GetWindowRect(statusBar.Handle(), &bar);
        bottom -= bar.bottom - bar.top;
    }
    if (view)
        MoveWindow(view, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
}

LRESULT FrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        RecalcLayout();
        break;
    case WM_INITMENUPOPUP:
        UpdateMenu(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_COMMAND: {
        // A disabled command does nothing, whether it came from a key or a button.
        if (HIWORD(wParam) <= 1 && lParam == 0 && !IsCommandEnabled(LOWORD(wParam)))
            return 0;
        const LRESULT result = Window::HandleMessage(message, wParam, lParam);
        UpdateToolbarStates();
        return result;
    }
    case WM_NCDESTROY:
        filterRegistration.Remove();
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
