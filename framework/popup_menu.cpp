#include "popup_menu.h"

#include "app.h"
#include "seams.h"

PopupMenu::~PopupMenu()
{
    if (menu)
        DestroyMenu(menu);
}

bool PopupMenu::Load(int menuId)
{
    HMENU loaded = LoadMenuA(App::Instance(), MAKEINTRESOURCEA(menuId));
    if (!loaded)
        return false;
    if (menu)
        DestroyMenu(menu);
    menu = loaded;
    return true;
}

void PopupMenu::Enable(UINT id, bool enabled) const
{
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PopupMenu::Check(UINT id, bool checked) const
{
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

UINT PopupMenu::Track(HWND owner, POINT screen, int index) const
{
    HMENU popup = Popup(index);
    if (!popup)
        return 0;
    return static_cast<UINT>(seams::TrackPopup(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, owner));
}
