#pragma once

#include <windows.h>

#include "com_object.h"
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
