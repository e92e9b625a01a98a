#include "page_options.h"

#include <htmlhelp.h>

#include <cstring>
#include <vector>

#include "browse_folder.h"
#include "combo_history.h"
#include "inside_info.h"
#include "page_layout.h"
#include "seams.h"
#include "sheet.h"
#include "tool_page_ids.h"
#include "window_place.h"
#include "window_text.h"

namespace {

constexpr int kG = 1007;
constexpr int kDeprecation = 1008;
constexpr int kNowarn = 1009;
constexpr int kVerbose = 1010;
constexpr int kTarget = 1011;
constexpr int kUserCommand = 1027;
constexpr int kNoUserCommand = 1016;
constexpr int kOutputFirst = 1035;
constexpr int kOutputSecond = 1036;
constexpr int kOutputThird = 1037;
constexpr int kFolderCombo = 1134;
constexpr int kDelete = 1136;
constexpr int kBrowse = 1133;
constexpr int kConfirm = 1015;
constexpr int kCreate = 1014;
constexpr int kStyleFirst = 1019;
constexpr int kAutoStyle = 1028;
constexpr int kClassPathHelp = 1012;
constexpr int kOutputHelp = 1137;
constexpr int kUserCommandLabel = 1023;
constexpr int kStandardGroup = 1024;
constexpr int kOutputGroup = 1025;
constexpr int kStyleGroup = 1022;

constexpr int kInset = 8;
const char kOutputHelpTopic[] = "\\quenlow.chm::\\html\\feature\\explorer\\06compile.htm#output_option";

constexpr char kStoredLineEnd = '\xBB';

XString Trimmed(const XString& text)
{
    const char* begin = text.Data();
    const char* end = begin + text.Length();
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    return XString(begin, static_cast<int>(end - begin));
}

int Message(HWND owner, const char* text, UINT type = MB_OK)
{
    return seams::ShowMessage(owner, text, "Message", type);
}

// Plain ASCII without control characters but tabs (the user command's
// stored line ends aside), not too long: such a text comes back from an
// edit, a combo box or a rich edit as it went in. Anything else (a lone CR,
// which the rich edit turns into a line end, bytes the code page may turn
// into others) takes the page's controls to come out as they would save it.
bool ComesBackUnchanged(const XString& text, char lineEnd)
{
    constexpr int kLongest = 4096;
    if (text.Length() > kLongest)
        return false;
    for (int i = 0; i < text.Length(); ++i) {
        const char c = text[i];
        if (c != lineEnd && c != '\t' && (c < 0x20 || c > 0x7E))
            return false;
    }
    return true;
}

}  // namespace

int CreateFolderLevels(const char* folder)
{
    const char* slash = std::strchr(folder, '\\');
    XString first(folder, slash ? static_cast<int>(slash - folder) : -1);
    first.Append("\\*.*");
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(first.Data(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(find);
    while (slash) {
        const char* next = std::strchr(slash + 1, '\\');
        const XString prefix(folder, next ? static_cast<int>(next - folder) : -1);
        slash = next;
        if (prefix.IsEmpty() || prefix.LastChar() == '\\')
            continue;
        const PathKind kind = ProbePath(prefix.Data());
        if (kind == PathKind::File)
            return 0;
        if (kind == PathKind::Missing && !CreateDirectoryA(prefix.Data(), nullptr))
            return 0;
    }
    return ProbePath(folder) == PathKind::Folder;
}

ZSheetPgOptn::ZSheetPgOptn(ZSheet& owner) : ZSheetPage(IDD_PAGE_OPTIONS, owner) {}

RouteTable ZSheetPgOptn::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, kOutputFirst, &ZSheetPgOptn::OnOutputChoice),
        OnCommand(BN_CLICKED, kOutputSecond, &ZSheetPgOptn::OnOutputChoice),
        OnCommand(BN_CLICKED, kOutputThird, &ZSheetPgOptn::OnOutputChoice),
        OnCommand(BN_CLICKED, kNoUserCommand, &ZSheetPgOptn::OnNoUserCommand),
        OnCommand(BN_CLICKED, kConfirm, &ZSheetPgOptn::OnConfirm),
        OnCommand(BN_CLICKED, kCreate, &ZSheetPgOptn::OnCreate),
        OnCommand(BN_CLICKED, kDelete, &ZSheetPgOptn::OnDelete),
        OnCommand(BN_CLICKED, kBrowse, &ZSheetPgOptn::OnBrowse),
        OnCommand(CBN_SELCHANGE, kFolderCombo, &ZSheetPgOptn::OnHistoryPick),
        OnCommand(BN_CLICKED, kClassPathHelp, &ZSheetPgOptn::OnClassPathHelp),
        OnCommand(BN_CLICKED, kOutputHelp, &ZSheetPgOptn::OnOutputHelp),
    };
    return Table(routes);
}

