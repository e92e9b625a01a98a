#include "web_browser_pane.h"

#include <mshtml.h>

#include <vector>

namespace {

BSTR WideOf(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    BSTR wide = length > 0 ? SysAllocStringLen(nullptr, static_cast<UINT>(length - 1)) : nullptr;
    if (wide)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide, length);
    return wide;
}

// A text range of the document model; the BSTRs it passes live for one call.
class DocumentTextRange : public PageTextRange {
public:
    explicit DocumentTextRange(IHTMLTxtRange* textRange) : range(textRange) {}
    ~DocumentTextRange() override { range->Release(); }
    DocumentTextRange(const DocumentTextRange&) = delete;
    DocumentTextRange& operator=(const DocumentTextRange&) = delete;

    bool MoveToBookmark(const std::wstring& bookmark) override
    {
        BSTR mark = SysAllocStringLen(bookmark.data(), static_cast<UINT>(bookmark.size()));
        VARIANT_BOOL moved = VARIANT_FALSE;
        const HRESULT result = mark ? range->moveToBookmark(mark, &moved) : E_OUTOFMEMORY;
        SysFreeString(mark);
        return SUCCEEDED(result) && moved == VARIANT_TRUE;
    }
    void MoveStart(const char* unit, int count) override
    {
        BSTR name = WideOf(unit);
        long moved = 0;
        range->moveStart(name, count, &moved);
        SysFreeString(name);
    }
    void MoveEnd(const char* unit, int count) override
    {
        BSTR name = WideOf(unit);
        long moved = 0;
        range->moveEnd(name, count, &moved);
        SysFreeString(name);
    }
    bool Search(const XString& text, int flags) override
    {
        BSTR wanted = WideOf(text.Data());
        VARIANT_BOOL found = VARIANT_FALSE;
        const HRESULT result = wanted ? range->findText(wanted, 0, flags, &found) : E_OUTOFMEMORY;
        SysFreeString(wanted);
        return SUCCEEDED(result) && found == VARIANT_TRUE;
    }
    bool GetBookmark(std::wstring& bookmark) override
    {
        BSTR mark = nullptr;
        if (FAILED(range->getBookmark(&mark)) || !mark)
            return false;
        bookmark.assign(mark, SysStringLen(mark));
        SysFreeString(mark);
        return true;
    }
    void SelectAndShow() override
    {
        range->select();
        range->scrollIntoView(VARIANT_TRUE);
    }

private:
    IHTMLTxtRange* range;
};

}  // namespace

std::unique_ptr<PageTextRange> WebBrowserPane::BodyRange()
{
    IHTMLDocument2* document = Document();
    if (!document)
        return nullptr;
    IHTMLElement* body = nullptr;
    IHTMLBodyElement* bodyElement = nullptr;
    IHTMLTxtRange* range = nullptr;
    if (SUCCEEDED(document->get_body(&body)) && body &&
        SUCCEEDED(body->QueryInterface(IID_IHTMLBodyElement, reinterpret_cast<void**>(&bodyElement))) &&
        FAILED(bodyElement->createTextRange(&range)))
        range = nullptr;
    if (bodyElement)
        bodyElement->Release();
    if (body)
        body->Release();
    document->Release();
    if (!range)
        return nullptr;
    return std::unique_ptr<PageTextRange>(new DocumentTextRange(range));
}
