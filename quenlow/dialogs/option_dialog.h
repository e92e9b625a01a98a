#pragma once

#include <windows.h>

#include "dialog.h"
#include "settings/settings_file.h"
#include "xstring.h"

// What the option dialogs share: the caption's "?" opens the dialog's help
// page, Enter closes nothing, and the settings file is opened for each load
// or store and closed at once.
class OptionDialog : public Dialog {
public:
    // settingsPath: the main settings file ("<program directory>\Setting\Quenlow.set").
    OptionDialog(int templateId, HWND parent, const char* helpTopic, const char* settingsPath);

protected:
    void OnOK() override {}
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Opened as it is on disk, never created; for a store it must also be
    // writable. False when it can not be had: the dialog then shows its
    // defaults, or stores nothing.
    bool OpenForLoad(SettingsFile& settings) const;
    bool OpenForStore(SettingsFile& settings) const;

    void SetCheck(int id, int on) const;
    int IsChecked(int id) const;
    // Static texts drawn on the dialog's own background.
    bool transparentStatics = false;

private:
    const char* helpTopic;
    XString settingsPath;
};

// The main settings file's path, the one every option dialog edits.
XString MainSettingsPath();
