#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The items of a list box or combo box of another process. Asked with the
// wide messages: Wine hands the ANSI ones' text across processes still in
// UTF-16, so only their first character would read back.
inline std::vector<std::string> RemoteItems(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(control, countMessage, 0, 0);
    for (LRESULT entry = 0; entry < count; ++entry) {
        const LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(entry), 0);
        std::wstring wide(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        SendMessageW(control, textMessage, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&wide[0]));
        char text[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

inline std::vector<std::string> ListItems(HWND list)
{
    return RemoteItems(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

inline std::vector<std::string> ComboItems(HWND combo)
{
    return RemoteItems(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
