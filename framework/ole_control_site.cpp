#include "ole_control_site.h"

namespace {

LONG aliveSites = 0;

}  // namespace

OleControlSite::OleControlSite(HWND parentWindow, const RECT& rectangle) : parent(parentWindow), place(rectangle)
{
    InterlockedIncrement(&aliveSites);
}

OleControlSite::~OleControlSite()
{
    InterlockedDecrement(&aliveSites);
}

LONG OleControlSite::Alive()
{
    return aliveSites;
}

STDMETHODIMP OleControlSite::QueryInterface(REFIID iid, void** object)
{
    // The window interfaces are reached through the face that derives from them.
    static const InterfaceEntry interfaces[] = {
        {&IID_IOleClientSite, ReachInterface<OleControlSite, IOleClientSite>},
        {&IID_IOleWindow, ReachInterface<OleControlSite, IOleInPlaceSite>},
        {&IID_IOleInPlaceSite, ReachInterface<OleControlSite, IOleInPlaceSite>},
        {&IID_IOleInPlaceUIWindow, ReachInterface<OleControlSite, IOleInPlaceFrame>},
        {&IID_IOleInPlaceFrame, ReachInterface<OleControlSite, IOleInPlaceFrame>},
    };
    return QueryInterfaceFromList(this, interfaces, iid, object);
}

// The control is shown as it is; there is no document to save or to name.
STDMETHODIMP OleControlSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP OleControlSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP OleControlSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP OleControlSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = parent;
    return S_OK;
}

STDMETHODIMP OleControlSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::CanInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP OleControlSite::OnInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP OleControlSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP OleControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                              RECT* clip, OLEINPLACEFRAMEINFO* frameInfo)
{
    if (!frame || !document || !position || !clip || !frameInfo)
        return E_POINTER;
    // The parent window is frame and document window at once.
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    *position = place;
    *clip = place;
    // cb is the caller's: it says which version of the structure it passed.
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = parent;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP OleControlSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP OleControlSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP OleControlSite::DiscardUndoState()
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::DeactivateAndUndo()
{
    return E_NOTIMPL;
}

// The host decides where the control stands; a control's own wish is not followed.
STDMETHODIMP OleControlSite::OnPosRectChange(const RECT*)
{
    return S_OK;
}

// No toolbars of the control around it: the frame has no room to give.
STDMETHODIMP OleControlSite::GetBorder(RECT*)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP OleControlSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP OleControlSite::SetBorderSpace(LPCBORDERWIDTHS widths)
{
    return widths ? OLE_E_INVALIDRECT : S_OK;
}

STDMETHODIMP OleControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}

// Nor menus: the dialog keeps its own.
STDMETHODIMP OleControlSite::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*)
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP OleControlSite::RemoveMenus(HMENU)
{
    return E_NOTIMPL;
}

STDMETHODIMP OleControlSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP OleControlSite::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP OleControlSite::TranslateAccelerator(MSG*, WORD)
{
    return S_FALSE;
}
