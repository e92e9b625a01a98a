#include "sheet_cp.h"

#include "classpath_entries.h"
#include "classpath_sheet_ids.h"
#include "controls.h"
#include "seams.h"

namespace {

// The check box of each record entry; 0 where no page shows one.
const int kRecordBoxes[SettingsFile::kClasspathFlagCount] = {
    IDC_CP_FOR_EXE, IDC_CP_FOR_DOUBLE_CLICK, IDC_CP_FOR_CLASS_INFO, IDC_CP_FOR_COMPILE, IDC_CP_FOR_EXECUTE,
    0, IDC_CP_AUTO_JARS, IDC_CP_AUTO_ZIPS, IDC_CP_ONE_FOR_ALL};
const int kForBoxes[] = {IDC_CP_FOR_EXE, IDC_CP_FOR_DOUBLE_CLICK, IDC_CP_FOR_CLASS_INFO, IDC_CP_FOR_COMPILE,
                         IDC_CP_FOR_EXECUTE};

// A page's control of that id when it is a check box: ids are shared
// between pages (the User page's archive list has the id of "Auto-detect Zips").
HWND CheckBox(HWND page, int id)
{
    HWND control = id ? GetDlgItem(page, id) : nullptr;
    char className[16] = {};
    if (!control || !GetClassNameA(control, className, sizeof className) || lstrcmpiA(className, "Button") != 0)
        return nullptr;
    return control;
}

}  // namespace

void SetCheckBoxes(HWND page, const int* flags)
{
    for (int i = 0; i < SettingsFile::kClasspathFlagCount; ++i) {
        if (HWND box = CheckBox(page, kRecordBoxes[i]))
            SendMessageA(box, BM_SETCHECK, flags[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void GetCheckBoxes(HWND page, int* flags)
{
    for (int i = 0; i < SettingsFile::kClasspathFlagCount; ++i) {
        if (HWND box = CheckBox(page, kRecordBoxes[i]))
            flags[i] = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
}

void CpPage::EnableForBoxes(bool enabled) const
{
    for (int id : kForBoxes)
        EnableWindow(Item(id), enabled ? TRUE : FALSE);
}

void CpPage::ReadRecord(int* flags) const
{
    for (int i = 0; i < SettingsFile::kClasspathFlagCount; ++i)
        flags[i] = 0;
    GetCheckBoxes(Handle(), flags);
}

bool CpPage::OnSetActive()
{
    sheet.NoteActivePage(index);
    return true;
}

INT_PTR CpPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(sheet.FaceBrush());
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<INT_PTR>(sheet.WhiteBrush());
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<INT_PTR>(sheet.FaceBrush());
    default:
        return PropertyPage::HandleMessage(message, wParam, lParam);
    }
}

bool AcceptEntry(HWND owner, const XString& entry)
{
    XString message;
    if (CheckEntryBytes(entry, message))
        return true;
    seams::ShowMessage(owner, message.Data(), "Message", MB_OK | MB_ICONERROR);
    return false;
}

bool AddUnlessPresent(HWND list, const char* text)
{
    // Windows paths ignore letter case, as the list's exact search does:
    // C:\Lib and c:\lib are one folder.
    if (SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)) != LB_ERR)
        return false;
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return true;
}

void ListBoxEntries(HWND list, StringList& entries)
{
    entries.RemoveAll();
    ListBox box(list);
    const int count = box.GetCount();
    for (int i = 0; i < count; ++i)
        entries.Add(box.GetItemText(i));
}
