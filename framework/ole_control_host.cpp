#include "ole_control_host.h"

#include "ole_control_site.h"

OleControlHost::~OleControlHost()
{
    Destroy();
}

bool OleControlHost::Create(REFCLSID control, HWND parent, const RECT& place)
{
    Destroy();
    if (FAILED(CoCreateInstance(control, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&object)))) {
        object = nullptr;
        return false;
    }
    site = new OleControlSite(parent, place);
    RECT position = place;
    if (FAILED(object->SetClientSite(site)) ||
        FAILED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent, &position)) ||
        FAILED(object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))) || !Window()) {
        Destroy();
        return false;
    }
    return true;
}

void OleControlHost::Destroy()
{
    if (inPlace) {
        inPlace->InPlaceDeactivate();
        inPlace->Release();
        inPlace = nullptr;
    }
    if (object) {
        object->Close(OLECLOSE_NOSAVE);
        // The control lets go of the site here, so ours is the last reference.
        object->SetClientSite(nullptr);
        object->Release();
        object = nullptr;
    }
    if (site) {
        site->Release();
        site = nullptr;
    }
}

HWND OleControlHost::Window() const
{
    HWND window = nullptr;
    if (!inPlace || FAILED(inPlace->GetWindow(&window)))
        return nullptr;
    // A control may still name a window that went with its parent.
    return IsWindow(window) ? window : nullptr;
}

void OleControlHost::Show(bool show)
{
    if (HWND window = Window())
        ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
}

void OleControlHost::Move(const RECT& place)
{
    if (!inPlace)
        return;
    site->SetPlace(place);
    inPlace->SetObjectRects(&place, &place);
}

IUnknown* OleControlHost::Query(REFIID iid) const
{
    IUnknown* answer = nullptr;
    if (!object || FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&answer))))
        return nullptr;
    return answer;
}

bool OleControlHost::OfferKey(MSG& msg) const
{
    IOleInPlaceActiveObject* active = site ? site->ActiveObject() : nullptr;
    return active && active->TranslateAccelerator(&msg) == S_OK;
}
