#include "removable_list_box.h"

#include <commctrl.h>

#include <vector>

#include "classpath_sheet_ids.h"
#include "popup_menu.h"

namespace {
constexpr UINT_PTR kSubclassId = 1;
}  // namespace

RemovableListBox::~RemovableListBox()
{
    if (hwnd && IsWindow(hwnd))
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
}

bool RemovableListBox::Attach(HWND dialog, int id)
{
    hwnd = GetDlgItem(dialog, id);
    return hwnd && SetWindowSubclass(hwnd, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK RemovableListBox::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                     UINT_PTR, DWORD_PTR data)
{
    RemovableListBox* self = reinterpret_cast<RemovableListBox*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
        self->hwnd = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_RBUTTONDOWN) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->OnRightButtonDown(lParam);
        return result;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void RemovableListBox::OnRightButtonDown(LPARAM lParam) const
{
    // A single-selection list has no selection count: nothing to offer.
    if (SendMessageA(hwnd, LB_GETSELCOUNT, 0, 0) == LB_ERR)
        return;
    PopupMenu menu;
    if (!menu.Load(IDM_CP_REMOVE_JAR))
        return;
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hwnd, &at);
    if (menu.Track(hwnd, at) == ID_CP_REMOVE_JAR)
        DeleteSelectedEntries(hwnd);
}

int DeleteSelectedEntries(HWND list)
{
    const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return 0;
    std::vector<int> selected(static_cast<size_t>(count));
    const LRESULT got = SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(selected.data()));
    for (LRESULT i = got - 1; i >= 0; --i)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected[static_cast<size_t>(i)]), 0);
    return got > 0 ? static_cast<int>(got) : 0;
}
