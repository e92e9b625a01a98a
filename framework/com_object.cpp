#include "com_object.h"

HRESULT QueryInterfaceFromList(void* object, const InterfaceEntry* list, int count, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    for (int i = 0; i < count; ++i) {
        if (IsEqualIID(iid, *list[i].iid) || (i == 0 && IsEqualIID(iid, IID_IUnknown))) {
            IUnknown* found = list[i].reach(object);
            found->AddRef();
            *out = found;
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}
