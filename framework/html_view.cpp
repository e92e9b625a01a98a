#include "html_view.h"

#include <exdisp.h>
#include <exdispid.h>
#include <mshtml.h>

#include <vector>

#include "app.h"
#include "web_browser.h"

namespace {

XString AnsiOf(const wchar_t* text)
{
    if (!text)
        return XString();
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return XString();
    std::vector<char> bytes(static_cast<size_t>(length));
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes.data(), length, nullptr, nullptr);
    return XString(bytes.data());
}

// The browser's events; only the completed navigation is of interest. The
// view may end before the browser lets go of the sink, so it is cut loose.
}  // namespace

class HtmlView::EventSink final : public IDispatch {
public:
    explicit EventSink(HtmlView* owner) : view(owner) {}
    void Detach() { view = nullptr; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (count)
            *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) override
    {
        // NavigateComplete2(pDisp, URL): arguments arrive last first.
        if (id != DISPID_NAVIGATECOMPLETE2 || !view || !parameters || parameters->cArgs < 2)
            return S_OK;
        const VARIANT* url = &parameters->rgvarg[0];
        if (V_VT(url) == (VT_BYREF | VT_VARIANT))
            url = V_VARIANTREF(url);
        if (V_VT(url) == VT_BSTR)
            view->OnNavigateComplete2(AnsiOf(V_BSTR(url)).Data());
        return S_OK;
    }

private:
    ~EventSink() = default;
    LONG references = 1;
    HtmlView* view;
};

HtmlView::~HtmlView()
{
    Disconnect();
    host.Destroy();
}

bool HtmlView::CreateView(HWND parent, int id, const RECT& place)
{
    if (!Create(parent, place, id, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN))
        return false;
    RECT inside;
    GetClientRect(Handle(), &inside);
    if (host.Create(CLSID_WebBrowser, Handle(), inside))
        Connect();
    filterRegistration.Add(*this);
    return true;
}

void HtmlView::Connect()
{
    IConnectionPointContainer* container =
        static_cast<IConnectionPointContainer*>(host.Query(IID_IConnectionPointContainer));
    if (!container)
        return;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point)) && point) {
        sink = new EventSink(this);
        if (FAILED(point->Advise(sink, &cookie))) {
            cookie = 0;
            sink->Release();
            sink = nullptr;
        }
        point->Release();
    }
    container->Release();
}

void HtmlView::Disconnect()
{
    if (!sink)
        return;
    sink->Detach();
    if (IConnectionPointContainer* container =
            static_cast<IConnectionPointContainer*>(host.Query(IID_IConnectionPointContainer))) {
        IConnectionPoint* point = nullptr;
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point)) && point) {
            point->Unadvise(cookie);
            point->Release();
        }
        container->Release();
    }
    sink->Release();
    sink = nullptr;
    cookie = 0;
}

bool HtmlView::Navigate(const char* location)
{
    return NavigateWebBrowser(host, location);
}

XString HtmlView::LocationUrl() const
{
    IWebBrowser2* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2));
    if (!browser)
        return XString();
    BSTR url = nullptr;
    XString location;
    if (SUCCEEDED(browser->get_LocationURL(&url)) && url)
        location = AnsiOf(url);
    SysFreeString(url);
    browser->Release();
    return location;
}

void HtmlView::Stop()
{
    if (IWebBrowser2* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2))) {
        browser->Stop();
        browser->Release();
    }
}

void HtmlView::Refresh()
{
    if (IWebBrowser2* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2))) {
        browser->Refresh();
        browser->Release();
    }
}

bool HtmlView::SetZoomLevel(int level)
{
    IWebBrowser2* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2));
    if (!browser)
        return false;
    VARIANT zoom;
    VariantInit(&zoom);
    V_VT(&zoom) = VT_I4;
    V_I4(&zoom) = level;
    const HRESULT result = browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
    browser->Release();
    return SUCCEEDED(result);
}

IHTMLDocument2* HtmlView::Document() const
{
    IWebBrowser2* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2));
    if (!browser)
        return nullptr;
    IDispatch* dispatch = nullptr;
    IHTMLDocument2* document = nullptr;
    if (SUCCEEDED(browser->get_Document(&dispatch)) && dispatch) {
        if (FAILED(dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document))))
            document = nullptr;
        dispatch->Release();
    }
    browser->Release();
    return document;
}

bool HtmlView::PreTranslate(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND browser = host.Window();
    if (!browser || (msg.hwnd != browser && !IsChild(browser, msg.hwnd)))
        return false;
    return host.OfferKey(msg);
}

LRESULT HtmlView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        RECT inside = {0, 0, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        host.Move(inside);
        return 0;
    }
    case WM_DESTROY:
        Disconnect();
        host.Destroy();
        break;
    case WM_NCDESTROY:
        filterRegistration.Remove();
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
