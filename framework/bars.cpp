#include "bars.h"

#include <vector>

#include "app.h"

namespace {

HWND CreateBar(const char* className, HWND parent, int id, DWORD style)
{
    return CreateWindowExA(0, className, "", style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), App::Instance(), nullptr);
}

}  // namespace

bool ToolBar::Create(HWND parent, int id, DWORD style)
{
    hwnd = CreateBar(TOOLBARCLASSNAMEA, parent, id, style);
    if (hwnd)
        Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return hwnd != nullptr;
}

bool ToolBar::AddButton(int command, int image, BYTE style, const char* text) const
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    button.iString = reinterpret_cast<INT_PTR>(text);
    return Send(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)) != 0;
}

RECT ToolBar::ItemRect(int index) const
{
    RECT rect = {};
    Send(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT ToolBar::CommandRect(int command) const
{
    RECT rect = {};
    Send(TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

XString ToolBar::ButtonText(int command) const
{
    const LRESULT length = Send(TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), 0);
    if (length <= 0)
        return XString();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    Send(TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(text.data()));
    return XString(text.data());
}

SIZE ToolBar::IdealSize() const
{
    SIZE size = {};
    const int count = ButtonCount();
    if (count > 0) {
        const RECT last = ItemRect(count - 1);
        size.cx = last.right;
        size.cy = last.bottom;
    }
    return size;
}

bool ReBar::Create(HWND parent, int id, DWORD controlStyle)
{
    hwnd = CreateBar(REBARCLASSNAMEA, parent, id,
                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_NODIVIDER | controlStyle);
    if (!hwnd)
        return false;
    REBARINFO info = {};
    info.cbSize = sizeof info;
    Send(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

bool ReBar::AddBand(HWND child, UINT bandStyle, int minWidth, int minHeight, int width) const
{
    REBARBANDINFOA band = {};
    // The size of the oldest structure: every comctl32 version takes it.
    band.cbSize = REBARBANDINFOA_V3_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.fStyle = bandStyle;
    band.hwndChild = child;
    band.cxMinChild = static_cast<UINT>(minWidth);
    band.cyMinChild = static_cast<UINT>(minHeight);
    band.cx = static_cast<UINT>(width);
    return Send(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)) != 0;
}

int ReBar::Height() const
{
    return static_cast<int>(Send(RB_GETBARHEIGHT));
}

bool StatusBar::Create(HWND parent, int id)
{
    hwnd = CreateBar(STATUSCLASSNAMEA, parent, id, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP);
    return hwnd != nullptr;
}

void StatusBar::SetPartWidths(const int* widths, int count)
{
    partWidths.assign(widths, widths + count);
    FitParts();
}

void StatusBar::FitParts() const
{
    if (partWidths.empty())
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    const size_t count = partWidths.size();
    std::vector<int> edges(count);
    int right = client.right;
    for (size_t i = count; i-- > 0;) {
        edges[i] = i == count - 1 ? -1 : right;
        if (i > 0)
            right -= partWidths[i];
    }
    Send(SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
}

XString StatusBar::PartText(int part) const
{
    const LRESULT length = LOWORD(Send(SB_GETTEXTLENGTHA, static_cast<WPARAM>(part)));
    std::vector<char> text(static_cast<size_t>(length) + 1);
    Send(SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    return XString(text.data());
}

HIMAGELIST LoadImageStrip(int bitmapId, int imageWidth, COLORREF mask)
{
    return ImageList_LoadImageA(App::Instance(), MAKEINTRESOURCEA(bitmapId), imageWidth, 0, mask, IMAGE_BITMAP,
                                LR_CREATEDIBSECTION);
}
