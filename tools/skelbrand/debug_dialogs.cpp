#include "debug_dialogs.h"

#include <initializer_list>

#include "combo_history.h"
#include "controls.h"
#include "debug_commands.h"
#include "run_options.h"
#include "seams.h"
#include "tool_page_ids.h"
#include "window_text.h"

namespace {

const int kTemplates[] = {IDD_DEBUG_STOP_IN, IDD_DEBUG_STOP_AT, IDD_DEBUG_WATCH, IDD_DEBUG_CLASS};

// The member beside each Send: (selected class, typed class).
constexpr int kStopInMethods = 1074;
constexpr int kStopInTypedMethod = 1073;
constexpr int kStopAtLine = 1080;       // read by Send 1076, beside it
constexpr int kStopAtTypedLine = 1081;  // read by Send 1078, beside it
constexpr int kWatchFields = 1086;
constexpr int kWatchTypedField = 1087;
constexpr int kWatchModeFirst = 1081;    // watch, unwatch
constexpr int kWatchAccessFirst = 1083;  // default, all, access
constexpr int kClassQueryFirst = 1088;   // class, fields, methods

}  // namespace

ZDebugDialog::ZDebugDialog(Kind dialogKind, HWND page, DebugConsole& owner)
    : Dialog(kTemplates[dialogKind], page), kind(dialogKind), console(owner)
{
}

RouteTable ZDebugDialog::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, kSendSelected, &ZDebugDialog::OnSendSelected),
        OnCommand(BN_CLICKED, kSendTyped, &ZDebugDialog::OnSendTyped),
    };
    return Table(routes);
}

BOOL ZDebugDialog::OnInitDialog()
{
    HGDIOBJ fixed = GetStockObject(ANSI_FIXED_FONT);
    SendMessageA(Item(kSelectedClass), WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
    SendMessageA(Item(kClassCombo), WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
    if (kind == kWatch) {
        Choose(kWatchModeFirst, 2, 0);
        Choose(kWatchAccessFirst, 3, 0);
    } else if (kind == kClass) {
        Choose(kClassQueryFirst, 3, 0);
    }
    return TRUE;
}

int ZDebugDialog::Chosen(int firstId, int count) const
{
    for (int i = 0; i < count; ++i) {
        if (Button(Item(firstId + i)).GetCheck() == BST_CHECKED)
            return i;
    }
    return 0;
}

void ZDebugDialog::Choose(int firstId, int count, int index) const
{
    if (index < 0 || index >= count)
        index = 0;
    CheckRadioButton(Handle(), firstId, firstId + count - 1, firstId + index);
}

void ZDebugDialog::Show(const DebugTarget& target, int firstUse)
{
    ShowWindow(Handle(), SW_SHOW);
    const bool hasList = kind == kStopIn || kind == kWatch;
    if (hasList && !firstUse)
        return;
    SetWindowTextA(Item(kSelectedClass), target.className.Data());
    if (!hasList)
        return;
    const ComboBox list(Item(kind == kStopIn ? kStopInMethods : kWatchFields));
    const StringList& names = kind == kStopIn ? target.methodNames : target.fieldNames;
    list.ResetContent();
    for (int i = 0; i < names.Count(); ++i)
        list.AddString(names.At(i)->Data());
    list.SetCurSel(0);
    const BOOL any = names.Count() > 0 ? TRUE : FALSE;
    EnableWindow(Item(kSendSelected), any);
    EnableWindow(Item(kSelectedClass), any);
}

INT_PTR ZDebugDialog::OnSendSelected(WPARAM, LPARAM)
{
    Send(0);
    return 0;
}

INT_PTR ZDebugDialog::OnSendTyped(WPARAM, LPARAM)
{
    Send(1);
    return 0;
}

void ZDebugDialog::Send(int typedClass)
{
    if (typedClass) {
        // The typed texts go on trimmed, and so into the histories.
        const int typedMember = kind == kStopIn ? kStopInTypedMethod : kind == kWatch ? kWatchTypedField : 0;
        for (int id : {kClassCombo, typedMember}) {
            if (id)
                SetWindowTextA(Item(id), TrimBlanks(WindowText(Item(id)).Data()).Data());
        }
    }
    const XString cls = WindowText(typedClass ? Item(kClassCombo) : Item(kSelectedClass));
    XString command;
    const char* refusal = nullptr;
    switch (kind) {
    case kStopIn:
        refusal = ComposeStopIn(cls.Data(), WindowText(Item(typedClass ? kStopInTypedMethod : kStopInMethods)).Data(),
                                typedClass, command);
        break;
    case kStopAt:
        refusal = ComposeStopAt(cls.Data(), WindowText(Item(typedClass ? kStopAtTypedLine : kStopAtLine)).Data(),
                                typedClass, command);
        break;
    case kWatch:
        refusal = ComposeWatch(static_cast<WatchMode>(Chosen(kWatchModeFirst, 2)),
                               static_cast<WatchAccess>(Chosen(kWatchAccessFirst, 3)), cls.Data(),
                               WindowText(Item(typedClass ? kWatchTypedField : kWatchFields)).Data(), typedClass,
                               command);
        break;
    default:
        refusal = ComposeClassQuery(static_cast<ClassQuery>(Chosen(kClassQueryFirst, 3)), cls.Data(), typedClass,
                                    command);
        break;
    }
    if (refusal) {
        seams::ShowMessage(Handle(), refusal, "Message", MB_OK);
        return;
    }
    console.SendCommand(command.Data());
    if (typedClass) {
        if (kind == kStopIn)
            ComboPushHistory(Item(kStopInTypedMethod));
        else if (kind == kWatch)
            ComboPushHistory(Item(kWatchTypedField));
    }
    if (typedClass || kind == kWatch || kind == kClass)
        console.ShareClassHistory(Item(kClassCombo));
}

void ZDebugDialog::LoadSettings(ZSettings& settings)
{
    settings.LoadClassHistory(Item(kClassCombo));
    if (kind == kStopIn) {
        settings.LoadMethodHistory(Item(kStopInTypedMethod));
    } else if (kind == kWatch) {
        settings.LoadFieldHistory(Item(kWatchTypedField));
        int mode = 0;
        int access = 0;
        if (settings.GetDlgWatchBytes(&mode, &access)) {
            Choose(kWatchModeFirst, 2, mode);
            Choose(kWatchAccessFirst, 3, access);
        }
    } else if (kind == kClass) {
        int query = 0;
        if (settings.GetDlgClassBytes(&query))
            Choose(kClassQueryFirst, 3, query);
    }
}

void ZDebugDialog::SaveSettings(ZSettings& settings)
{
    // The four share one class history: the first dialog's list is saved.
    if (kind == kStopIn) {
        settings.SaveClassHistory(Item(kClassCombo));
        settings.SaveMethodHistory(Item(kStopInTypedMethod));
    } else if (kind == kWatch) {
        settings.SaveFieldHistory(Item(kWatchTypedField));
        settings.SetDlgWatchBytes(Chosen(kWatchModeFirst, 2), Chosen(kWatchAccessFirst, 3));
    } else if (kind == kClass) {
        settings.SetDlgClassBytes(Chosen(kClassQueryFirst, 3));
    }
}

void DebugDialogs::Create(HWND page, DebugConsole& console)
{
    for (int i = 0; i < ZDebugDialog::kKinds; ++i) {
        dialogs[i] = std::make_unique<ZDebugDialog>(static_cast<ZDebugDialog::Kind>(i), page, console);
        dialogs[i]->Create();
    }
}
