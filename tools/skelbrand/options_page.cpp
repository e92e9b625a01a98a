#include "options_page.h"

#include <initializer_list>

#include "combo_history.h"
#include "controls.h"
#include "page_layout.h"
#include "rich_edit.h"
#include "run_options.h"
#include "seams.h"
#include "sheet.h"
#include "tool_page_ids.h"
#include "window_place.h"
#include "window_text.h"

namespace {

enum OptionIds {
    kClient = 1011,
    kServer = 1014,
    kVerbose = 1010,
    kUserCommand = 1027,
    kWidth = 1041,
    kHeight = 1042,
    kClasspathNote = 1012,
    kUserCommandLabel = 1023,
    kAppletGroup = 1025,
};

constexpr int kInset = 8;

const char kUserCommandBreak = '\xBB';
const char kCanNotSaveNow[] = "Error:\ncan not save it now,\nplease try again.";
const char kClasspathNoteText[] =
    "Options about classpaths are on main program of Quenlow\n"
    "please select System, User and Sibling classpaths from main program";

void ShowMessage(HWND owner, const char* text)
{
    seams::ShowMessage(owner, text, "Message", MB_OK);
}

}  // namespace

const ZSheetPgOptn::NamedSet ZSheetPgOptn::kArgs = {1044, 1045, 1049, 1053, 1043, 1050, 1};
const ZSheetPgOptn::NamedSet ZSheetPgOptn::kParams = {1047, 1048, 1052, 1054, 1046, 1051, 0};

ZSheetPgOptn::ZSheetPgOptn(ZSheet& owner) : ZSheetPage(IDD_PAGE_OPTIONS, owner) {}

RouteTable ZSheetPgOptn::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, kArgs.unused, &ZSheetPgOptn::OnUnused),
        OnCommand(BN_CLICKED, kParams.unused, &ZSheetPgOptn::OnUnused),
        OnCommand(BN_CLICKED, kArgs.save, &ZSheetPgOptn::OnSave),
        OnCommand(BN_CLICKED, kParams.save, &ZSheetPgOptn::OnSave),
        OnCommand(CBN_SELCHANGE, kArgs.combo, &ZSheetPgOptn::OnRecall),
        OnCommand(CBN_SELCHANGE, kParams.combo, &ZSheetPgOptn::OnRecall),
        OnCommand(BN_CLICKED, kClasspathNote, &ZSheetPgOptn::OnClasspathNote),
    };
    return Table(routes);
}

BOOL ZSheetPgOptn::OnInitDialog()
{
    for (int id : {static_cast<int>(kUserCommand), kArgs.edit, kParams.edit})
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    return ZSheetPage::OnInitDialog();
}

void ZSheetPgOptn::Exchange(DataExchange& dx)
{
    dx.Check(kClient, client);
    dx.Check(kServer, server);
    dx.Check(kVerbose, verbose);
    dx.Check(kArgs.unused, noArgs);
    dx.Check(kParams.unused, noParams);
    if (dx.Saving()) {
        width = static_cast<int>(GetDlgItemInt(Handle(), kWidth, nullptr, FALSE));
        height = static_cast<int>(GetDlgItemInt(Handle(), kHeight, nullptr, FALSE));
    } else {
        SetDlgItemInt(Handle(), kWidth, static_cast<UINT>(width), FALSE);
        SetDlgItemInt(Handle(), kHeight, static_cast<UINT>(height), FALSE);
    }
}

void ZSheetPgOptn::GetRunOptions(RunOptions& options)
{
    UpdateData(true);
    options.client = client == BST_CHECKED;
    options.server = server == BST_CHECKED;
    options.verbose = verbose == BST_CHECKED;
    options.userCommand = WindowText(Item(kUserCommand));
    options.arguments = noArgs == BST_CHECKED ? XString() : ArgumentsLine(WindowText(Item(kArgs.edit)).Data());
    options.appletParameters =
        noParams == BST_CHECKED ? XString() : ParametersText(WindowText(Item(kParams.edit)).Data());
    options.appletWidth = width;
    options.appletHeight = height;
}

void ZSheetPgOptn::LoadSettings(ZSettings& settings)
{
    int flags[5] = {};
    settings.GetOptionBools(flags);
    client = flags[0] ? BST_CHECKED : BST_UNCHECKED;
    server = flags[1] ? BST_CHECKED : BST_UNCHECKED;
    verbose = flags[2] ? BST_CHECKED : BST_UNCHECKED;
    noArgs = flags[3] ? BST_CHECKED : BST_UNCHECKED;
    noParams = flags[4] ? BST_CHECKED : BST_UNCHECKED;
    settings.GetAppletSize(&width, &height);
    UpdateData(false);
    XString command;
    settings.GetUserCmd(command);
    command.Replace("\xBB", "\r\n");
    RichEditReplaceAll(Item(kUserCommand), command.Data());
    for (const NamedSet* set : {&kArgs, &kParams}) {
        HWND combo = Item(set->combo);
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        if (settings.LoadNames(combo, set->args) > 0) {
            XString content;
            settings.ReadNamed(ComboBox(combo).GetItemText(0).Data(), content, set->args);
            content.Replace("\n", "\r\n");
            RichEditReplaceAll(Item(set->edit), content.Data());
        }
        ApplyUnused(*set);
    }
}

