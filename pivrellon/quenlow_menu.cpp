#include "quenlow_menu.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <new>

#include "menu_command_line.h"
#include "menu_settings.h"
#include "pivrellon_ids.h"
#include "process/start_child.h"
#include "seams.h"
#include "xfind.h"

namespace {

const char kSubmenuExpanded[] = "Compile, execute and debug";
const char kSubmenuCollapsed[] = "Quenlow";
const char kTooLargeText[] =
    "The selection is too large to be handed to Quenlow in one command line.\n"
    "Please select fewer files, or the folder that holds them.";
const char kMessageCaption[] = "Message";

// Items that the menu adds: each style reports this many identifiers.
constexpr int kItemsAdded = 6;

const int kBitmapIds[3] = {IDB_MENU_SUITE, IDB_MENU_COMPILE, IDB_MENU_EXECUTE};

const InterfaceEntry kInterfaces[] = {
    {&IID_IQuenlowMenu, ReachInterface<QuenlowMenu, IQuenlowMenu>},
    {&IID_IDispatch, ReachInterface<QuenlowMenu, IQuenlowMenu>},
    {&IID_IContextMenu, ReachInterface<QuenlowMenu, IContextMenu>},
    {&IID_IShellExtInit, ReachInterface<QuenlowMenu, IShellExtInit>},
};

}  // namespace

QuenlowMenu::QuenlowMenu()
{
    ModuleLock();
}

QuenlowMenu::~QuenlowMenu()
{
    if (typeInfo)
        typeInfo->Release();
    for (HBITMAP bitmap : bitmaps) {
        if (bitmap)
            DeleteObject(bitmap);
    }
    ModuleUnlock();
}

HRESULT QuenlowMenu::Create(REFIID iid, void** out)
{
    QuenlowMenu* menu = new (std::nothrow) QuenlowMenu;
    if (!menu) {
        *out = nullptr;
        return E_OUTOFMEMORY;
    }
    const HRESULT result = menu->QueryInterface(iid, out);
    menu->Release();
    return result;
}

STDMETHODIMP QuenlowMenu::QueryInterface(REFIID iid, void** out)
{
    return QueryInterfaceFromList(this, kInterfaces, iid, out);
}

HRESULT QuenlowMenu::LoadTypeInfo()
{
    if (typeInfo)
        return S_OK;
    WCHAR widePath[MAX_PATH + 1];
    ITypeLib* library = nullptr;
    HRESULT result = LoadOwnTypeLibrary(&library, widePath);
    if (FAILED(result))
        return result;
    result = library->GetTypeInfoOfGuid(IID_IQuenlowMenu, &typeInfo);
    library->Release();
    return result;
}

STDMETHODIMP QuenlowMenu::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP QuenlowMenu::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    const HRESULT result = LoadTypeInfo();
    if (FAILED(result))
        return result;
    typeInfo->AddRef();
    *info = typeInfo;
    return S_OK;
}

STDMETHODIMP QuenlowMenu::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    const HRESULT result = LoadTypeInfo();
    return FAILED(result) ? result : DispGetIDsOfNames(typeInfo, names, count, ids);
}

STDMETHODIMP QuenlowMenu::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argError)
{
    const HRESULT loaded = LoadTypeInfo();
    if (FAILED(loaded))
        return loaded;
    return DispInvoke(static_cast<IQuenlowMenu*>(this), typeInfo, id, flags, params, result, exception, argError);
}

STDMETHODIMP QuenlowMenu::Initialize(LPCITEMIDLIST, IDataObject* data, HKEY)
{
    selection.Reset();
    if (!data)
        return E_INVALIDARG;
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium)))
        return E_INVALIDARG;
    HDROP drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
    if (!drop) {
        ReleaseStgMedium(&medium);
        return E_INVALIDARG;
    }
    HRESULT result = S_OK;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 0)
        result = E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH] = {};
        if (DragQueryFileA(drop, i, path, MAX_PATH) == 0)
            result = E_INVALIDARG;
        PathQuoteSpacesA(path);
        StripEnclosingQuotes(path);
        if (path[0] == '\0')
            continue;
        XFind find;
        if (!find.FindFirst(path)) {
            selection.AddMissing();
        } else if (find.IsDirectory()) {
            if (!find.IsDots())
                selection.AddFolder(path);
        } else {
            selection.AddFile(path);
        }
    }
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return result;
}

