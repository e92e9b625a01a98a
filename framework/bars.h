#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "controls.h"

// The common-control bars of a frame, as thin values: each method is the
// message it sends. Create makes the control as a child of the frame.

class ToolBar : public Control {
public:
    using Control::Control;
    bool Create(HWND parent, int id, DWORD style);
    void SetButtonWidth(int minimum, int maximum) const { Send(TB_SETBUTTONWIDTH, 0, MAKELPARAM(minimum, maximum)); }
    void SetExtendedStyle(DWORD style) const { Send(TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(style)); }
    void SetImageList(HIMAGELIST images) const { Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)); }
    void SetHotImageList(HIMAGELIST images) const { Send(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images)); }
    // A button with its command, image, style and text.
    bool AddButton(int command, int image, BYTE style, const char* text) const;
    int ButtonCount() const { return static_cast<int>(Send(TB_BUTTONCOUNT)); }
    RECT ItemRect(int index) const;
    RECT CommandRect(int command) const;  // TB_GETRECT
    void SetButtonSize(int width, int height) const { Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(width, height)); }
    void SetBitmapSize(int width, int height) const { Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height)); }
    void EnableButton(int command, bool enabled) const { Send(TB_ENABLEBUTTON, static_cast<WPARAM>(command), enabled); }
    bool IsButtonEnabled(int command) const { return Send(TB_ISBUTTONENABLED, static_cast<WPARAM>(command)) != 0; }
    XString ButtonText(int command) const;
    SIZE IdealSize() const;  // every button in one row
};

class ReBar : public Control {
public:
    using Control::Control;
    bool Create(HWND parent, int id, DWORD controlStyle);
    // A band around child, without text or bitmap, minimum size and width as given.
    bool AddBand(HWND child, UINT bandStyle, int minWidth, int minHeight, int width) const;
    int Height() const;
};

class StatusBar : public Control {
public:
    using Control::Control;
    bool Create(HWND parent, int id);
    // Parts by their widths, the first taking what the others leave; kept,
    // so the parts follow the bar's width (FitParts after every size).
    void SetPartWidths(const int* widths, int count);
    void FitParts() const;
    void SetPartText(int part, const char* text) const
    {
        Send(SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    }
    XString PartText(int part) const;
    int PartCount() const { return static_cast<int>(Send(SB_GETPARTS)); }

private:
    std::vector<int> partWidths;
};

// An image list from a bitmap resource strip, with a mask colour; the caller
// (or the control it is handed to) owns it.
HIMAGELIST LoadImageStrip(int bitmapId, int imageWidth, COLORREF mask);
