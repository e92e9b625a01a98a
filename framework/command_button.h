#pragma once

#include <windows.h>

#include "controls.h"

// Who acts on a command button: called with the button's caption.
class CommandButtonListener {
public:
    virtual void OnCommandButton(const char* caption) = 0;

protected:
    ~CommandButtonListener() = default;
};

// An owner-drawn push button that acts on the press of the left mouse
// button, not on its release, so a console's commands go at once: white
// face, blue caption (grey when disabled), a raised frame that sinks while
// held. Its dialog reflects WM_DRAWITEM to it; the button's window is
// subclassed to answer.
class ZCmdButton : public Button {
public:
    ZCmdButton() = default;
    ~ZCmdButton();
    ZCmdButton(const ZCmdButton&) = delete;
    ZCmdButton& operator=(const ZCmdButton&) = delete;

    // Takes over the dialog's button id, made owner-drawn.
    bool Attach(HWND dialog, int id, CommandButtonListener* listener);
    // EnableWindow, then a repaint in the new colours.
    void Enable(bool on) const;
    int IsPressed() const { return pressed; }

private:
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data);
    void Draw(const DRAWITEMSTRUCT& item) const;
    void Detach();

    CommandButtonListener* listener = nullptr;
    int pressed = 0;
};
