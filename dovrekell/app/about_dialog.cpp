#include "about_dialog.h"

#include "dovrekell_ids.h"

AboutDialog::AboutDialog(HWND parent) : Dialog(IDD_ABOUT, parent) {}

BOOL AboutDialog::OnInitDialog()
{
    link.SetText(kLinkText);
    link.SetTarget(kLinkTarget);
    link.SetColors(RGB(0, 0, 255), RGB(255, 0, 0));
    // The template's static only marks the place; the label covers it.
    HWND placeholder = Item(IDC_ABOUT_LINK);
    RECT place;
    GetWindowRect(placeholder, &place);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    link.Create(Handle(), place, kLinkId);
    ShowWindow(placeholder, SW_HIDE);
    return TRUE;
}
