#include "class_factory.h"

#include <new>

#include "com_glue.h"
#include "pivrellon_ids.h"
#include "quenlow_menu.h"

namespace {

// One factory per request; it holds the library like any object does, so a
// factory kept by a caller keeps the library loaded.
class MenuClassFactory final : public IClassFactory {
public:
    MenuClassFactory() { ModuleLock(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        static const InterfaceEntry interfaces[] = {
            {&IID_IClassFactory, ReachInterface<MenuClassFactory, IClassFactory>},
        };
        return QueryInterfaceFromList(this, interfaces, iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return refs.Add(); }
    STDMETHODIMP_(ULONG) Release() override { return refs.Release(this); }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return QuenlowMenu::Create(iid, out);
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            ModuleLock();
        else
            ModuleUnlock();
        return S_OK;
    }

private:
    friend class ::RefCount;
    ~MenuClassFactory() { ModuleUnlock(); }

    RefCount refs;
};

}  // namespace

HRESULT GetMenuClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_QuenlowMenu))
        return CLASS_E_CLASSNOTAVAILABLE;
    MenuClassFactory* factory = new (std::nothrow) MenuClassFactory;
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}
