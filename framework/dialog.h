#pragma once

#include <windows.h>

#include "message_filter.h"
#include "message_route.h"

// A dialog from a resource template, one C++ object per window: the object
// arrives with WM_INITDIALOG and the one dialog procedure forwards every
// message to it. A modeless dialog is a filter of the App's message loop, so
// it keeps its keyboard handling (IsDialogMessage) while it lives.
class Dialog : public MessageTarget, private MessageFilter {
public:
    using RouteTable = ::RouteTable;

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
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnDestroy() {}
    virtual RouteTable Routes() const { return {nullptr, 0}; }
    // Routes first, then the defaults; override to see every message.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The result of a message whose answer is not the procedure's return value.
    void SetMessageResult(LRESULT result) { SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result); }

    // The one dialog procedure; lParam of WM_INITDIALOG is the Dialog.
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool PreTranslate(MSG& msg) override;

    HWND hwnd = nullptr;
    HWND parent;
    int templateId;
    bool modal = false;
    bool filtering = false;
    bool ended = false;
    INT_PTR result = 0;
};
