#include "combo_history.h"

#include "blank_text.h"
#include "controls.h"
#include "seams.h"
#include "window_text.h"

void ComboPushText(HWND combo, const char* text)
{
    const ComboBox box(combo);
    const int found = box.FindStringExact(text);
    if (found == 0)
        return;
    if (found > 0)
        box.DeleteString(found);
    box.InsertString(0, text);
    box.SetCurSel(0);
}

void ComboPushHistory(HWND combo)
{
    const XString text = WindowText(combo);
    if (!IsBlank(text.Data()))
        ComboPushText(combo, text.Data());
}

void ComboDeleteEntry(HWND combo, HWND parent)
{
    const ComboBox box(combo);
    const XString text = WindowText(combo);
    if (!text.IsEmpty() && seams::ShowMessage(parent, "Delete selection?", "Message", MB_YESNO) != IDNO) {
        const int found = box.FindStringExact(text.Data());
        if (found >= 0)
            box.DeleteString(found);
    }
    if (box.GetCount() > 0)
        box.SetCurSel(0);
    else
        SetWindowTextA(combo, "");
}
