#include "data_exchange.h"

#include "controls.h"

void DataExchange::Text(int id, XString& value) const
{
    Control control(dialog, id);
    if (saving)
        value = control.GetText();
    else
        control.SetText(value.Data());
}

void DataExchange::Check(int id, int& state) const
{
    Button button(dialog, id);
    if (saving)
        state = button.GetCheck();
    else
        button.SetCheck(state);
}

void DataExchange::Radio(int firstId, int& index) const
{
    HWND first = GetDlgItem(dialog, firstId);
    if (!first)
        return;
    if (saving)
        index = -1;
    int position = 0;
    for (HWND item = first; item; item = GetWindow(item, GW_HWNDNEXT), ++position) {
        if (item != first && (GetWindowLongPtrA(item, GWL_STYLE) & WS_GROUP))
            break;
        Button button(item);
        if (saving) {
            if (button.GetCheck() == BST_CHECKED) {
                index = position;
                return;
            }
        } else {
            button.SetCheck(position == index ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DataExchange::ComboIndex(int id, int& index) const
{
    ComboBox combo(dialog, id);
    if (saving)
        index = combo.GetCurSel();
    else
        combo.SetCurSel(index);
}
