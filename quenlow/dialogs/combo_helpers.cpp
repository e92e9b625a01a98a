#include "combo_helpers.h"

#include "controls.h"
#include "paths/file_system.h"
#include "paths/path_text.h"
#include "seams.h"

bool IsBlank(const char* text)
{
    for (; *text; ++text) {
        if (*text != ' ' && *text != '\t')
            return false;
    }
    return true;
}

XString QuoteText(const char* text)
{
    XString quoted("\"");
    quoted.Append(text);
    quoted.AppendChar('"');
    return quoted;
}

void ComboAddText(HWND combo)
{
    const XString text = Control(combo).GetText();
    if (!IsBlank(text.Data()))
        ComboPutOnTop(combo, text.Data());
}

void ComboPutOnTop(HWND combo, const char* text)
{
    ComboBox box(combo);
    // The exact search ignores case: an entry that differs only in case is
    // the same entry, and takes the new spelling when it moves.
    const int found = box.FindStringExact(text);
    if (found != 0 || box.GetItemText(0).CompareN(text, -1) != 0) {
        if (found != CB_ERR)
            box.DeleteString(found);
        box.InsertString(0, text);
    }
    box.SetCurSel(0);
}

void ComboSelectedToTop(HWND combo)
{
    ComboBox box(combo);
    const int selected = box.GetCurSel();
    if (selected <= 0)
        return;
    const XString text = box.GetItemText(selected);
    box.InsertString(0, text.Data());
    box.SetCurSel(0);
    box.DeleteString(selected + 1);
}

void ComboDeleteText(HWND owner, HWND combo)
{
    ComboBox box(combo);
    const XString text = box.GetText();
    if (text.IsEmpty() || seams::ShowMessage(owner, "Delete selection?", "Message", MB_YESNO) != IDYES)
        return;
    const int found = box.FindStringExact(text.Data());
    if (found != CB_ERR && box.GetItemText(found).CompareN(text.Data(), text.Length() + 1) == 0)
        box.DeleteString(found);
    if (box.GetCount() > 0)
        box.SetCurSel(0);
    else
        box.SetText("");
}

int ChooseFilePath(HWND owner, const char* filter, const char* startText, bool mustExist, bool saving, XString& path)
{
    XString folder = PathDirectory(startText);
    while (!folder.IsEmpty() && !IsDirectory(folder.Data()))
        folder = PathDirectory(folder.Data());
    XString filterParts(filter);
    filterParts.Append("all file (*.*)|*.*||");
    filterParts.ReplaceChar('|', '\0');
    char chosen[MAX_PATH] = {};
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filterParts.Data();
    request.lpstrFile = chosen;
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = folder.IsEmpty() ? nullptr : folder.Data();
    request.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_PATHMUSTEXIST | (mustExist ? OFN_FILEMUSTEXIST : 0);
    if (!(saving ? seams::ChooseSaveFile(&request) : seams::ChooseOpenFile(&request)))
        return 0;
    path.Assign(chosen);
    return 1;
}

XString BrowseFile(HWND owner, const char* filter, const char* initialText, bool mustExist)
{
    XString path;
    if (!ChooseFilePath(owner, filter, initialText, mustExist, false, path))
        path.Assign(initialText);
    return path;
}
