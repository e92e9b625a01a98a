#include "about_dialog.h"

#include "about_text.h"
#include "controls_ids.h"

namespace {
// The text enters from below, and moves a pixel every 80 ms after a first
// pause of 800 ms.
constexpr int kStartPosition = -50;
constexpr int kStep = 80;
}  // namespace

DlgAbout::DlgAbout(HWND parent) : Dialog(IDD_ABOUT, parent) {}

BOOL DlgAbout::OnInitDialog()
{
    Dialog::OnInitDialog();
    label.SetText(kAboutText);
    label.SetDragScroll(true);
    label.SetStartPosition(kStartPosition);
    label.SetStep(kStep);
    label.SetBackgroundColor(kBackground);
    label.SetColorKey(kBackground);
    label.LoadHandCursor();
    label.CreateOver(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, IDC_ABOUT_LABEL_PLACE, Handle(), 0, IDC_DRAG_CURSOR, 0);
    // The frame only marks the place.
    ShowWindow(Item(IDC_ABOUT_LABEL_PLACE), SW_HIDE);
    return TRUE;
}
