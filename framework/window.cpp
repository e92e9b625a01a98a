#include "window.h"

#include "app.h"

Window::~Window()
{
    if (hwnd && IsWindow(hwnd))
        DestroyWindow(hwnd);
}

bool Window::Register() const
{
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(App::Instance(), ClassName(), &existing))
        return true;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = App::Instance();
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = ClassName();
    DescribeClass(windowClass);
    windowClass.lpfnWndProc = Procedure;  // the object binding is not the class's to change
    windowClass.lpszClassName = ClassName();
    return RegisterClassExA(&windowClass) != 0;
}

bool Window::CreateWindowOf(DWORD exStyle, const char* title, DWORD style, const RECT& place, HWND parent,
                            HMENU menu)
{
    if (hwnd || !Register())
        return false;
    return CreateWindowExA(exStyle, ClassName(), title, style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, menu, App::Instance(), this) != nullptr;
}

bool Window::Create(HWND parent, const RECT& place, int id, DWORD style, DWORD exStyle)
{
    return CreateWindowOf(exStyle, "", style, place, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

bool Window::CreateTopLevel(const char* title, const RECT& place, HMENU menu, DWORD style, HWND owner)
{
    return CreateWindowOf(0, title, style, place, owner, menu);
}

bool Window::TakePlaceOf(HWND dialog, int id, DWORD style, DWORD exStyle)
{
    HWND placeholder = GetDlgItem(dialog, id);
    if (!placeholder)
        return false;
    RECT place;
    GetWindowRect(placeholder, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    if (!Create(dialog, place, id, style, exStyle))
        return false;
    // Right after the placeholder in the z-order, which is the tab order.
    SetWindowPos(hwnd, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    INT_PTR routed = 0;
    if (Dispatch(*this, Routes(), message, wParam, lParam, routed))
        return routed;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd = hwnd;
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) have no object yet.
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd = nullptr;
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}
