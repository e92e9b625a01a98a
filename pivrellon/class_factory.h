#pragma once

#include <windows.h>

// The class factory of the library's one class: DllGetClassObject's answer.
HRESULT GetMenuClassObject(REFCLSID clsid, REFIID iid, void** out);
