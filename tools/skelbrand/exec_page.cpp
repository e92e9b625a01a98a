#include "exec_page.h"

#include <commctrl.h>
#include <htmlhelp.h>

#include <cstdio>
#include <cstring>

#include "class_run.h"
#include "combo_history.h"
#include "command_parts.h"
#include "controls.h"
#include "java_home.h"
#include "page_layout.h"
#include "rich_edit.h"
#include "seams.h"
#include "sheet.h"
#include "stdin_text.h"
#include "tool_page_ids.h"
#include "window_text.h"

const char ZSheetPgExec::kNoJavaw[] = "Error to find Javaw.exe";
const char ZSheetPgExec::kStartFinding[] = "Start finding ...";

namespace {

constexpr int kInset = 8;
constexpr int kGap = 5;
constexpr int kSuffixDrop = 200;
constexpr DWORD kRestartWaitMs = 2000;
const char kNoSuffix[] = "none";
const char kNothingToSend[] = "Please input text for sending to Java program";
const char kHelpTopic[] = "\\quenlow.chm::\\html\\feature\\explorer\\executedebug\\07execute.htm";
const int kPanes[] = {IDC_RUN_ERR_PANE, IDC_RUN_OUT_PANE, IDC_RUN_COMMAND_PANE};
const char* const kTabs[] = {"err stream", "out stream", "command"};
const int kInputControls[] = {IDC_EXEC_SEND, IDC_EXEC_INPUT, IDC_EXEC_ESCAPES, IDC_EXEC_SUFFIX};

bool FileFound(const char* path)
{
    WIN32_FIND_DATAA data;
    HANDLE found = FindFirstFileA(path, &data);
    if (found == INVALID_HANDLE_VALUE)
        return false;
    FindClose(found);
    return true;
}

}  // namespace

ZSheetPgExec::ZSheetPgExec(ZSheet& owner, DebugTarget& debugTarget, RunOptionsSource& options)
    : ZRunPage(IDD_PAGE_RUN, owner, {IDC_EXEC_STATUS, IDC_EXEC_STOP}), target(debugTarget), optionsSource(options)
{
}

RouteTable ZSheetPgExec::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_EXEC_STOP, &ZSheetPgExec::OnStop),
        OnCommand(BN_CLICKED, IDC_EXEC_SEND, &ZSheetPgExec::OnSend),
        OnNotify(TCN_SELCHANGE, IDC_RUN_TABS, &ZSheetPgExec::OnTabChange),
    };
    return Table(routes);
}

BOOL ZSheetPgExec::OnInitDialog()
{
    InsertPaneTabs(kPanes, kTabs);
    const BOOL result = ZRunPage::OnInitDialog();
    EnableRunControls(0);
    ShowSelectedPane();
    return result;
}

INT_PTR ZSheetPgExec::OnTabChange(WPARAM, LPARAM)
{
    ShowSelectedPane();
    return 0;
}

INT_PTR ZSheetPgExec::OnStop(WPARAM, LPARAM)
{
    Runner().Stop();
    return 0;
}

void ZSheetPgExec::EnableRunControls(int on)
{
    ZRunPage::EnableRunControls(on);
    for (int id : kInputControls)
        EnableWindow(Item(id), on ? TRUE : FALSE);
}

void ZSheetPgExec::Reset()
{
    EndRun();
    SetStatus("");
    ClearPanes();
}

void ZSheetPgExec::StartRun(const char* classFile, int isApplication)
{
    Reset();
    SetStatus(kStartFinding);
    const XString javaw = FindJavawExe(0);
    if (!FileFound(javaw.Data())) {
        SetStatus(kNoJavaw);
        return;
    }
    XString display;
    XString runText;
    XString error;
    if (!PrepareClassRun(sheet.Info(), target, optionsSource, QuotedTool(javaw), classFile, isApplication, display,
                         runText, error)) {
        SetStatus(error.Data());
        return;
    }
    CommandPane().ReplaceAll(display.Data());
    Restart(runText);
}

void ZSheetPgExec::Restart(const XString& runText)
{
    Runner().Stop();
    Runner().Wait(kRestartWaitMs);
    Runner().StartProgram(runText.Data());
}

void ZSheetPgExec::ReportBadEscape(int firstCombo)
{
    XString text("Wrong \\u string in ");
    text.Append(firstCombo ? "first combo box\n" : "second combo box\n");
    text.Append("please fix it.\n\nDo you need help?");
    if (seams::ShowMessage(Handle(), text.Data(), "Message", MB_YESNO) == IDYES) {
        XString topic = ToolRootFolder();
        topic.Append(kHelpTopic);
        seams::OpenHelp(Handle(), topic.Data(), HH_DISPLAY_TOPIC, 0);
    }
}

