#include "debug_page.h"

#include <commctrl.h>

#include <cstring>

#include "class_run.h"
#include "combo_history.h"
#include "controls.h"
#include "debug_commands.h"
#include "java_home.h"
#include "rich_edit.h"
#include "run_options.h"
#include "sheet.h"
#include "tool_page_ids.h"
#include "window_text.h"

const char ZSheetPgDbug::kNoJdb[] = "Error: can not find jdb.exe";
const char ZSheetPgDbug::kStartFinding[] = "Start finding Java files, please wait ...";

namespace {

constexpr int kInset = 8;
constexpr int kColumnWidth = 120;
constexpr DWORD kRestartWaitMs = 2000;
constexpr int kClearMessage = 1069;
constexpr int kSimpleCombo = 1070;
constexpr int kOptionCombo = 1073;
constexpr int kUserCombo = 1080;
constexpr int kSendSimple = 1062;
constexpr int kSendOption = 1074;
constexpr int kSendUser = 1061;
constexpr int kRunButton = 1059;

const char kUndelivered[] = "\n(jdb is not reading its input: the command was not delivered)\n";
const char kPartlyDelivered[] = "\n(jdb is not reading its input: the command was delivered only in part)\n";

// In list order: run, exit, next, step, step up, cont, down, up, class,
// un-watch, stop at, stop in.
const int kButtonIds[ZSheetPgDbug::kCommandButtons] = {1059, 1064, 1068, 1057, 1065, 1058,
                                                       1066, 1067, 1079, 1078, 1076, 1077};
const int kCommandRow[] = {1071, kSimpleCombo, kSendSimple, 1075, kOptionCombo, kSendOption, 1072, kUserCombo, kSendUser};
const bool kRowIsLabel[] = {true, false, false, true, false, false, true, false, false};
const bool kRowIsSend[] = {false, false, true, false, false, true, false, false, true};
const int kPanes[] = {IDC_RUN_OUT_PANE, IDC_RUN_ERR_PANE, IDC_RUN_COMMAND_PANE};
const char* const kTabs[] = {"out stream", "err stream", "command"};
const char* const kSimpleCommands[] = {"locals",  "classes",     "monitor",      "pop",       "reenter", "clear",
                                       "version", "connectors", "threadgroups", "classpath", "help",    "!!"};
const char* const kOptionCommands[] = {"threads",         "suspend", "resume", "where",   "wherei",     "trace methods",
                                       "untrace methods", "list",    "use",    "exclude", "threadlocks"};

bool FileFound(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int HeightOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

void FillCombo(HWND combo, const char* const* entries, int count)
{
    const ComboBox box(combo);
    for (int i = 0; i < count; ++i)
        box.AddString(entries[i]);
    box.SetCurSel(0);
}

}  // namespace

ZSheetPgDbug::ZSheetPgDbug(ZSheet& owner, DebugTarget& debugTarget, RunOptionsSource& options)
    : ZRunPage(IDD_PAGE_DEBUG, owner, {IDC_DEBUG_STATUS, IDC_DEBUG_STOP}), target(debugTarget), optionsSource(options)
{
}

RouteTable ZSheetPgDbug::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_DEBUG_STOP, &ZSheetPgDbug::OnStop),
        OnCommand(BN_CLICKED, kSendSimple, &ZSheetPgDbug::OnSendSimple),
        OnCommand(BN_CLICKED, kSendOption, &ZSheetPgDbug::OnSendOption),
        OnCommand(BN_CLICKED, kSendUser, &ZSheetPgDbug::OnSendUser),
        OnCommand(CBN_SELCHANGE, kUserCombo, &ZSheetPgDbug::OnUserSelect),
        OnNotify(TCN_SELCHANGE, IDC_RUN_TABS, &ZSheetPgDbug::OnTabChange),
    };
    return Table(routes);
}

