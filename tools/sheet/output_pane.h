#pragma once

#include <windows.h>

#include "rich_edit.h"

// The rich edit that shows one output stream of a run and keeps its last line
// in view. It holds the pane (whose control a long text takes with it) and
// the measured line height.
class ZOutputPane {
public:
    ZOutputPane() = default;
    explicit ZOutputPane(HWND control) { pane.Attach(control); }
    ZOutputPane(const ZOutputPane&) = delete;
    ZOutputPane& operator=(const ZOutputPane&) = delete;

    void Attach(HWND control) { pane.Attach(control); }
    // The live control.
    HWND Handle() const { return pane.Handle(); }
    RichEditPane& Pane() { return pane; }
    int LineHeight() const { return lineHeight; }

    // Measured once the pane has its font: the distance between the second
    // and the third line of a three-line text.
    void MeasureLineHeight();
    // Scrolls so that the last line is visible with one line of room below.
    void ScrollToEnd();

private:
    RichEditPane pane;
    int lineHeight = 0;
};

// append 1: the text goes at the pane's end; 0: it replaces the pane's text
// (on the pane's thread). Then the pane scrolls to its end. Callable from
// any thread.
void AppendPaneText(ZOutputPane& pane, const char* text, int append);
