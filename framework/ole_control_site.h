#pragma once

#include <windows.h>
#include <ole2.h>

#include "com_object.h"

// The container's half of one in-place OLE control in a child rectangle of a
// window: client site, in-place site and frame in one COM object. It keeps
// only the parent window and the rectangle, so a control that holds on to
// its site after the host has let go finds nothing freed behind it.
class OleControlSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    // Starts with one reference, the creator's.
    OleControlSite(HWND parent, const RECT& place);
    OleControlSite(const OleControlSite&) = delete;
    OleControlSite& operator=(const OleControlSite&) = delete;

    // The rectangle handed to the control, in the parent's client coordinates.
    void SetPlace(const RECT& newPlace) { place = newPlace; }
    // Sites not yet released by everyone who holds one; tests watch it for leaks.
    static LONG Alive();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return references.Add(); }
    STDMETHODIMP_(ULONG) Release() override { return references.Release(this); }

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL show) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow, shared by the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                  RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) override;
    STDMETHODIMP Scroll(SIZE extent) override;
    STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(const RECT* position) override;

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(RECT* border) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR name) override;

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU shared, OLEMENUGROUPWIDTHS* widths) override;
    STDMETHODIMP SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    STDMETHODIMP RemoveMenus(HMENU shared) override;
    STDMETHODIMP SetStatusText(LPCOLESTR text) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP TranslateAccelerator(MSG* message, WORD id) override;

private:
    // Only Release ends a site.
    friend class RefCount;
    ~OleControlSite();

    RefCount references;
    HWND parent;
    RECT place;
};