BOOL ZSheetPgOptn::OnInitDialog()
{
    SendMessageA(Item(kUserCommand), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    outputHelp.Attach(Handle(), kOutputHelp, IDB_OUTPUT_HELP_NORMAL, IDB_OUTPUT_HELP_PRESSED, 0,
                      IDB_OUTPUT_HELP_DISABLED);
    browse.Attach(Handle(), kBrowse, IDB_BROWSE_NORMAL, IDB_BROWSE_PRESSED, 0, IDB_BROWSE_DISABLED);
    remove.Attach(Handle(), kDelete, IDB_REMOVE_NORMAL, IDB_REMOVE_PRESSED, 0, IDB_REMOVE_DISABLED);
    const BOOL result = ZSheetPage::OnInitDialog();
    ShowLoaded();
    EnableStates();
    return result;
}

void ZSheetPgOptn::ShowLoaded()
{
    HWND combo = Item(kFolderCombo);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < history.Count(); ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(history.At(i)->Data()));
    if (history.Count() > 0)
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetWindowTextA(Item(kUserCommand), userCommand.Data());
    // From now on the controls hold them.
    history.RemoveAll();
    userCommand.Assign("", 0);
}

void ZSheetPgOptn::Exchange(DataExchange& dx)
{
    dx.Check(kG, g);
    dx.Check(kDeprecation, deprecation);
    dx.Check(kNowarn, nowarn);
    dx.Check(kVerbose, verbose);
    dx.Check(kNoUserCommand, noUserCommand);
    dx.Check(kAutoStyle, autoStyle);
    dx.Text(kTarget, target);
    dx.Radio(kStyleFirst, style);
    dx.Radio(kOutputFirst, output);
}

void ZSheetPgOptn::EnableStates()
{
    const BOOL toFolder = output == kOutputFolder ? TRUE : FALSE;
    for (int id : {kFolderCombo, kBrowse, kDelete, kConfirm, kCreate})
        EnableWindow(Item(id), toFolder);
    EnableWindow(Item(kUserCommand), noUserCommand ? FALSE : TRUE);
}

void ZSheetPgOptn::GetCompileOptions(CompileOptions& options)
{
    const bool shown = Handle() != nullptr;
    if (shown)
        UpdateData(true);
    options.output = output < 0 ? kOutputLocal : output;
    // A combo box shows its first entry once loaded.
    options.outputFolder = Trimmed(shown ? WindowText(Item(kFolderCombo)) : history.GetAt(0));
    options.g = g;
    options.deprecation = deprecation;
    options.nowarn = nowarn;
    options.verbose = verbose;
    options.autoStyle = autoStyle;
    options.noUserCommand = noUserCommand;
    options.style = style < 0 ? kCompileWhole : style;
    options.target = Trimmed(target);
    options.userCommand = shown ? WindowText(Item(kUserCommand)) : userCommand;
}

