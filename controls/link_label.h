#pragma once

#include <windows.h>

#include <string>

#include "window.h"

// An underlined text that takes its hover colour while the pointer is over
// it and opens its target (or, without one, its own text) with the shell.
class LinkLabel : public Window {
public:
    LinkLabel();
    ~LinkLabel() override;

    void SetText(const char* newText) { text = newText ? newText : ""; }
    void SetTarget(const char* newTarget) { target = newTarget ? newTarget : ""; }
    void SetColors(COLORREF normal, COLORREF hover);
    COLORREF CurrentColor() const { return current; }

protected:
    const char* ClassName() const override { return "QuenlowLinkLabel"; }
    void DescribeClass(WNDCLASSEXA& windowClass) const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    void Redraw(COLORREF colour);

    std::string text;
    std::string target;
    COLORREF current;
    COLORREF normalColor;
    COLORREF hoverColor;
};
