#include "browse_folder.h"

#include <shlobj.h>

#include "late_bound.h"
#include "paths/path_text.h"

namespace {

constexpr int kDisplayNameSize = 512;

}  // namespace

int BrowseHelper::OnMessage(UINT, WPARAM, LPARAM)
{
    return 0;
}

int CALLBACK BrowseCallbackProc(HWND picker, UINT message, LPARAM, LPARAM helperParam)
{
    if (message != BFFM_INITIALIZED)
        return 0;
    BrowseHelper* helper = reinterpret_cast<BrowseHelper*>(helperParam);
    if (!helper)
        return 0;
    helper->dialog = picker;
    helper->oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(picker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BrowseSubclassProc)));
    SetWindowLongPtrA(picker, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(helper));
    helper->OnMessage(WM_INITDIALOG, 0, 0);
    if (helper->initialFolder)
        SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(helper->initialFolder));
    return 0;
}

LRESULT CALLBACK BrowseSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    BrowseHelper* helper = reinterpret_cast<BrowseHelper*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!helper)
        return DefWindowProcA(window, message, wParam, lParam);
    if (helper->OnMessage(message, wParam, lParam))
        return 0;
    return CallWindowProcA(helper->oldProc, window, message, wParam, lParam);
}

LPITEMIDLIST BrowseFolderDialog(BROWSEINFOA* request)
{
    static const auto function = LateBound<decltype(&SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
    return function ? function(request) : nullptr;
}

int BrowseForFolder(HWND owner, BrowseHelper& helper, XString& folder, LPITEMIDLIST (*show)(BROWSEINFOA*))
{
    char displayName[kDisplayNameSize] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = "Quenlow";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallbackProc;
    info.lParam = reinterpret_cast<LPARAM>(&helper);
    LPITEMIDLIST items = show ? show(&info) : BrowseFolderDialog(&info);
    if (!items)
        return 0;
    static const auto pathOf = LateBound<decltype(&SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
    static const auto shellAllocator = LateBound<decltype(&SHGetMalloc)>("shell32.dll", "SHGetMalloc");
    char path[MAX_PATH] = {};
    const BOOL ok = pathOf && pathOf(items, path);
    IMalloc* shellMalloc = nullptr;
    if (shellAllocator && SUCCEEDED(shellAllocator(&shellMalloc))) {
        shellMalloc->Free(items);
        shellMalloc->Release();
    }
    if (!ok)
        return 0;
    folder = PickedFolderText(path);
    return 1;
}
