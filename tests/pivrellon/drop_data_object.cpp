#include "drop_data_object.h"

#include <shlobj.h>

#include <cstring>

STDMETHODIMP DropDataObject::QueryInterface(REFIID iid, void** out)
{
    static const InterfaceEntry interfaces[] = {
        {&IID_IDataObject, ReachInterface<DropDataObject, IDataObject>},
    };
    return QueryInterfaceFromList(this, interfaces, iid, out);
}

STDMETHODIMP DropDataObject::QueryGetData(FORMATETC* format)
{
    return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP DropDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    size_t size = sizeof(DROPFILES) + 1;  // the list ends with an empty name
    for (const std::string& path : paths)
        size += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!memory)
        return E_OUTOFMEMORY;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    char* names = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        std::memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}
