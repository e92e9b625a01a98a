#pragma once

#include "class_target.h"
#include "command_button.h"
#include "debug_dialogs.h"
#include "exec_page.h"
#include "run_page.h"

// "Debug": runs jdb on one class and is its console: command buttons that
// act on the press, three command combos with their Sends, and the four
// dialogs that compose the longer commands.
class ZSheetPgDbug : public ZRunPage, public CommandButtonListener, public DebugConsole {
public:
    ZSheetPgDbug(ZSheet& owner, DebugTarget& target, RunOptionsSource& options);

    // From the Find page: the class file and whether to debug it as an
    // application (1) or an applet (0).
    void StartRun(const char* classFile, int isApplication);

    void Reset() override;
    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Layout() override;
    void EnableRunControls(int on) override;

    void OnCommandButton(const char* caption) override;
    void SendCommand(const char* command) override;
    void ShareClassHistory(HWND classCombo) override;

    static const char kNoJdb[];         // "Error: can not find jdb.exe"
    static const char kStartFinding[];  // "Start finding Java files, please wait ..."
    static constexpr int kCommandButtons = 12;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnStop(WPARAM, LPARAM);
    INT_PTR OnSendSimple(WPARAM, LPARAM);
    INT_PTR OnSendOption(WPARAM, LPARAM);
    INT_PTR OnSendUser(WPARAM, LPARAM);
    INT_PTR OnUserSelect(WPARAM, LPARAM);
    INT_PTR OnTabChange(WPARAM, LPARAM);
    void OpenDialog(ZDebugDialog::Kind kind, int* firstUse);

    DebugTarget& target;
    RunOptionsSource& optionsSource;
    ZCmdButton buttons[kCommandButtons];
    DebugDialogs dialogs;
    int stopInFirstUse = 1;
    int watchFirstUse = 1;
};
