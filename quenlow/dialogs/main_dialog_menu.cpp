// The main dialog's menu bar, painted by the dialog itself, and the commands
// of its menus.
#include "main_dialog.h"

#include "about_dialog.h"
#include "help.h"
#include "java_properties_dialog.h"
#include "option_dialogs.h"
#include "settings/main_args.h"
#include "main_dialog_ids.h"
#include "paths/file_system.h"
#include "seams.h"
#include "sheet_cp.h"
#include "sibling_starts.h"

namespace {

// A caption of the menu bar and the menu resource it opens.
struct MenuCaption {
    const char* text;
    int width;
    int menuId;
};
// Left to right from the dialog's left edge.
const MenuCaption kMenuCaptions[] = {
    {"Explorer options", 100, IDM_EXPLORER_OPTIONS},
    {"General options", 100, IDM_GENERAL_OPTIONS},
    {"Information", 65, IDM_INFORMATION},
    {"Help", 50, IDM_HELP},
};
constexpr int kCaptionCount = static_cast<int>(sizeof kMenuCaptions / sizeof kMenuCaptions[0]);

RECT CaptionRect(int index)
{
    RECT rect = {0, 0, 0, GetSystemMetrics(SM_CYMENU)};
    for (int i = 0; i <= index; ++i) {
        rect.left = rect.right;
        rect.right += kMenuCaptions[i].width;
    }
    return rect;
}

int CaptionAt(POINT point)
{
    for (int i = 0; i < kCaptionCount; ++i) {
        const RECT rect = CaptionRect(i);
        if (PtInRect(&rect, point))
            return i;
    }
    return -1;
}

// Sunken: black above and to the left, white below and to the right.
void DrawPressedFrame(HDC dc, const RECT& rect)
{
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT top = {rect.left, rect.top, rect.right - 1, rect.top + 1};
    const RECT left = {rect.left, rect.top, rect.left + 1, rect.bottom - 1};
    const RECT right = {rect.right - 1, rect.top, rect.right, rect.bottom};
    const RECT bottom = {rect.left, rect.bottom - 1, rect.right, rect.bottom};
    FillRect(dc, &top, black);
    FillRect(dc, &left, black);
    FillRect(dc, &right, white);
    FillRect(dc, &bottom, white);
}

}  // namespace

void MainDlg::PaintMenuBar(HDC dc)
{
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < kCaptionCount; ++i) {
        RECT rect = CaptionRect(i);
        DrawTextA(dc, kMenuCaptions[i].text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (i == pressedCaption)
            DrawPressedFrame(dc, rect);
    }
    SelectObject(dc, oldFont);
}

bool MainDlg::OpenMenuAt(POINT point)
{
    const int index = CaptionAt(point);
    if (index < 0)
        return false;
    const RECT caption = CaptionRect(index);
    // Drawn now, not when the queue is idle: the popup and then the command
    // come first otherwise.
    pressedCaption = index;
    InvalidateRect(Handle(), &caption, TRUE);
    UpdateWindow(Handle());

    int command = 0;
    if (HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kMenuCaptions[index].menuId))) {
        HMENU items = GetSubMenu(menu, 0);
        PrepareMenu(items);
        POINT corner = {caption.left, caption.bottom};
        ClientToScreen(Handle(), &corner);
        command = seams::TrackPopup(items, TPM_RETURNCMD | TPM_LEFTALIGN, corner.x, corner.y, Handle());
        DestroyMenu(menu);
    }

    pressedCaption = -1;
    InvalidateRect(Handle(), &caption, TRUE);
    UpdateWindow(Handle());
    // Through the routes, as a command from anywhere else would come.
    if (command)
        SendMessageA(Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    return true;
}

void MainDlg::PrepareMenu(HMENU items)
{
    CheckMenuItem(items, ID_ALWAYS_ON_TOP, MF_BYCOMMAND | (alwaysOnTop ? MF_CHECKED : MF_UNCHECKED));
}

INT_PTR MainDlg::OnJavaLibraries(WPARAM, LPARAM)
{
    StartLibraryChecker(GetProgramDir().Data(), true);
    return TRUE;
}

INT_PTR MainDlg::OnClasspathOptions(WPARAM, LPARAM)
{
    // Owned by no window, as a dialog of its own.
    SheetCp sheet("Classpaths - for exe files and features in Windows explorer", nullptr, 0, settingsPath.Data());
    sheet.DoModal();
    return TRUE;
}

INT_PTR MainDlg::OnHelpContents(WPARAM, LPARAM)
{
    ShowHelpFile(Handle());
    return TRUE;
}

INT_PTR MainDlg::OnAbout(WPARAM, LPARAM)
{
    DlgAbout(Handle()).DoModal();
    return TRUE;
}

INT_PTR MainDlg::OnHome(WPARAM, LPARAM)
{
    seams::ShellOpen(nullptr, nullptr, kHomePage, nullptr, nullptr, SW_SHOW);
    return TRUE;
}

INT_PTR MainDlg::OnOptionsCommand(WPARAM wParam, LPARAM)
{
    const XString settingsPath = MainSettingsPath();
    switch (LOWORD(wParam)) {
    case ID_DOUBLE_CLICK_OPTIONS:
        DlgDoubleClick(Handle(), settingsPath.Data(), GetModulePath().Data()).DoModal();
        break;
    case ID_MENU_STYLE_OPTIONS:
        DlgMenuStyle(Handle(), settingsPath.Data()).DoModal();
        break;
    case ID_FILE_OPTIONS:
        DlgFileOptions(Handle(), settingsPath.Data()).DoModal();
        break;
    case ID_MAIN_ARGS_OPTIONS:
        DlgMainArgs(Handle(), settingsPath.Data(), MainArgsPath().Data()).DoModal();
        break;
    case ID_ICON_OPTIONS:
        DlgIconOptions(Handle(), settingsPath.Data()).DoModal();
        break;
    case ID_OTHER_JAVA_OPTIONS:
        DlgOtherJava(Handle(), settingsPath.Data()).DoModal();
        break;
    default:
        DlgJavaProperty(Handle()).DoModal();
        break;
    }
    return TRUE;
}
