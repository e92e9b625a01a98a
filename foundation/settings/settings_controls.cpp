#include "settings_file.h"

#include <windows.h>

#include <cctype>
#include <cstring>

namespace {

bool IsComboBox(HWND control)
{
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "ComboBox") == 0;
}

bool HasNonBlank(const XString& s)
{
    for (int i = 0; i < s.Length(); ++i) {
        if (!std::isspace(static_cast<unsigned char>(s[i])))
            return true;
    }
    return false;
}

XString ControlText(HWND control)
{
    XString text;
    const int length = GetWindowTextLengthA(control);
    if (length > 0) {
        XBuffer buffer;
        if (buffer.Resize(length + 1)) {
            GetWindowTextA(control, buffer.Text(), length + 1);
            text.Assign(buffer.Text());
        }
    }
    return text;
}

XString EntryText(HWND control, bool combo, int index)
{
    XString text;
    const int length = static_cast<int>(SendMessageA(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0));
    XBuffer buffer;
    if (length >= 0 && buffer.Resize(length + 1)) {
        buffer.Text()[0] = 0;
        SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.Text()));
        text.Assign(buffer.Text());
    }
    return text;
}

}  // namespace

int SettingsFile::LoadListBox(HWND__* control, const char* section, int limit)
{
    const bool combo = IsComboBox(control);
    StringList items;
    const int added = LoadListItems(items, section, limit);
    for (int i = 0; i < added; ++i)
        SendMessageA(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items.At(i)->Data()));
    if (combo && SendMessageA(control, CB_GETCOUNT, 0, 0) > 0)
        SendMessageA(control, CB_SETCURSEL, 0, 0);
    return added;
}

int SettingsFile::SaveListBox(HWND__* control, const char* section, int limit)
{
    const bool combo = IsComboBox(control);
    if (combo) {
        // The text in the combo's edit field becomes the newest history entry.
        const XString text = ControlText(control);
        if (HasNonBlank(text) &&
            (SendMessageA(control, CB_GETCOUNT, 0, 0) == 0 || EntryText(control, true, 0).CompareN(text.Data(), text.Length() + 1) != 0)) {
            const LRESULT found = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(text.Data()));
            if (found != CB_ERR)
                SendMessageA(control, CB_DELETESTRING, found, 0);
            SendMessageA(control, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.Data()));
            SendMessageA(control, CB_SETCURSEL, 0, 0);
        }
    }
    const int count = static_cast<int>(SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    StringList items;
    for (int i = 0; i < count; ++i)
        items.Add(EntryText(control, combo, i));
    return SaveListItems(items, section, limit);
}