void ZSheetPgOptn::LoadSettings(ZSettings& settings)
{
    int flags[6] = {1, 0, 0, 0, 1, 1};
    settings.GetOptionBools(flags);
    g = flags[0];
    deprecation = flags[1];
    nowarn = flags[2];
    verbose = flags[3];
    noUserCommand = flags[4];
    autoStyle = flags[5];
    history.RemoveAll();
    settings.LoadMainHistory(history);
    settings.GetTarget(target);
    settings.GetOptionInts(&style, &output);
    // A stored choice outside the three buttons would check none of them.
    if (output < kOutputLocal || output > kOutputFolder)
        output = kOutputLocal;
    XString command;
    settings.GetUserCmd(command);
    loadedAsShown = ComesBackUnchanged(command, kStoredLineEnd) && ComesBackUnchanged(target, 0);
    for (int i = 0; i < history.Count(); ++i)
        loadedAsShown = loadedAsShown && ComesBackUnchanged(*history.At(i), 0);
    command.ReplaceChar(kStoredLineEnd, '\n');
    command.Replace("\n", "\r\n");
    userCommand = command;
    if (!Handle())
        return;
    UpdateData(false);
    ShowLoaded();
    EnableStates();
}

void ZSheetPgOptn::SaveSettings(ZSettings& settings)
{
    // Never shown, the page holds what it loaded, each value as its control
    // would give it back (the history's first entry, shown in the combo's
    // edit field, is already at the top).
    const bool shown = Handle() != nullptr;
    if (shown) {
        UpdateData(true);
        PushHistory(WindowText(Item(kFolderCombo)).Data());
    }
    const int flags[6] = {g, deprecation, nowarn, verbose, noUserCommand, autoStyle};
    settings.SetOptionBools(flags);
    if (shown)
        settings.SaveMainHistory(Item(kFolderCombo));
    else
        settings.SaveMainHistory(history);
    settings.SetTarget(target.Data());
    settings.SetOptionInts(style < 0 ? 0 : style, output < 0 ? 0 : output);
    XString command = shown ? WindowText(Item(kUserCommand)) : userCommand;
    command.Replace("\r\n", "\n");
    command.ReplaceChar('\r', '\n');
    command.ReplaceChar('\n', kStoredLineEnd);
    settings.SetUserCmd(command.Data());
}

void ZSheetPgOptn::PushHistory(const char* text)
{
    HWND combo = Item(kFolderCombo);
    const XString entry(text);
    if (entry.IsEmpty())
        return;
    const LRESULT found = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(entry.Data()));
    if (found != CB_ERR)
        SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(found), 0);
    SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(entry.Data()));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

INT_PTR ZSheetPgOptn::OnOutputChoice(WPARAM, LPARAM)
{
    UpdateData(true);
    EnableStates();
    return 0;
}

INT_PTR ZSheetPgOptn::OnNoUserCommand(WPARAM, LPARAM)
{
    UpdateData(true);
    EnableStates();
    return 0;
}

int ZSheetPgOptn::FolderText(XString& folder)
{
    folder = Trimmed(WindowText(Item(kFolderCombo)));
    if (!folder.IsEmpty())
        return 1;
    Message(Handle(), "Empty can not be an output directory");
    return 0;
}

INT_PTR ZSheetPgOptn::OnConfirm(WPARAM, LPARAM)
{
    XString folder;
    if (!FolderText(folder))
        return 0;
    const PathKind kind = ProbePath(folder.Data());
    Message(Handle(), kind == PathKind::Missing  ? "The output directory does not exist"
                      : kind == PathKind::Folder ? "The output directory exists"
                                                 : "The output directory is a file actually");
    return 0;
}

