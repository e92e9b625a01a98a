#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "rich_text_layout.h"
#include "window.h"

// A child window that shows a text in the rich-label tag language, drawn once
// per layout into a content and a hover bitmap. Taller than the window, it
// scrolls in an endless loop on timer 100 and can be dragged up and down;
// links open with the shell or call the owner.
class RichLabel : public Window {
public:
    static constexpr UINT_PTR kTimerId = 100;

    // Fills the label's background: device context, rectangle, a flag (1
    // while dragging or before the program's first paint of a label) and the
    // background colour.
    using BackgroundPainter = void (*)(HDC dc, int left, int top, int right, int bottom, int flag,
                                       COLORREF background);
    // An owner target "#<text>#<n>" or "#<n>": the number n and the text
    // (null for none).
    using OwnerCallback = std::function<void(int number, const char* text)>;

    RichLabel();
    ~RichLabel() override;

    // Settings an owner gives before Create.
    void SetDragScroll(bool enabled) { dragScroll = enabled; }
    void SetStartPosition(int position) { scrollPosition = position; }
    void SetStep(int milliseconds) { step = milliseconds; }
    void SetColorKey(COLORREF key) { colorKey = key; }
    void SetBackgroundColor(COLORREF colour) { background = colour; }
    void SetBackgroundPainter(BackgroundPainter painter) { painterFunction = painter; }
    void SetOwnerCallback(OwnerCallback callback) { ownerCallback = std::move(callback); }
    // The link cursor, when none is set yet.
    void LoadHandCursor();

    // Cursor ids 0: no normal cursor; the hand for links.
    bool Create(DWORD exStyle, DWORD style, const RECT& place, HWND parent, int id, int normalCursorId,
                int linkCursorId);
    // Over a dialog item, which only marks the place.
    bool CreateOver(DWORD exStyle, DWORD style, int itemId, HWND dialog, int id, int normalCursorId,
                    int linkCursorId);
    // Lays the text out at once when the window exists; the previous text back.
    std::string SetText(const char* text);

    // What a test or an owner may read.
    int ScrollPosition() const { return scrollPosition; }
    int ContentHeight() const { return layout.contentHeight; }
    bool IsDragging() const { return dragging; }
    const RichLayout& Layout() const { return layout; }

protected:
    const char* ClassName() const override { return "QuenlowRichLabel"; }
    void DescribeClass(WNDCLASSEXA& windowClass) const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RunLayout();
    void DeleteBitmaps();
    void Paint(HDC target);
    void Tick();
    void OnMouseMove(POINT point);
    void OnButtonDown(POINT point);
    void OnButtonUp();
    void OpenLink(const std::string& target);
    // Cursor and hovered rectangle from the link under a client point.
    void HoverAt(POINT point);
    bool Scrolls() const;

    bool dragScroll = true;
    int scrollPosition = 0;
    int step = 40;
    HCURSOR normalCursor = nullptr;
    HCURSOR linkCursor = nullptr;
    bool ownsLinkCursor = false;
    std::string text;
    BackgroundPainter painterFunction;
    COLORREF background;
    COLORREF colorKey = RGB(255, 0, 255);
    RichLayout layout;
    RECT client = {};
    int hovered = -1;  // the hovered link's index; -1 none
    bool dragging = false;
    int dragAnchor = 0;
    HBITMAP hoverBitmap = nullptr;
    HBITMAP contentBitmap = nullptr;
    OwnerCallback ownerCallback;
};