void ZSheetPgOptn::SaveSettings(ZSettings& settings)
{
    UpdateData(true);
    const int flags[5] = {client == BST_CHECKED, server == BST_CHECKED, verbose == BST_CHECKED,
                          noArgs == BST_CHECKED, noParams == BST_CHECKED};
    settings.SetOptionBools(flags);
    settings.SetAppletSize(width, height);
    XString command = WindowText(Item(kUserCommand));
    command.Replace("\r\n", "\n");
    command.ReplaceChar('\n', kUserCommandBreak);
    settings.SetUserCmd(command.Data());
}

void ZSheetPgOptn::ApplyUnused(const NamedSet& set)
{
    const BOOL use = Button(Item(set.unused)).GetCheck() != BST_CHECKED;
    EnableWindow(Item(set.combo), use);
    EnableWindow(Item(set.edit), use);
    EnableWindow(Item(set.save), use);
    SendMessageA(Item(set.edit), EM_SETREADONLY, use ? FALSE : TRUE, 0);
}

void ZSheetPgOptn::SaveNamed(const NamedSet& set)
{
    const XString name = TrimBlanks(WindowText(Item(set.combo)).Data());
    const XString content = WindowText(Item(set.edit));
    XString message;
    if (const char* refusal = NamedSetRefusal(name.Data(), content.Data(), message)) {
        ShowMessage(Handle(), refusal);
        return;
    }
    ZSettings settings(sheet.Kind());
    if (!settings.OpenExisting()) {
        ShowMessage(Handle(), kCanNotSaveNow);
        return;
    }
    // A set longer than the settings line (name and content) is refused
    // whole rather than cut.
    if (const char* refusal = NamedSaveRefusal(settings.WriteNamed(name.Data(), content.Data(), set.args))) {
        ShowMessage(Handle(), refusal);
        return;
    }
    ComboPushText(Item(set.combo), name.Data());
}

void ZSheetPgOptn::RecallNamed(const NamedSet& set)
{
    const ComboBox combo(Item(set.combo));
    const int selected = combo.GetCurSel();
    if (selected < 0)
        return;
    ComboPushText(Item(set.combo), combo.GetItemText(selected).Data());
    ZSettings settings(sheet.Kind());
    if (!settings.OpenExisting())
        return;
    XString content;
    settings.ReadNamed(combo.GetItemText(0).Data(), content, set.args);
    content.Replace("\n", "\r\n");
    RichEditReplaceAll(Item(set.edit), content.Data());
}

const ZSheetPgOptn::NamedSet& ZSheetPgOptn::SetOf(WPARAM wParam)
{
    const int id = LOWORD(wParam);
    return id == kArgs.unused || id == kArgs.save || id == kArgs.combo ? kArgs : kParams;
}

INT_PTR ZSheetPgOptn::OnUnused(WPARAM wParam, LPARAM)
{
    ApplyUnused(SetOf(wParam));
    return 0;
}

INT_PTR ZSheetPgOptn::OnSave(WPARAM wParam, LPARAM)
{
    SaveNamed(SetOf(wParam));
    return 0;
}

INT_PTR ZSheetPgOptn::OnRecall(WPARAM wParam, LPARAM)
{
    RecallNamed(SetOf(wParam));
    return 0;
}

INT_PTR ZSheetPgOptn::OnClasspathNote(WPARAM, LPARAM)
{
    ShowMessage(Handle(), kClasspathNoteText);
    return 0;
}

void ZSheetPgOptn::Layout()
{
    const RECT area = InsetClient(Handle(), kInset);
    const RECT label = PlaceInParent(Item(kUserCommandLabel));
    const RECT applet = PlaceInParent(Item(kAppletGroup));
    PlaceAt(Item(kUserCommand), {label.left, label.bottom + 2, area.right, applet.bottom});

    // Below, a row as high as the template's arguments block: two fifths of
    // the width for the arguments, the rest for the parameters.
    const int top = applet.bottom + 10;
    const int bottom = top + SizeOf(Item(kArgs.group)).cy;
    const int split = area.left + (area.right - area.left) * 2 / 5;
    PlaceNamedSet(kArgs, {area.left, top, split - 5, bottom});
    PlaceNamedSet(kParams, {split, top, area.right, bottom});
}

void ZSheetPgOptn::PlaceNamedSet(const NamedSet& set, const RECT& block)
{
    PlaceAt(Item(set.group), block);
    const RECT inner = {block.left + 20, block.top + 6, block.right - 20, block.bottom - 6};
    const int innerHeight = inner.bottom - inner.top;
    const int nameTop = inner.top + 20;
    PlaceAt(Item(set.label), {inner.left, nameTop, inner.left + 30, nameTop + 18});
    // The combo's height is that of its open list.
    PlaceAt(Item(set.combo), {inner.left + 35, nameTop, inner.right, nameTop + 200});
    const int editTop = inner.top + 48;
    PlaceAt(Item(set.edit), {inner.left, editTop, inner.right, editTop + innerHeight - 78});
    PlaceAt(Item(set.save), {inner.right - 60, inner.bottom - 22, inner.right, inner.bottom});
    PlaceAt(Item(set.unused), {inner.left, inner.bottom - 22, inner.right - 70, inner.bottom});
}
