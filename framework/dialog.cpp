#include "dialog.h"

#include "app.h"
#include "controls.h"

Dialog::Dialog(int id, HWND owner) : parent(owner), templateId(id) {}

Dialog::~Dialog()
{
    if (hwnd && IsWindow(hwnd))
        DestroyWindow(hwnd);
    if (filtering)
        App::RemoveFilter(*this);
}

bool Dialog::Create()
{
    ended = false;
    HWND created = CreateDialogParamA(App::Instance(), MAKEINTRESOURCEA(templateId), parent, Procedure,
                                      reinterpret_cast<LPARAM>(this));
    if (!created)
        return false;
    if (!modal && !filtering) {
        App::AddFilter(*this);
        filtering = true;
    }
    return true;
}

INT_PTR Dialog::DoModal()
{
    modal = true;
    if (!Create()) {
        modal = false;
        return -1;
    }
    ShowWindow(hwnd, SW_SHOW);
    App::RunModalLoop(
        parent, [this] { return !ended; }, [this](MSG& msg) { return IsDialogMessageA(hwnd, &msg) != FALSE; });
    if (hwnd)
        DestroyWindow(hwnd);
    modal = false;
    return result;
}

void Dialog::EndDialog(INT_PTR value)
{
    result = value;
    ended = true;
    if (!modal && hwnd)
        DestroyWindow(hwnd);
}

bool Dialog::PreTranslate(MSG& msg)
{
    return hwnd && IsDialogMessageA(hwnd, &msg);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    INT_PTR routed = 0;
    if (Dispatch(*this, Routes(), message, wParam, lParam, routed))
        return routed;

    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        break;
    case WM_CLOSE:
        OnCancel();
        return TRUE;
    case WM_DRAWITEM: {
        // Owner drawing is the control's own business: reflected to it.
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU && item->hwndItem &&
            SendMessageA(item->hwndItem, kReflectedDrawItem, wParam, lParam)) {
            SetMessageResult(TRUE);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = App::DialogBrush()) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, App::DialogTextColor());
            return reinterpret_cast<INT_PTR>(brush);
        }
        break;
    default:
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd = hwnd;
        return self->OnInitDialog();
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    if (message == WM_NCDESTROY) {
        self->OnDestroy();
        if (self->filtering) {
            App::RemoveFilter(*self);
            self->filtering = false;
        }
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd = nullptr;
        return FALSE;
    }
    return self->HandleMessage(message, wParam, lParam);
}
