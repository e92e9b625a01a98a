#include "rich_label.h"

#include <algorithm>

#include "link_cursor.h"
#include "rich_label_scroll.h"
#include "seams.h"

namespace {

// Set until the first paint of any label: the painter may draw more the
// first time.
bool firstPaint = true;

void FillBackground(HDC dc, int left, int top, int right, int bottom, int, COLORREF background)
{
    const RECT rect = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

RECT ToRect(const RichRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

HFONT CreateRichFont(const RichFont& font)
{
    return CreateFontA(-font.size, 0, 0, 0, font.bold ? FW_BOLD : 0, font.italic ? TRUE : FALSE,
                       font.underline ? TRUE : FALSE, font.strikeOut ? TRUE : FALSE, 0, 0, 0, PROOF_QUALITY, 0,
                       font.face.c_str());
}

HBITMAP LoadProgramBitmap(int id)
{
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

// Sizes from the platform's own text drawing and the program's bitmaps.
class GdiMeasure : public RichMeasure {
public:
    explicit GdiMeasure(HDC dc) : dc(dc) {}
    RichSize TextSize(const RichFont& font, const std::string& text) override
    {
        HFONT handle = CreateRichFont(font);
        HGDIOBJ old = SelectObject(dc, handle);
        RECT rect = {0, 0, 0, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
        SelectObject(dc, old);
        DeleteObject(handle);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    RichSize BitmapSize(int bitmapId) override
    {
        HBITMAP bitmap = LoadProgramBitmap(bitmapId);
        if (!bitmap)
            return {};
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        DeleteObject(bitmap);
        return {info.bmWidth, info.bmHeight};
    }

private:
    HDC dc;
};

COLORREF Resolve(RichColor colour, COLORREF key)
{
    return colour < 0 ? key : static_cast<COLORREF>(colour);
}

// One picture of a run at its place: the text, opaque on its background, or
// the bitmap in its frame.
void DrawRun(HDC dc, const RichRun& run, const RichFont& font, RichColor frame, COLORREF key)
{
    RECT place = ToRect(run.place);
    if (run.kind == RichRun::kBitmap) {
        FillColour(dc, place, Resolve(frame, key));
        HBITMAP bitmap = LoadProgramBitmap(run.bitmapId);
        if (!bitmap)
            return;
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap);
        BitBlt(dc, place.left + run.border, place.top + run.border, place.right - place.left - 2 * run.border,
               place.bottom - place.top - 2 * run.border, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        DeleteObject(bitmap);
        return;
    }
    HFONT handle = CreateRichFont(font);
    HGDIOBJ old = SelectObject(dc, handle);
    SetTextColor(dc, Resolve(font.color, key));
    SetBkColor(dc, Resolve(font.background, key));
    SetBkMode(dc, OPAQUE);
    DrawTextA(dc, run.text.c_str(), static_cast<int>(run.text.size()), &place, DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(handle);
}

void CopyKeyed(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, COLORREF key)
{
    if (width > 0 && height > 0)
        TransparentBlt(target, x, y, width, height, source, sourceX, sourceY, width, height, key);
}

}  // namespace

RichLabel::RichLabel() : painterFunction(FillBackground), background(GetSysColor(COLOR_BTNFACE)) {}

RichLabel::~RichLabel()
{
    if (Handle())
        DestroyWindow(Handle());
    DeleteBitmaps();
    if (ownsLinkCursor && linkCursor)
        DestroyCursor(linkCursor);
}

void RichLabel::DescribeClass(WNDCLASSEXA& windowClass) const
{
    // The label sets its cursor itself and paints every pixel.
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground = nullptr;
}

void RichLabel::LoadHandCursor()
{
    if (linkCursor)
        return;
    linkCursor = LoadLinkCursor();
    ownsLinkCursor = linkCursor != nullptr;
}

bool RichLabel::Create(DWORD exStyle, DWORD style, const RECT& place, HWND parent, int id, int normalCursorId,
                       int linkCursorId)
{
    HINSTANCE program = GetModuleHandleA(nullptr);
    if (normalCursorId)
        normalCursor = LoadCursorA(program, MAKEINTRESOURCEA(normalCursorId));
    if (linkCursorId) {
        if (HCURSOR loaded = LoadCursorA(program, MAKEINTRESOURCEA(linkCursorId))) {
            if (ownsLinkCursor && linkCursor)
                DestroyCursor(linkCursor);
            linkCursor = loaded;
            ownsLinkCursor = false;
        }
    } else {
        LoadHandCursor();
    }
    if (!Window::Create(parent, place, id, style, exStyle))
        return false;
    // The first tick waits ten steps: the text stands still for a moment.
    SetTimer(Handle(), kTimerId, static_cast<UINT>(step * 10), nullptr);
    return true;
}

bool RichLabel::CreateOver(DWORD exStyle, DWORD style, int itemId, HWND dialog, int id, int normalCursorId,
                           int linkCursorId)
{
    HWND item = GetDlgItem(dialog, itemId);
    if (!item)
        return false;
    RECT place;
    GetWindowRect(item, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return Create(exStyle, style, place, dialog, id, normalCursorId, linkCursorId);
}

std::string RichLabel::SetText(const char* newText)
{
    std::string previous = text;
    text = newText ? newText : "";
    if (Handle())
        RunLayout();
    return previous;
}

bool RichLabel::Scrolls() const
{
    return RichScrolls(layout.contentHeight, client.bottom - client.top);
}

void RichLabel::DeleteBitmaps()
{
    if (hoverBitmap)
        DeleteObject(hoverBitmap);
    if (contentBitmap)
        DeleteObject(contentBitmap);
    hoverBitmap = contentBitmap = nullptr;
}

void RichLabel::RunLayout()
{
    GetClientRect(Handle(), &client);
    DeleteBitmaps();
    hovered = -1;
    const int width = std::max<int>(client.right - client.left, 1);
    HDC screen = GetDC(Handle());
    contentBitmap = CreateCompatibleBitmap(screen, width, kRichContentLimit);
    hoverBitmap = CreateCompatibleBitmap(screen, width, kRichContentLimit);
    HDC content = CreateCompatibleDC(screen);
    HDC hover = CreateCompatibleDC(screen);
    ReleaseDC(Handle(), screen);
    HGDIOBJ oldContent = SelectObject(content, contentBitmap);
    HGDIOBJ oldHover = SelectObject(hover, hoverBitmap);
    const RECT whole = {0, 0, width, kRichContentLimit};
    FillColour(content, whole, colorKey);
    FillColour(hover, whole, colorKey);

    GdiMeasure measure(content);
    layout = LayoutRichText(text.c_str(), client.right - client.left, static_cast<RichColor>(GetSysColor(COLOR_BTNSHADOW)),
                            measure);
    for (const RichRun& run : layout.runs) {
        DrawRun(content, run, run.font, run.borderColor, colorKey);
        DrawRun(hover, run, run.hoverFont, run.hoverBorderColor, colorKey);
    }
    for (const RichRule& rule : layout.rules) {
        if (rule.color == kRichNoColor)
            continue;
        FillColour(content, ToRect(rule.place), static_cast<COLORREF>(rule.color));
        FillColour(hover, ToRect(rule.place), static_cast<COLORREF>(rule.color));
    }
    SelectObject(content, oldContent);
    SelectObject(hover, oldHover);
    DeleteDC(content);
    DeleteDC(hover);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void RichLabel::Paint(HDC target)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    HDC picture = CreateCompatibleDC(target);
    HBITMAP pictureBitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldPicture = SelectObject(picture, pictureBitmap);
    painterFunction(picture, 0, 0, width, height, dragging || firstPaint ? 1 : 0, background);
    if (contentBitmap) {
        HDC content = CreateCompatibleDC(target);
        HGDIOBJ oldContent = SelectObject(content, contentBitmap);
        const std::vector<RichSlice> slices = PaintSlices(scrollPosition, layout.contentHeight, height);
        for (const RichSlice& slice : slices)
            CopyKeyed(picture, 0, slice.windowY, width, slice.height, content, 0, slice.contentY, colorKey);
        if (hovered >= 0 && hovered < static_cast<int>(layout.links.size())) {
            // The hovered link again from the hover bitmap, where each band shows it.
            const RichRect& link = layout.links[static_cast<size_t>(hovered)].place;
            SelectObject(content, hoverBitmap);
            for (const RichSlice& slice : slices) {
                const int top = std::max(link.top, slice.contentY);
                const int bottom = std::min(link.bottom, slice.contentY + slice.height);
                if (bottom <= top)
                    continue;
                const int windowY = slice.windowY + top - slice.contentY;
                painterFunction(picture, link.left, windowY, link.right, windowY + bottom - top, 0, background);
                CopyKeyed(picture, link.left, windowY, link.right - link.left, bottom - top, content, link.left, top,
                          colorKey);
            }
        }
        SelectObject(content, oldContent);
        DeleteDC(content);
    }
    BitBlt(target, 0, 0, width, height, picture, 0, 0, SRCCOPY);
    SelectObject(picture, oldPicture);
    DeleteObject(pictureBitmap);
    DeleteDC(picture);
    firstPaint = false;
}

void RichLabel::HoverAt(POINT point)
{
    hovered = FindRichLink(layout.links, point.x, point.y, Scrolls(), scrollPosition, layout.contentHeight);
    HCURSOR cursor = hovered >= 0 ? linkCursor : normalCursor;
    if (cursor)
        SetCursor(cursor);
}

void RichLabel::Tick()
{
    if (!IsWindowVisible(Handle()))
        return;
    scrollPosition = NextScrollPosition(scrollPosition, layout.contentHeight);
    POINT pointer;
    GetCursorPos(&pointer);
    POINT inside = pointer;
    ScreenToClient(Handle(), &inside);
    if (PtInRect(&client, inside) && WindowFromPoint(pointer) == Handle())
        HoverAt(inside);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
    SetTimer(Handle(), kTimerId, static_cast<UINT>(step), nullptr);
}

void RichLabel::OnMouseMove(POINT point)
{
    if (dragging) {
        scrollPosition = DragScrollPosition(dragAnchor, point.y, layout.contentHeight);
        InvalidateRect(Handle(), nullptr, FALSE);
        UpdateWindow(Handle());
        return;
    }
    // Held while the pointer is inside, so its leaving is seen and the
    // hovered link let go.
    const int wasHovered = hovered;
    if (PtInRect(&client, point)) {
        if (GetCapture() != Handle())
            SetCapture(Handle());
        HoverAt(point);
    } else {
        if (GetCapture() == Handle())
            ReleaseCapture();
        hovered = -1;
    }
    if (hovered != wasHovered)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void RichLabel::OnButtonDown(POINT point)
{
    const int link = FindRichLink(layout.links, point.x, point.y, Scrolls(), scrollPosition, layout.contentHeight);
    if (link >= 0) {
        hovered = -1;
        // A copy: the owner may set a new text from its callback.
        OpenLink(layout.links[static_cast<size_t>(link)].target);
        return;
    }
    if (!dragScroll || !Scrolls())
        return;
    KillTimer(Handle(), kTimerId);
    dragging = true;
    dragAnchor = DragAnchor(point.y, scrollPosition);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
    SetCapture(Handle());
}

void RichLabel::OnButtonUp()
{
    if (!dragging)
        return;
    dragging = false;
    ReleaseCapture();
    Tick();
    // A hidden label skips the tick; its timer comes back all the same.
    SetTimer(Handle(), kTimerId, static_cast<UINT>(step), nullptr);
}

void RichLabel::OpenLink(const std::string& target)
{
    RichOwnerCall call;
    if (!ParseOwnerCall(target, call)) {
        seams::ShellOpen(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOW);
        return;
    }
    if (call.number != 0 && ownerCallback)
        ownerCallback(call.number, call.hasText ? call.text.c_str() : nullptr);
}

LRESULT RichLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    case WM_TIMER:
        if (wParam != kTimerId)
            break;
        Tick();
        return 0;
    case WM_SIZE:
        Window::HandleMessage(message, wParam, lParam);
        RunLayout();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(point);
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDown(point);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_DESTROY:
        KillTimer(Handle(), kTimerId);
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
