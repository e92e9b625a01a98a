#pragma once

#include <windows.h>

#include <cstddef>

// The one route table of every window kind (dialogs, pages, plain windows):
// a constant array of {message, notification code, control id, member}.
// The members are named through this empty base, so one table type serves
// every class that derives from it.
class MessageTarget {
protected:
    ~MessageTarget() = default;
};

// Every handler returns INT_PTR, one type on both widths: a dialog's or a
// page's procedure answer, or a plain window's message result.
using RouteHandler = INT_PTR (MessageTarget::*)(WPARAM, LPARAM);

// A row: the message, for WM_COMMAND the notification code and control id,
// for WM_NOTIFY the notify code and the sending control's id.
struct MessageRoute {
    UINT message;
    UINT code;
    UINT id;
    RouteHandler handler;
};

struct RouteTable {
    const MessageRoute* routes;
    size_t count;
};

template <size_t N>
RouteTable Table(const MessageRoute (&routes)[N])
{
    return {routes, N};
}

// A code no control sends: the row matches a menu command (code 0) and an
// accelerator (code 1) of the same id.
constexpr UINT kMenuOrAccelerator = 0xFFFFFFFFu;

template <class T>
MessageRoute OnMessage(UINT message, INT_PTR (T::*handler)(WPARAM, LPARAM))
{
    return {message, 0, 0, static_cast<RouteHandler>(handler)};
}

template <class T>
MessageRoute OnCommand(UINT code, UINT id, INT_PTR (T::*handler)(WPARAM, LPARAM))
{
    return {WM_COMMAND, code, id, static_cast<RouteHandler>(handler)};
}

template <class T>
MessageRoute OnMenu(UINT id, INT_PTR (T::*handler)(WPARAM, LPARAM))
{
    return {WM_COMMAND, kMenuOrAccelerator, id, static_cast<RouteHandler>(handler)};
}

template <class T>
MessageRoute OnNotify(UINT code, UINT id, INT_PTR (T::*handler)(WPARAM, LPARAM))
{
    return {WM_NOTIFY, code, id, static_cast<RouteHandler>(handler)};
}

// The first row that matches, or null.
const MessageRoute* FindRoute(const RouteTable& table, UINT message, WPARAM wParam, LPARAM lParam);

// Calls the matching row's member on target; false when no row matches.
bool Dispatch(MessageTarget& target, const RouteTable& table, UINT message, WPARAM wParam, LPARAM lParam,
              INT_PTR& result);
