#pragma once

#include <windows.h>

#include "xstring.h"

// The library's lock count: every live object and every LockServer(TRUE)
// holds one, and the library may be unloaded only when none is held.
void ModuleLock();
void ModuleUnlock();
bool ModuleCanUnload();

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// The library's path, and the installation folder: the parent of the bin
// folder that holds the library.
XString ModulePath();
XString InstallDirectory();

// The type library embedded in this library; its path (as UTF-16) for
// registration in widePath, MAX_PATH + 1 characters.
HRESULT LoadOwnTypeLibrary(ITypeLib** library, WCHAR* widePath);

// A reference count that starts at 1 for the creator.
class RefCount {
public:
    ULONG Add() { return static_cast<ULONG>(InterlockedIncrement(&count)); }
    ULONG Drop() { return static_cast<ULONG>(InterlockedDecrement(&count)); }

private:
    LONG count = 1;
};

// One row of an object's interface list: the interface id and how to reach
// that interface from the object.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*reach)(void* object);
};

// QueryInterface over a list whose first row also answers IUnknown.
HRESULT QueryInterfaceFromList(void* object, const InterfaceEntry* list, int count, REFIID iid, void** out);

// Reaches interface I of object T (a row's reach function).
template <class T, class I>
IUnknown* ReachInterface(void* object)
{
    return static_cast<I*>(static_cast<T*>(object));
}
