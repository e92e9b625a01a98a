#pragma once

#include <windows.h>

#include "message_route.h"

// A custom child window or a frame, one C++ object per window: the object
// arrives with WM_NCCREATE and the one window procedure forwards every
// message to it. The window class is registered on the first creation.
class Window : public MessageTarget {
public:
    using RouteTable = ::RouteTable;

    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // A child window at place (parent coordinates) with a control id.
    bool Create(HWND parent, const RECT& place, int id, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);
    // A top-level window with an optional menu and owner.
    bool CreateTopLevel(const char* title, const RECT& place, HMENU menu = nullptr,
                        DWORD style = WS_OVERLAPPEDWINDOW, HWND owner = nullptr);
    // Takes the place, id and tab position of a template control (such as a
    // static that only marks the place); the control goes away.
    bool TakePlaceOf(HWND dialog, int id, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);

    HWND Handle() const { return hwnd; }

protected:
    virtual const char* ClassName() const = 0;
    // Class details before the one registration: cursor, brush, icon, style.
    virtual void DescribeClass(WNDCLASSEXA& windowClass) const { (void)windowClass; }
    virtual RouteTable Routes() const { return {nullptr, 0}; }
    // Routes first, then DefWindowProc; override to see every message.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool CreateWindowOf(DWORD exStyle, const char* title, DWORD style, const RECT& place, HWND parent, HMENU menu);
    bool Register() const;
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
};