HBITMAP QuenlowMenu::Bitmap(int index)
{
    if (!bitmaps[index])
        bitmaps[index] = LoadBitmapA(ModuleInstance(), MAKEINTRESOURCEA(kBitmapIds[index]));
    return bitmaps[index];
}

void QuenlowMenu::AddItem(HMENU menu, UINT position, int verb, UINT idCmdFirst, HBITMAP bitmap)
{
    const UINT grayed = selection.IsEnabled(verb) ? 0 : MF_GRAYED;
    InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING | grayed, idCmdFirst + static_cast<UINT>(verb),
                ShellMenuVerbText(verb));
    if (bitmap)
        SetMenuItemBitmaps(menu, position, MF_BYPOSITION, bitmap, bitmap);
}

void QuenlowMenu::AddSubmenu(HMENU menu, UINT position, const char* text, HMENU submenu)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
    item.wID = 0;
    item.hSubMenu = submenu;
    item.dwTypeData = const_cast<char*>(text);
    InsertMenuItemA(menu, position, TRUE, &item);
    HBITMAP bitmap = Bitmap(0);
    SetMenuItemBitmaps(menu, position, MF_BYPOSITION, bitmap, bitmap);
}

void QuenlowMenu::AddExpanded(HMENU menu, UINT p, UINT idCmdFirst)
{
    InsertMenuA(menu, p, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    AddItem(menu, p + 1, VerbClassInfo, idCmdFirst, nullptr);
    AddItem(menu, p + 2, VerbDoubleClick, idCmdFirst, nullptr);
    AddItem(menu, p + 3, VerbCompressFile, idCmdFirst, nullptr);
    HMENU submenu = CreatePopupMenu();
    AddItem(submenu, 0, VerbCompileFiles, idCmdFirst, Bitmap(1));
    AddItem(submenu, 1, VerbExecuteFiles, idCmdFirst, Bitmap(2));
    AddSubmenu(menu, p + 4, kSubmenuExpanded, submenu);
    InsertMenuA(menu, p + 5, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void QuenlowMenu::AddCollapsed(HMENU menu, UINT p, UINT idCmdFirst)
{
    HMENU submenu = CreatePopupMenu();
    AddItem(submenu, 0, VerbClassInfo, idCmdFirst, nullptr);
    AddItem(submenu, 1, VerbDoubleClick, idCmdFirst, nullptr);
    AddItem(submenu, 2, VerbCompressFile, idCmdFirst, nullptr);
    InsertMenuA(submenu, 3, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    AddItem(submenu, 4, VerbCompileFiles, idCmdFirst, Bitmap(1));
    AddItem(submenu, 5, VerbExecuteFiles, idCmdFirst, Bitmap(2));
    AddSubmenu(menu, p, kSubmenuCollapsed, submenu);
}

STDMETHODIMP QuenlowMenu::QueryContextMenu(HMENU menu, UINT index, UINT idCmdFirst, UINT, UINT)
{
    // One vanished path makes the whole selection suspect: offer nothing.
    if (selection.Missing() > 0 || !selection.AnyEnabled())
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
    XString settingsPath = InstallDirectory();
    settingsPath.Append("\\Setting\\Quenlow.set");
    int expand = 1;
    if (!MenuSettings(settingsPath.Data()).ReadInt("SECT_MAIN", "KEY_MENUEXPAND", &expand))
        expand = 1;
    if (expand)
        AddExpanded(menu, index, idCmdFirst);
    else
        AddCollapsed(menu, index, idCmdFirst);
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, kItemsAdded);
}

STDMETHODIMP QuenlowMenu::InvokeCommand(LPCMINVOKECOMMANDINFO info)
{
    if (!info || !IS_INTRESOURCE(info->lpVerb))
        return E_FAIL;
    const int verb = LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb));
    if (verb >= kShellMenuVerbCount)
        return E_FAIL;
    workingDirectory.Assign(info->lpDirectory ? info->lpDirectory : "");

    XString program = InstallDirectory();
    program.Append("\\Quenlow.exe");
    XString line;
    BuildMenuCommandLine(line, program.Data(), verb, selection);
    if (line.Length() >= kMaxCommandLine) {
        seams::ShowMessage(info->hwnd, kTooLargeText, kMessageCaption, MB_OK | MB_ICONERROR);
        return S_OK;
    }
    StartChildProcess(line.Data(), SW_SHOW);
    return S_OK;
}

STDMETHODIMP QuenlowMenu::GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT)
{
    return E_NOTIMPL;
}
