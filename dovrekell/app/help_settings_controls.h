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