int ZSheetPgOptn::CreateOutputFolder()
{
    XString folder;
    if (!FolderText(folder))
        return 0;
    const PathKind kind = ProbePath(folder.Data());
    if (kind != PathKind::Missing) {
        Message(Handle(), kind == PathKind::Folder ? "The output directory exists already"
                                                   : "The output directory exists already\nbut it is a file !");
        return kind == PathKind::Folder;
    }
    if (!CreateFolderLevels(folder.Data())) {
        Message(Handle(), "Error:\ncan not create the output directory");
        return 0;
    }
    Message(Handle(), "The output directory has been created successfully");
    PushHistory(folder.Data());
    return 1;
}

INT_PTR ZSheetPgOptn::OnCreate(WPARAM, LPARAM)
{
    CreateOutputFolder();
    return 0;
}

INT_PTR ZSheetPgOptn::OnDelete(WPARAM, LPARAM)
{
    ComboDeleteEntry(Item(kFolderCombo), Handle());
    return 0;
}

INT_PTR ZSheetPgOptn::OnBrowse(WPARAM, LPARAM)
{
    const XString current = WindowText(Item(kFolderCombo));
    BrowseHelper helper;
    helper.initialFolder = current.Data();
    XString folder;
    if (!BrowseForFolder(Handle(), helper, folder))
        return 0;
    while (folder.Length() > 0 && folder.LastChar() == '\\')
        folder.RemoveLast();
    SetWindowTextA(Item(kFolderCombo), folder.Data());
    return 0;
}

INT_PTR ZSheetPgOptn::OnHistoryPick(WPARAM, LPARAM)
{
    HWND combo = Item(kFolderCombo);
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || index == 0)
        return 0;
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    PushHistory(text.data());
    return 0;
}

INT_PTR ZSheetPgOptn::OnClassPathHelp(WPARAM, LPARAM)
{
    Message(Handle(), "Options about classpaths are on main program of Quenlow\n"
                      "please select System, User and Sibling classpaths from main program");
    return 0;
}

INT_PTR ZSheetPgOptn::OnOutputHelp(WPARAM, LPARAM)
{
    XString topic = ToolRootFolder();
    topic.Append(kOutputHelpTopic);
    seams::OpenHelp(Handle(), topic.Data(), HH_DISPLAY_TOPIC, 0);
    return 0;
}

void ZSheetPgOptn::Layout()
{
    const RECT area = InsetClient(Handle(), kInset);
    const RECT label = PlaceInParent(Item(kUserCommandLabel));
    const RECT standard = PlaceInParent(Item(kStandardGroup));
    PlaceAt(Item(kUserCommand), {label.left, label.bottom + 2, area.right, standard.bottom - 22});
    PlaceAt(Item(kNoUserCommand), {label.left, standard.bottom - 14, area.right, standard.bottom});

    const RECT output = PlaceInParent(Item(kOutputGroup));
    PlaceAt(Item(kOutputGroup), {output.left, output.top, area.right, output.bottom});
    const RECT combo = PlaceInParent(Item(kFolderCombo));
    const int comboRight = area.right - 70;
    // The combo's height is that of its open list.
    MoveWindow(Item(kFolderCombo), combo.left, combo.top, comboRight - combo.left, combo.bottom - combo.top, TRUE);
    const int removeLeft = comboRight + 10;
    PlaceAt(Item(kDelete), {removeLeft, combo.top, removeLeft + 25, combo.top + 25});
    const int browseLeft = removeLeft + 25 + 5;
    const int browseHeight = SizeOf(Item(kBrowse)).cy;
    PlaceAt(Item(kBrowse), {browseLeft, combo.top, browseLeft + 25, combo.top + browseHeight});

    const RECT styles = PlaceInParent(Item(kStyleGroup));
    const int autoWidth = SizeOf(Item(kAutoStyle)).cx;
    const int stylesRight = area.right - 25 - autoWidth;
    PlaceAt(Item(kStyleGroup), {styles.left, styles.top, stylesRight, styles.bottom});
    PlaceAt(Item(kAutoStyle), {stylesRight + 25, styles.top + 10, area.right, styles.bottom});
}
