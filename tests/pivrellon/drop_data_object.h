#pragma once

#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

#include "com_object.h"

// What Explorer hands a context-menu handler: a data object that gives the
// selection as a CF_HDROP file list (ANSI), a fresh copy for each GetData.
class DropDataObject final : public IDataObject {
public:
    explicit DropDataObject(std::vector<std::string> paths) : paths(std::move(paths)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return refs.Add(); }
    STDMETHODIMP_(ULONG) Release() override { return refs.Release(this); }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    friend class RefCount;
    ~DropDataObject() = default;

    std::vector<std::string> paths;
    RefCount refs;
};
