#include "find_dialog.h"

#include <string>

#include "controls.h"
#include "dovrekell_ids.h"
#include "help_settings.h"
#include "help_settings_controls.h"
#include "seams.h"

FindTextDialog::FindTextDialog(HWND parent, TextFinder& finder) : Dialog(IDD_FIND, parent), finder(finder) {}

FindTextDialog::RouteTable FindTextDialog::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_FIND, &FindTextDialog::OnFind),
        OnMessage(WM_CLOSE, &FindTextDialog::OnClose),
    };
    return Table(routes);
}

void FindTextDialog::Show()
{
    if (!Handle() || IsWindowVisible(Handle()))
        return;
    ShowWindow(Handle(), SW_SHOW);
    HelpSettings settings;
    if (!settings.OpenAndInit())
        return;
    LoadCombo(settings, HelpSettings::kFind, ComboBox(Handle(), IDC_FIND_TEXT));
    Button(Handle(), IDC_FIND_WHOLE_WORD).SetCheck(settings.GetWholeWord() ? BST_CHECKED : BST_UNCHECKED);
}

INT_PTR FindTextDialog::OnFind(WPARAM, LPARAM)
{
    const ComboBox combo(Handle(), IDC_FIND_TEXT);
    const std::string typed = combo.GetText().Data();
    const size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos) {
        seams::ShowMessage(Handle(), "Please input text for finding", "Message", MB_OK);
        return TRUE;
    }
    const std::string text = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    PutOnTop(combo, text.c_str());
    int flags = 0;
    if (Button(Handle(), IDC_FIND_WHOLE_WORD).GetCheck() == BST_CHECKED)
        flags |= kWholeWord;
    if (Button(Handle(), IDC_FIND_CASE).GetCheck() == BST_CHECKED)
        flags |= kMatchCase;
    if (!finder.FindText(text.c_str(), flags, true))
        seams::ShowMessage(Handle(), ("Can not find\n" + text).c_str(), "Message", MB_OK);
    return TRUE;
}

INT_PTR FindTextDialog::OnClose(WPARAM, LPARAM)
{
    Close();
    return TRUE;
}

void FindTextDialog::Close()
{
    HelpSettings settings;
    if (settings.OpenAndInit()) {
        SaveCombo(settings, HelpSettings::kFind, ComboBox(Handle(), IDC_FIND_TEXT));
        settings.SetWholeWord(Button(Handle(), IDC_FIND_WHOLE_WORD).GetCheck() == BST_CHECKED ? 1 : 0);
        ReportLeftOut(settings, Handle());
    }
    ShowWindow(Handle(), SW_HIDE);
}
