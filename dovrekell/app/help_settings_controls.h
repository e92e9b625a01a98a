#pragma once

#include "controls.h"
#include "help_settings.h"

// The settings' lists in the browser's combo boxes (find, search, file
// search, documentation folders, extension groups).

// Adds each item of the record's list that the combo does not hold to the
// letter, then selects the first entry.
void LoadCombo(HelpSettings& settings, const char* record, const ComboBox& combo);
// Replaces the record's list by the combo's entries in order.
int SaveCombo(HelpSettings& settings, const char* record, const ComboBox& combo);
// Puts text at the top of a most-recently-used combo and selects it: an
// entry equal to it (the combo's lookup ignores case) moves up, a new one is
// inserted.
void PutOnTop(const ComboBox& combo, const char* text);
// Tells the user once of the list entries the saves on these settings left
// out, too long for the file; nothing when every entry was saved.
void ReportLeftOut(HelpSettings& settings, HWND owner);