INT_PTR ZSheetPgExec::OnSend(WPARAM, LPARAM)
{
    const XString text = WindowText(Item(IDC_EXEC_INPUT));
    const XString suffix = WindowText(Item(IDC_EXEC_SUFFIX));
    const int decode = Button(Item(IDC_EXEC_ESCAPES)).GetCheck() == BST_CHECKED;
    XString bytes;
    switch (DecodeSendBytes(text.Data(), suffix.Data(), decode, bytes)) {
    case SendDecode::NothingToSend:
        seams::ShowMessage(Handle(), kNothingToSend, "Message", MB_OK);
        return 0;
    case SendDecode::BadSuffix:
        ReportBadEscape(0);
        return 0;
    case SendDecode::BadText:
        ReportBadEscape(1);
        return 0;
    case SendDecode::Ok:
        break;
    }
    // A program that does not read its input must not hold the window or
    // Stop: the pipe takes what fits and the pane says what did not go.
    const int sent = Runner().WriteInputNoWait(bytes.Data());
    if (sent < 0)
        return 0;
    if (sent < bytes.Length()) {
        char note[128];
        std::snprintf(note, sizeof note,
                      "\n(the program is not reading its input: %d of %d bytes were not delivered)\n",
                      bytes.Length() - sent, bytes.Length());
        AppendOut(note, 1);
    }
    if (sent == 0)
        return 0;
    ComboPushHistory(Item(IDC_EXEC_INPUT));
    ComboPushHistory(Item(IDC_EXEC_SUFFIX));
    return 0;
}

void ZSheetPgExec::LoadSettings(ZSettings& settings)
{
    Button(Item(IDC_EXEC_ESCAPES)).SetCheck((settings.GetExecBools() & 1) ? BST_CHECKED : BST_UNCHECKED);
    settings.LoadStdinHistory(Item(IDC_EXEC_INPUT));
    settings.LoadSuffixHistory(Item(IDC_EXEC_SUFFIX));
    const ComboBox suffix(Item(IDC_EXEC_SUFFIX));
    for (int i = 0; i < suffix.GetCount(); ++i) {
        if (std::strcmp(suffix.GetItemText(i).Data(), kNoSuffix) == 0)
            return;
    }
    suffix.InsertString(0, kNoSuffix);
    suffix.SetCurSel(0);
}

void ZSheetPgExec::SaveSettings(ZSettings& settings)
{
    settings.SetExecBools(Button(Item(IDC_EXEC_ESCAPES)).GetCheck() == BST_CHECKED);
    settings.SaveStdinHistory(Item(IDC_EXEC_INPUT));
    settings.SaveSuffixHistory(Item(IDC_EXEC_SUFFIX));
}

void ZSheetPgExec::Layout()
{
    RECT area;
    GetClientRect(Handle(), &area);
    InflateRect(&area, -kInset, -kInset);
    const SIZE stop = SizeOf(Item(IDC_EXEC_STOP));
    const SIZE send = SizeOf(Item(IDC_EXEC_SEND));
    const int rowHeight = stop.cy;
    MoveWindow(Item(IDC_EXEC_STOP), area.right - send.cx, area.top, send.cx, rowHeight, TRUE);
    MoveWindow(Item(IDC_EXEC_STATUS), area.left, area.top, area.right - send.cx - kGap - area.left, rowHeight, TRUE);

    const int row2 = area.top + rowHeight + kGap;
    const SIZE check = SizeOf(Item(IDC_EXEC_ESCAPES));
    const SIZE plus = SizeOf(Item(IDC_EXEC_PLUS));
    const SIZE suffix = SizeOf(Item(IDC_EXEC_SUFFIX));
    MoveWindow(Item(IDC_EXEC_ESCAPES), area.left, row2, check.cx, rowHeight, TRUE);
    const int inputLeft = area.left + check.cx + kGap;
    const int inputRight = area.right - plus.cx - suffix.cx - send.cx - 15;
    MoveWindow(Item(IDC_EXEC_INPUT), inputLeft, row2, inputRight - inputLeft, kSuffixDrop, TRUE);
    const int plusLeft = inputRight + 8;
    MoveWindow(Item(IDC_EXEC_PLUS), plusLeft, row2 + 2, plus.cx, plus.cy, TRUE);
    const int suffixLeft = plusLeft + plus.cx + 2;
    MoveWindow(Item(IDC_EXEC_SUFFIX), suffixLeft, row2, suffix.cx, kSuffixDrop, TRUE);
    const int sendLeft = suffixLeft + suffix.cx + kGap;
    MoveWindow(Item(IDC_EXEC_SEND), sendLeft, row2, area.right - sendLeft, rowHeight, TRUE);

    const int tabsTop = row2 + rowHeight + 10;
    PlaceTabbedPanes(Item(IDC_RUN_TABS), {area.left, tabsTop, area.right, area.bottom}, kPanes, 3, kInset);
}
