#pragma once

#include <windows.h>

#include "xstring.h"

// Moves values between a dialog's controls and the members that hold them,
// in one direction per run: loading fills the controls, saving reads them
// back. A page's Exchange lists its pairs once for both directions.
class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog(dialog), saving(saving) {}

    bool Saving() const { return saving; }

    void Text(int id, XString& value) const;
    void Check(int id, int& state) const;  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
    // The index of the checked button in the radio group that begins at
    // firstId (the group runs to the next WS_GROUP); -1 when none is checked.
    void Radio(int firstId, int& index) const;
    void ComboIndex(int id, int& index) const;  // -1: no selection

private:
    HWND dialog;
    bool saving;
};
