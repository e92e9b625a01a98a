#pragma once

#include <windows.h>

#include <cstddef>

class Dialog;

// A row of a dialog's message map: the message, for WM_COMMAND the
// notification code and control id, for WM_NOTIFY the notify code and the
// sending control's id, and the member that answers it.
using DialogHandler = INT_PTR (Dialog::*)(WPARAM, LPARAM);
struct MessageRoute {
    UINT message;
    UINT code;
    UINT id;
    DialogHandler handler;
};

template <class D>
MessageRoute OnMessage(UINT message, INT_PTR (D::*handler)(WPARAM, LPARAM))
{
    return {message, 0, 0, static_cast<DialogHandler>(handler)};
}

template <class D>
MessageRoute OnCommand(UINT code, UINT id, INT_PTR (D::*handler)(WPARAM, LPARAM))
{
    return {WM_COMMAND, code, id, static_cast<DialogHandler>(handler)};
}

template <class D>
MessageRoute OnNotify(UINT code, UINT id, INT_PTR (D::*handler)(WPARAM, LPARAM))
{
    return {WM_NOTIFY, code, id, static_cast<DialogHandler>(handler)};
}

// A dialog from a resource template, one C++ object per window: the object
// arrives with WM_INITDIALOG and the one dialog procedure forwards every
// message to it.
class Dialog {
public:
    Dialog(int templateId, HWND parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Modal with our own loop, so modeless windows keep their keyboard handling.
    INT_PTR DoModal();
    // Modeless; the window lives until DestroyWindow or the object's end.
    bool Create();
    void EndDialog(INT_PTR result);

    HWND Handle() const { return hwnd; }
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }
    int TemplateId() const { return templateId; }

protected:
    struct RouteTable {
        const MessageRoute* routes;
        size_t count;
    };
    template <size_t N>
    static RouteTable Table(const MessageRoute (&routes)[N])
    {
        return {routes, N};
    }

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnDestroy() {}
    virtual RouteTable Routes() const { return {nullptr, 0}; }
    // Routes first, then the defaults; override to see every message.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The result of a message whose answer is not the procedure's return value.
    void SetMessageResult(LRESULT result) { SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result); }

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    const MessageRoute* FindRoute(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND hwnd = nullptr;
    HWND parent;
    int templateId;
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
};
