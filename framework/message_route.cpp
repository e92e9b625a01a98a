#include "message_route.h"

namespace {

// A menu item and a toolbar button send code 0; an accelerator sends code 1
// and, unlike a control's notification 1, no control window.
bool CodeMatches(UINT routeCode, WPARAM wParam, LPARAM lParam)
{
    const UINT code = HIWORD(wParam);
    if (routeCode == kMenuOrAccelerator)
        return code == 0 || (code == 1 && lParam == 0);
    return routeCode == code;
}

}  // namespace

const MessageRoute* FindRoute(const RouteTable& table, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (size_t i = 0; i < table.count; ++i) {
        const MessageRoute& route = table.routes[i];
        if (route.message != message)
            continue;
        if (message == WM_COMMAND) {
            if (CodeMatches(route.code, wParam, lParam) && route.id == LOWORD(wParam))
                return &route;
        } else if (message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (route.code == header->code && route.id == header->idFrom)
                return &route;
        } else {
            return &route;
        }
    }
    return nullptr;
}

bool Dispatch(MessageTarget& target, const RouteTable& table, UINT message, WPARAM wParam, LPARAM lParam,
              INT_PTR& result)
{
    const MessageRoute* route = FindRoute(table, message, wParam, lParam);
    if (!route)
        return false;
    result = (target.*route->handler)(wParam, lParam);
    return true;
}
