#include "help_settings_controls.h"

#include <cstring>

#include "seams.h"

namespace {

bool Holds(const ComboBox& combo, const XString& text)
{
    for (int i = 0; i < combo.GetCount(); ++i) {
        if (std::strcmp(combo.GetItemText(i).Data(), text.Data()) == 0)
            return true;
    }
    return false;
}

}  // namespace

void LoadCombo(HelpSettings& settings, const char* record, const ComboBox& combo)
{
    StringList items;
    settings.GetList(record, items);
    for (int i = 0; i < items.Count(); ++i) {
        // The combo's own lookup ignores case; two entries differing in case are two entries.
        if (!Holds(combo, *items.At(i)))
            combo.AddString(items.At(i)->Data());
    }
    if (combo.GetCount() > 0)
        combo.SetCurSel(0);
}

int SaveCombo(HelpSettings& settings, const char* record, const ComboBox& combo)
{
    StringList items;
    for (int i = 0; i < combo.GetCount(); ++i)
        items.Add(combo.GetItemText(i));
    return settings.SetList(record, items);
}

void PutOnTop(const ComboBox& combo, const char* text)
{
    const int found = combo.FindStringExact(text, -1);
    if (found != 0) {
        if (found > 0)
            combo.DeleteString(found);
        combo.InsertString(0, text);
    }
    combo.SetCurSel(0);
}

void ReportLeftOut(HelpSettings& settings, HWND owner)
{
    const StringList& leftOut = settings.File().LeftOut();
    if (leftOut.Count() > 0)
        seams::ShowMessage(owner, LeftOutMessage(leftOut).Data(), "Message", MB_OK | MB_ICONERROR);
}
