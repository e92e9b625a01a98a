#include "web_browser.h"

bool NavigateWebBrowser(const OleControlHost& host, const char* url)
{
    IWebBrowser2* browser = static_cast<IWebBrowser2*>(host.Query(IID_IWebBrowser2));
    if (!browser)
        return false;
    HRESULT result = E_OUTOFMEMORY;
    const int length = MultiByteToWideChar(CP_ACP, 0, url, -1, nullptr, 0);
    BSTR address = length > 0 ? SysAllocStringLen(nullptr, static_cast<UINT>(length - 1)) : nullptr;
    if (address) {
        MultiByteToWideChar(CP_ACP, 0, url, -1, address, length);
        VARIANT none;
        VariantInit(&none);
        result = browser->Navigate(address, &none, &none, &none, &none);
        SysFreeString(address);
    }
    browser->Release();
    return SUCCEEDED(result);
}
