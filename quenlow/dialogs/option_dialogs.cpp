// The smaller option dialogs: context menu style, other java options, main()
// arguments and icon options.
#include "option_dialogs.h"

#include "controls.h"
#include "help_topics.h"
#include "option_dialogs_ids.h"
#include "rich_edit.h"
#include "reserved_bytes.h"
#include "seams.h"
#include "settings/main_args.h"

namespace {

// The text travels into payloads and built executables, where some bytes end
// its field: such a text is refused with the message that names it.
bool TextCanTravel(HWND owner, const char* name, const XString& text)
{
    const reserved_bytes::CarriedText carried = {name, &text, reserved_bytes::kAllMarks};
    XString message;
    if (reserved_bytes::CheckCarriedTexts(&carried, 1, message))
        return true;
    seams::ShowMessage(owner, message.Data(), "Message", MB_OK);
    return false;
}

void UseFixedFont(HWND control)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
}

}  // namespace

DlgMenuStyle::DlgMenuStyle(HWND parent, const char* settingsPath)
    : OptionDialog(IDD_MENU_STYLE, parent, kHelpMenuStyle, settingsPath)
{
}

Dialog::RouteTable DlgMenuStyle::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_MENU_STYLE_APPLY, &DlgMenuStyle::OnApply),
    };
    return Table(routes);
}

BOOL DlgMenuStyle::OnInitDialog()
{
    SettingsFile settings;
    // Expanded unless the file says otherwise.
    int expanded = 1;
    if (OpenForLoad(settings)) {
        expanded = settings.GetMenuExpand();
        settings.Close();
    }
    CheckRadioButton(Handle(), IDC_MENU_COLLAPSED, IDC_MENU_EXPANDED,
                     expanded ? IDC_MENU_EXPANDED : IDC_MENU_COLLAPSED);
    return TRUE;
}

INT_PTR DlgMenuStyle::OnApply(WPARAM, LPARAM)
{
    SettingsFile settings;
    if (!OpenForStore(settings))
        return TRUE;
    settings.SetMenuExpand(IsChecked(IDC_MENU_EXPANDED));
    settings.Close();
    EndDialog(IDOK);
    return TRUE;
}

DlgOtherJava::DlgOtherJava(HWND parent, const char* settingsPath)
    : OptionDialog(IDD_OTHER_JAVA, parent, kHelpOtherJava, settingsPath)
{
}

Dialog::RouteTable DlgOtherJava::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_OTHER_JAVA_APPLY, &DlgOtherJava::OnApply),
        OnCommand(BN_CLICKED, IDC_OTHER_JAVA_CANCEL, &DlgOtherJava::OnCancelButton),
    };
    return Table(routes);
}

BOOL DlgOtherJava::OnInitDialog()
{
    UseFixedFont(Item(IDC_OTHER_JAVA_TEXT));
    SettingsFile settings;
    if (!OpenForLoad(settings))
        return TRUE;
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetOtherJavaFlags(flags);
    XString options;
    settings.GetOtherJavaOptions(options, 0);
    settings.Close();
    SetCheck(IDC_OTHER_JAVA_FOR_EXE, flags[0]);
    SetCheck(IDC_OTHER_JAVA_FOR_DOUBLE_CLICK, flags[1]);
    SetCheck(IDC_OTHER_JAVA_FOR_CLASS_INFO, flags[2]);
    RichEdit(Item(IDC_OTHER_JAVA_TEXT)).SetText(options.Data());
    return TRUE;
}

INT_PTR DlgOtherJava::OnApply(WPARAM, LPARAM)
{
    const XString options = RichEdit(Item(IDC_OTHER_JAVA_TEXT)).GetText();
    if (!TextCanTravel(Handle(), "other Java options", options))
        return TRUE;
    SettingsFile settings;
    if (!OpenForStore(settings))
        return TRUE;
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetOtherJavaFlags(flags);
    flags[0] = IsChecked(IDC_OTHER_JAVA_FOR_EXE);
    flags[1] = IsChecked(IDC_OTHER_JAVA_FOR_DOUBLE_CLICK);
    flags[2] = IsChecked(IDC_OTHER_JAVA_FOR_CLASS_INFO);
    settings.SetOtherJavaFlags(flags);
    settings.SetOtherJavaOptions(options.Data());
    settings.Close();
    EndDialog(IDOK);
    return TRUE;
}

