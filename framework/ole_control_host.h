#pragma once

#include <windows.h>
#include <ole2.h>

class OleControlSite;

// One OLE control, active in place in a child rectangle of a window, hosted
// through our own site. Whatever fails (the class is not there, is no control,
// refuses activation) leaves the host empty and the window as it was. OLE
// must be initialised on the thread that owns the window.
class OleControlHost {
public:
    OleControlHost() = default;
    ~OleControlHost();
    OleControlHost(const OleControlHost&) = delete;
    OleControlHost& operator=(const OleControlHost&) = delete;

    // `place` is in the parent's client coordinates.
    bool Create(REFCLSID control, HWND parent, const RECT& place);
    // Closes the control and lets go of it and of its site.
    void Destroy();

    bool IsPresent() const { return object != nullptr; }
    // The control's in-place window, a child of the parent; null when absent.
    HWND Window() const;
    void Show(bool show);
    void Move(const RECT& place);
    // Offers a key message to the control's active object; true when it took it.
    bool OfferKey(MSG& msg) const;
    // One of the control's interfaces, for the caller to release; null when
    // the host is empty or the control has no such interface.
    IUnknown* Query(REFIID iid) const;

private:
    OleControlSite* site = nullptr;
    IOleObject* object = nullptr;
    IOleInPlaceObject* inPlace = nullptr;
};
