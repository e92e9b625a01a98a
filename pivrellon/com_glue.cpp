#include "com_glue.h"

namespace {

LONG lockCount = 0;
HINSTANCE moduleInstance = nullptr;

}  // namespace

void ModuleLock()
{
    InterlockedIncrement(&lockCount);
}

void ModuleUnlock()
{
    InterlockedDecrement(&lockCount);
}

bool ModuleCanUnload()
{
    return InterlockedCompareExchange(&lockCount, 0, 0) == 0;
}

HINSTANCE ModuleInstance()
{
    return moduleInstance;
}

void SetModuleInstance(HINSTANCE instance)
{
    moduleInstance = instance;
}

XString ModulePath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(moduleInstance, path, MAX_PATH);
    return XString(path, length < MAX_PATH ? static_cast<int>(length) : 0);
}

XString InstallDirectory()
{
    XString path = ModulePath();
    for (int cut = 0; cut < 2; ++cut) {
        const char* slash = strrchr(path.Data(), '\\');
        if (!slash)
            break;
        path.Assign(path.Data(), static_cast<int>(slash - path.Data()));
    }
    return path;
}

HRESULT LoadOwnTypeLibrary(ITypeLib** library, WCHAR* widePath)
{
    const XString path = ModulePath();
    widePath[0] = 0;
    MultiByteToWideChar(CP_ACP, 0, path.Data(), -1, widePath, MAX_PATH);
    widePath[MAX_PATH] = 0;
    *library = nullptr;
    return LoadTypeLibEx(widePath, REGKIND_NONE, library);
}
