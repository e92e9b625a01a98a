#include <windows.h>

#include "class_factory.h"
#include "com_glue.h"
#include "registration.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return ModuleCanUnload() ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out)
{
    return GetMenuClassObject(clsid, iid, out);
}

STDAPI DllRegisterServer()
{
    const HRESULT approved = ApproveShellExtension(true);
    if (FAILED(approved))
        return approved;
    return RegisterMenuServer();
}

STDAPI DllUnregisterServer()
{
    const HRESULT approved = ApproveShellExtension(false);
    if (FAILED(approved))
        return approved;
    return UnregisterMenuServer();
}