INT_PTR DlgOtherJava::OnCancelButton(WPARAM, LPARAM)
{
    OnCancel();
    return TRUE;
}

DlgMainArgs::DlgMainArgs(HWND parent, const char* settingsPath, const char* argsFile)
    : OptionDialog(IDD_MAIN_ARGS, parent, kHelpMainArgs, settingsPath), argsPath(argsFile)
{
    transparentStatics = true;
}

Dialog::RouteTable DlgMainArgs::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_MAIN_ARGS_APPLY, &DlgMainArgs::OnApply),
    };
    return Table(routes);
}

BOOL DlgMainArgs::OnInitDialog()
{
    UseFixedFont(Item(IDC_MAIN_ARGS_TEXT));
    XString args;
    ReadMainArgsFile(argsPath.Data(), args);
    Control(Handle(), IDC_MAIN_ARGS_TEXT).SetText(args.Data());
    SettingsFile settings;
    if (!OpenForLoad(settings))
        return TRUE;
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetMainArgsFlags(flags);
    settings.Close();
    SetCheck(IDC_MAIN_ARGS_FOR_EXE, flags[kArgsForExe]);
    SetCheck(IDC_MAIN_ARGS_FOR_DOUBLE_CLICK, flags[kArgsForDoubleClick]);
    return TRUE;
}

INT_PTR DlgMainArgs::OnApply(WPARAM, LPARAM)
{
    const XString args = Control(Handle(), IDC_MAIN_ARGS_TEXT).GetText();
    if (!TextCanTravel(Handle(), "arguments for main()", args))
        return TRUE;
    if (!WriteMainArgsFile(argsPath.Data(), args.Data())) {
        // The dialog stays with the text, so nothing typed is lost.
        XString message("The arguments of main() were not saved:\n");
        message.AppendString(argsPath);
        message.Append("\ncan not be written.");
        seams::ShowMessage(Handle(), message.Data(), "Message", MB_OK | MB_ICONERROR);
        return TRUE;
    }
    SettingsFile settings;
    if (!OpenForStore(settings))
        return TRUE;
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetMainArgsFlags(flags);
    flags[kArgsForExe] = IsChecked(IDC_MAIN_ARGS_FOR_EXE);
    flags[kArgsForDoubleClick] = IsChecked(IDC_MAIN_ARGS_FOR_DOUBLE_CLICK);
    settings.SetMainArgsFlags(flags);
    settings.Close();
    EndDialog(IDOK);
    return TRUE;
}

DlgIconOptions::DlgIconOptions(HWND parent, const char* settingsPath)
    : OptionDialog(IDD_ICON_OPTIONS, parent, kHelpIconOptions, settingsPath)
{
    transparentStatics = true;
}

BOOL DlgIconOptions::OnInitDialog()
{
    // Both on unless the file says otherwise.
    int flags[SettingsFile::kFlagCount] = {1, 1};
    SettingsFile settings;
    if (OpenForLoad(settings)) {
        settings.GetIconOptions(flags);
        settings.Close();
    }
    SetCheck(IDC_ICON_RICH_COLORS, flags[0]);
    SetCheck(IDC_ICON_SAME_SIZE, flags[1]);
    return TRUE;
}

Dialog::RouteTable DlgIconOptions::Routes() const
{
    static const MessageRoute routes[] = {
        OnMessage(WM_DESTROY, &DlgIconOptions::OnDestroyWindow),
    };
    return Table(routes);
}

INT_PTR DlgIconOptions::OnDestroyWindow(WPARAM, LPARAM)
{
    // While the boxes still exist: they go before the dialog's last message.
    SettingsFile settings;
    if (!OpenForStore(settings))
        return FALSE;
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetIconOptions(flags);
    flags[0] = IsChecked(IDC_ICON_RICH_COLORS);
    flags[1] = IsChecked(IDC_ICON_SAME_SIZE);
    settings.SetIconOptions(flags);
    settings.Close();
    return FALSE;
}