BOOL ZSheetPgDbug::OnInitDialog()
{
    dialogs.Create(Handle(), *this);
    SendMessageA(Item(IDC_DEBUG_STATUS), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    InsertPaneTabs(kPanes, kTabs);
    for (int i = 0; i < kCommandButtons; ++i)
        buttons[i].Attach(Handle(), kButtonIds[i], this);
    FillCombo(Item(kSimpleCombo), kSimpleCommands, static_cast<int>(sizeof kSimpleCommands / sizeof *kSimpleCommands));
    FillCombo(Item(kOptionCombo), kOptionCommands, static_cast<int>(sizeof kOptionCommands / sizeof *kOptionCommands));
    const BOOL result = ZRunPage::OnInitDialog();
    ShowSelectedPane();
    EnableRunControls(0);
    return result;
}

INT_PTR ZSheetPgDbug::OnTabChange(WPARAM, LPARAM)
{
    ShowSelectedPane();
    return 0;
}

INT_PTR ZSheetPgDbug::OnStop(WPARAM, LPARAM)
{
    Runner().StopDebugger();
    return 0;
}

void ZSheetPgDbug::EnableRunControls(int on)
{
    ZRunPage::EnableRunControls(on);
    for (ZCmdButton& button : buttons)
        button.Enable(on != 0);
    for (int id : kCommandRow)
        EnableWindow(Item(id), on ? TRUE : FALSE);
}

void ZSheetPgDbug::Reset()
{
    SetStatus("");
    ClearPanes();
    stopInFirstUse = 1;
    watchFirstUse = 1;
}

void ZSheetPgDbug::StartRun(const char* classFile, int isApplication)
{
    Reset();
    SetStatus(kStartFinding);
    const XString jdb = FindJavaToolExe("\\bin\\jdb.exe", 1, 0);
    if (jdb.IsEmpty() || !FileFound(jdb.Data())) {
        SetStatus(kNoJdb);
        return;
    }
    XString display;
    XString runText;
    XString error;
    if (!PrepareClassRun(sheet.Info(), target, optionsSource, QuotedTool(jdb), classFile, isApplication, display,
                         runText, error)) {
        SetStatus(error.Data());
        return;
    }
    CommandPane().ReplaceAll(display.Data());
    Runner().StopDebugger();
    Runner().Wait(kRestartWaitMs);
    Runner().StartDebugger(runText.Data());
}

void ZSheetPgDbug::SendCommand(const char* command)
{
    if (Button(Item(kClearMessage)).GetCheck() == BST_CHECKED)
        AppendOut(kDebugStartRule, 0);
    AppendOut(DebugCommandEcho(command).Data(), 1);
    XString line(command);
    line.AppendChar('\n');
    // A debugger that has stopped reading must not hold the window: the
    // pipe takes what fits and the pane says what did not go.
    const int sent = Runner().WriteInputNoWait(line.Data());
    if (sent == 0)
        AppendOut(kUndelivered, 1);
    else if (sent > 0 && sent < line.Length())
        AppendOut(kPartlyDelivered, 1);
}

void ZSheetPgDbug::OpenDialog(ZDebugDialog::Kind kind, int* firstUse)
{
    ZDebugDialog* dialog = dialogs.Get(kind);
    if (!dialog)
        return;
    dialog->Show(target, firstUse ? *firstUse : 0);
    if (firstUse)
        *firstUse = 0;
}

void ZSheetPgDbug::OnCommandButton(const char* caption)
{
    if (std::strcmp(caption, "stop in") == 0)
        OpenDialog(ZDebugDialog::kStopIn, &stopInFirstUse);
    else if (std::strcmp(caption, "stop at") == 0)
        OpenDialog(ZDebugDialog::kStopAt, nullptr);
    else if (std::strcmp(caption, "un-watch") == 0)
        OpenDialog(ZDebugDialog::kWatch, &watchFirstUse);
    else if (std::strcmp(caption, "class") == 0)
        OpenDialog(ZDebugDialog::kClass, nullptr);
    else
        SendCommand(caption);
}

INT_PTR ZSheetPgDbug::OnSendSimple(WPARAM, LPARAM)
{
    SendCommand(WindowText(Item(kSimpleCombo)).Data());
    return 0;
}

INT_PTR ZSheetPgDbug::OnSendOption(WPARAM, LPARAM)
{
    SendCommand(WindowText(Item(kOptionCombo)).Data());
    return 0;
}

INT_PTR ZSheetPgDbug::OnSendUser(WPARAM, LPARAM)
{
    const XString text = TrimBlanks(WindowText(Item(kUserCombo)).Data());
    if (text.IsEmpty())
        return 0;
    SendCommand(text.Data());
    SetWindowTextA(Item(kUserCombo), text.Data());
    ComboPushHistory(Item(kUserCombo));
    return 0;
}

INT_PTR ZSheetPgDbug::OnUserSelect(WPARAM, LPARAM)
{
    const ComboBox box(Item(kUserCombo));
    const int selected = box.GetCurSel();
    if (selected <= 0)
        return 0;
    const XString text = box.GetItemText(selected);
    box.InsertString(0, text.Data());
    box.SetCurSel(0);
    box.DeleteString(selected + 1);
    return 0;
}

void ZSheetPgDbug::ShareClassHistory(HWND classCombo)
{
    ComboPushHistory(classCombo);
    const ComboBox from(classCombo);
    if (from.GetCount() < 1)
        return;
    const XString top = from.GetItemText(0);
    for (int i = 0; i < ZDebugDialog::kKinds; ++i) {
        ZDebugDialog* dialog = dialogs.Get(static_cast<ZDebugDialog::Kind>(i));
        if (dialog && dialog->ClassCombo() != classCombo)
            ComboPushText(dialog->ClassCombo(), top.Data());
    }
}

void ZSheetPgDbug::LoadSettings(ZSettings& settings)
{
    Button(Item(kClearMessage)).SetCheck((settings.GetDebugBools() & 1) ? BST_CHECKED : BST_UNCHECKED);
    settings.LoadDebugCommands(Item(kUserCombo));
    for (int i = 0; i < ZDebugDialog::kKinds; ++i) {
        if (ZDebugDialog* dialog = dialogs.Get(static_cast<ZDebugDialog::Kind>(i)))
            dialog->LoadSettings(settings);
    }
}

void ZSheetPgDbug::SaveSettings(ZSettings& settings)
{
    settings.SetDebugBools(Button(Item(kClearMessage)).GetCheck() == BST_CHECKED);
    settings.SaveDebugCommands(Item(kUserCombo));
    for (int i = 0; i < ZDebugDialog::kKinds; ++i) {
        if (ZDebugDialog* dialog = dialogs.Get(static_cast<ZDebugDialog::Kind>(i)))
            dialog->SaveSettings(settings);
    }
}

void ZSheetPgDbug::Layout()
{
    RECT area;
    GetClientRect(Handle(), &area);
    InflateRect(&area, -kInset, -kInset);
    const int rowHeight = HeightOf(Item(IDC_DEBUG_STOP));
    MoveWindow(Item(IDC_DEBUG_STOP), area.right - kColumnWidth, area.top, kColumnWidth, rowHeight, TRUE);
    MoveWindow(Item(IDC_DEBUG_STATUS), area.left, area.top, area.right - kColumnWidth - 10 - area.left, rowHeight,
               TRUE);

    const int top = area.top + rowHeight + 10;
    const int tabsRight = area.right - 130;
    HWND tabs = Item(IDC_RUN_TABS);
    MoveWindow(tabs, area.left, top, tabsRight - area.left, area.bottom - top, TRUE);
    RECT first = {};
    SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const RECT panes = {area.left + kInset, top + (first.bottom - first.top) + kInset, tabsRight - kInset,
                        area.bottom - kInset};
    for (int id : kPanes)
        MoveWindow(Item(id), panes.left, panes.top, panes.right - panes.left, panes.bottom - panes.top, TRUE);

    const int left = area.right - kColumnWidth;
    const int middle = left + kColumnWidth / 2;
    const int buttonHeight = HeightOf(Item(kRunButton));
    int y = top;
    for (int i = 0; i < kCommandButtons; ++i) {
        if (i == kCommandButtons - 4)
            y += 8;
        if (i % 2 == 0)
            MoveWindow(Item(kButtonIds[i]), left, y, middle - 2 - left, buttonHeight, TRUE);
        else
            MoveWindow(Item(kButtonIds[i]), middle + 2, y, area.right - middle - 2, buttonHeight, TRUE);
        if (i % 2 == 1)
            y += buttonHeight + 2;
    }
    y += 4 - 2;
    for (int i = 0; i < static_cast<int>(sizeof kCommandRow / sizeof *kCommandRow); ++i) {
        if (kRowIsLabel[i])
            MoveWindow(Item(kCommandRow[i]), left, y + 4, kColumnWidth, buttonHeight - 8, TRUE);
        else if (kRowIsSend[i])
            MoveWindow(Item(kCommandRow[i]), left + 2, y, kColumnWidth - 4, buttonHeight, TRUE);
        else
            MoveWindow(Item(kCommandRow[i]), left, y, kColumnWidth, buttonHeight + 150, TRUE);
        y += buttonHeight + 2;
    }
    MoveWindow(Item(kClearMessage), left, y + 4 - 2, kColumnWidth, buttonHeight, TRUE);
}
