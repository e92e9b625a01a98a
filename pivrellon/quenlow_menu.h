#pragma once

#include <windows.h>
#include <shlobj.h>

#include "com_glue.h"
#include "menu_selection.h"
#include "xstring.h"

// The automation face of the menu object; it has no methods of its own.
struct IQuenlowMenu : public IDispatch {};

// The context-menu object Explorer creates: it reads the selection, offers
// the verbs that fit it and starts the main program for the one chosen.
class QuenlowMenu final : public IQuenlowMenu, public IContextMenu, public IShellExtInit {
public:
    static HRESULT Create(REFIID iid, void** out);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return refs.Add(); }
    STDMETHODIMP_(ULONG) Release() override { return refs.Release(this); }

    // IDispatch, answered from the type library.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    // IShellExtInit
    STDMETHODIMP Initialize(LPCITEMIDLIST folder, IDataObject* data, HKEY key) override;

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT idCmdFirst, UINT idCmdLast, UINT flags) override;
    STDMETHODIMP InvokeCommand(LPCMINVOKECOMMANDINFO info) override;
    STDMETHODIMP GetCommandString(UINT_PTR idCmd, UINT type, UINT* reserved, LPSTR name, UINT size) override;

private:
    friend class RefCount;
    QuenlowMenu();
    ~QuenlowMenu();
    QuenlowMenu(const QuenlowMenu&) = delete;
    QuenlowMenu& operator=(const QuenlowMenu&) = delete;

    HRESULT LoadTypeInfo();
    void AddItem(HMENU menu, UINT position, int verb, UINT idCmdFirst, HBITMAP bitmap);
    void AddSubmenu(HMENU menu, UINT position, const char* text, HMENU submenu);
    void AddExpanded(HMENU menu, UINT position, UINT idCmdFirst);
    void AddCollapsed(HMENU menu, UINT position, UINT idCmdFirst);
    HBITMAP Bitmap(int index);

    RefCount refs;
    MenuSelection selection;
    XString workingDirectory;
    ITypeInfo* typeInfo = nullptr;
    HBITMAP bitmaps[3] = {};
};
