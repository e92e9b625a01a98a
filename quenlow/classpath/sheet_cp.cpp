#include "sheet_cp.h"

#include "help.h"
#include "seams.h"

namespace {
constexpr WPARAM kApplyCommand = 0x3021;  // the sheet's Apply button
}  // namespace

SheetCp::SheetCp(const char* caption, HWND parent, int firstPage, const char* settingsPath)
    : PropertySheet(caption, parent, firstPage),
      settingsPath(settingsPath),
      white(CreateSolidBrush(RGB(255, 255, 255))),
      face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))),
      system(*this),
      user(*this),
      siblings(*this),
      oneForAll(*this)
{
    Header().dwFlags |= PSH_HASHELP;
    AddPage(system);
    AddPage(user);
    AddPage(siblings);
    AddPage(oneForAll);
}

SheetCp::~SheetCp()
{
    DeleteObject(white);
    DeleteObject(face);
}

CpPage& SheetCp::PageAt(int index)
{
    CpPage* pages[kPageCount] = {&system, &user, &siblings, &oneForAll};
    return *pages[index];
}

void SheetCp::EnableForBoxes(bool enabled) const
{
    system.EnableForBoxes(enabled);
    user.EnableForBoxes(enabled);
    siblings.EnableForBoxes(enabled);
}

void SheetCp::OnInitSheet()
{
    // Every page window must exist before the pages are loaded.
    for (int i = 0; i < PageCount(); ++i)
        SetActivePage(i);
    int page = 0;
    SettingsFile settings;
    if (settings.OpenExisting(settingsPath.Data())) {
        system.Load(settings);
        user.Load(settings);
        siblings.Load(settings);
        oneForAll.Load(settings);  // last: it decides which For boxes are enabled
        page = settings.GetSheetPage(PageCount());
        settings.Close();
    }
    ShowWindow(GetDlgItem(Handle(), IDOK), SW_HIDE);
    SetActivePage(page);
    // Apply stays enabled for the whole run.
    PageAt(page).SetModified();
}

void SheetCp::Apply()
{
    SettingsFile settings;
    int saved = settings.OpenExisting(settingsPath.Data()) && !settings.IsReadOnly();
    if (saved) {
        saved &= system.Save(settings);
        saved &= user.Save(settings);
        saved &= siblings.Save(settings);
        saved &= oneForAll.Save(settings);
        settings.Close();
    }
    // Silence here would let the user believe the class paths are kept.
    if (!saved) {
        XString message("The class paths could not be saved: the settings file\n");
        message.AppendString(settingsPath);
        message.Append("\nis missing or can not be written.");
        seams::ShowMessage(Handle(), message.Data(), "Message", MB_OK | MB_ICONERROR);
    } else if (settings.LeftOut().Count() > 0) {
        seams::ShowMessage(Handle(), LeftOutMessage(settings.LeftOut()).Data(), "Message", MB_OK | MB_ICONERROR);
    }
}

LRESULT SheetCp::SheetMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == kApplyCommand) {
        Apply();
        return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDHELP) {
        ShowHelpTopic(Handle(), PageAt(activePage).HelpTopic());
        return 0;
    }
    if (message == WM_DESTROY) {
        SettingsFile settings;
        if (settings.OpenExisting(settingsPath.Data())) {
            settings.SetSheetPage(activePage);
            settings.Close();
        }
    }
    return PropertySheet::SheetMessage(message, wParam, lParam);
}
