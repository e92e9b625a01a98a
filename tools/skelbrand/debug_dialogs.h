#pragma once

#include <memory>

#include "class_target.h"
#include "dialog.h"
#include "tool_settings.h"

// What the debug dialogs call on the Debug page.
class DebugConsole {
public:
    virtual void SendCommand(const char* command) = 0;
    // After a dialog has sent: its class combo's text goes to the top of
    // every dialog's class history.
    virtual void ShareClassHistory(HWND classCombo) = 0;

protected:
    ~DebugConsole() = default;
};

// One of the four modeless dialogs that compose jdb's longer commands:
// 'Stop in', 'Stop at', 'watch and unwatch', 'class'. Send 1076 takes the
// class the Find page selected, Send 1078 the class typed in combo 1077.
class ZDebugDialog : public Dialog {
public:
    enum Kind { kStopIn, kStopAt, kWatch, kClass, kKinds };

    ZDebugDialog(Kind kind, HWND page, DebugConsole& console);

    // Shows the dialog for the target; firstUse refills the member list of
    // 'Stop in' and 'watch and unwatch'.
    void Show(const DebugTarget& target, int firstUse);
    HWND ClassCombo() const { return Item(kClassCombo); }
    void LoadSettings(ZSettings& settings);
    void SaveSettings(ZSettings& settings);

    static constexpr int kSelectedClass = 1075;
    static constexpr int kSendSelected = 1076;
    static constexpr int kClassCombo = 1077;
    static constexpr int kSendTyped = 1078;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { ShowWindow(Handle(), SW_HIDE); }
    RouteTable Routes() const override;

private:
    INT_PTR OnSendSelected(WPARAM, LPARAM);
    INT_PTR OnSendTyped(WPARAM, LPARAM);
    void Send(int typedClass);
    // Radio index within a group of ids, first when none is checked.
    int Chosen(int firstId, int count) const;
    void Choose(int firstId, int count, int index) const;

    Kind kind;
    DebugConsole& console;
};

// The page's four dialogs, in the order 'Stop in', 'Stop at', 'watch and
// unwatch', 'class'.
class DebugDialogs {
public:
    void Create(HWND page, DebugConsole& console);
    ZDebugDialog* Get(ZDebugDialog::Kind kind) { return dialogs[kind].get(); }

private:
    std::unique_ptr<ZDebugDialog> dialogs[ZDebugDialog::kKinds];
};
