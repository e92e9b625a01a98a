#include "main_dialog.h"

#include <commctrl.h>

#include <initializer_list>

#include "classfile/class_check.h"
#include "combo_helpers.h"
#include "controls.h"
#include "controls_ids.h"
#include "java_home.h"
#include "main_class_check.h"
#include "main_dialog_flags.h"
#include "main_dialog_ids.h"
#include "manifest_dialog.h"
#include "paths/file_system.h"
#include "paths/path_text.h"
#include "process/start_child.h"
#include "quenlow/launch/class_path.h"
#include "rich_edit.h"
#include "run_command.h"
#include "jdk_check.h"
#include "settings/main_args.h"
#include "seams.h"
#include "single_instance.h"
#include "web_browser.h"
#include "window_place.h"
#include "xbuffer.h"
#include "xfile.h"

namespace {

// The pane holds a long run's output, far beyond the control's default.
constexpr int kPaneTextLimit = 16 * 1024 * 1024;
constexpr int kProgramIconId = 128;


struct Tip {
    int id;
    const char* text;
};
// The buttons carry a symbol or a short word only; their tips say what they do.
const Tip kTips[] = {
    {IDC_STOP_MAIN_CLASS, "stop launching the main class"},
    {IDC_STOP_OUTPUT, "stop testing the output file"},
    {IDC_RUN_MAIN_CLASS, "run the application class"},
    {IDC_CLASS_INFO, "launch class information"},
    {IDC_VIEW_EXE_COMMAND, "view command of the exe file"},
    {IDC_EDIT_MANIFEST, "view and edit the manifest file"},
    {IDC_LAUNCH_OUTPUT, "launch the output file"},
    {IDC_CONFIRM_ICON, "confirm icon format"},
    {IDC_REMOVE_MANIFEST, "delete the manifest file"},
    {IDC_REMOVE_OUTPUT, "delete the output file"},
    {IDC_REMOVE_MAIN_CLASS, "delete the application class"},
    {IDC_REMOVE_ICON, "delete the icon file"},
    {IDC_OPEN_ICON, "open an icon file"},
    {IDC_OPEN_MANIFEST, "open a manifest file"},
    {IDC_CHOOSE_OUTPUT, "input a new output file"},
    {IDC_BROWSE_MAIN_CLASS, "open an application class"},
    {IDC_HELP_EXE, "view help about creating Windows exe file"},
    {IDC_HELP_JAR, "view help about creating executable jar file"},
};

// Each picture button with its bitmaps: normal, pressed, focused.
struct PictureButton {
    int id;
    int normal;
    int pressed;
    int focused;
};
const PictureButton kPictureButtons[] = {
    {IDC_BROWSE_MAIN_CLASS, IDB_BROWSE, IDB_BROWSE_PRESSED, IDB_BROWSE_FOCUSED},
    {IDC_CHOOSE_OUTPUT, IDB_BROWSE, IDB_BROWSE_PRESSED, IDB_BROWSE_FOCUSED},
    {IDC_OPEN_ICON, IDB_BROWSE, IDB_BROWSE_PRESSED, IDB_BROWSE_FOCUSED},
    {IDC_OPEN_MANIFEST, IDB_BROWSE, IDB_BROWSE_PRESSED, IDB_BROWSE_FOCUSED},
    {IDC_RUN_MAIN_CLASS, IDB_RUN, IDB_RUN_PRESSED, IDB_RUN_FOCUSED},
    {IDC_LAUNCH_OUTPUT, IDB_RUN, IDB_RUN_PRESSED, IDB_RUN_FOCUSED},
    {IDC_CONFIRM_ICON, IDB_RUN, IDB_RUN_PRESSED, IDB_RUN_FOCUSED},
    {IDC_EDIT_MANIFEST, IDB_RUN, IDB_RUN_PRESSED, IDB_RUN_FOCUSED},
    {IDC_REMOVE_MAIN_CLASS, IDB_REMOVE, IDB_REMOVE_PRESSED, IDB_REMOVE_FOCUSED},
    {IDC_REMOVE_OUTPUT, IDB_REMOVE, IDB_REMOVE_PRESSED, IDB_REMOVE_FOCUSED},
    {IDC_REMOVE_ICON, IDB_REMOVE, IDB_REMOVE_PRESSED, IDB_REMOVE_FOCUSED},
    {IDC_REMOVE_MANIFEST, IDB_REMOVE, IDB_REMOVE_PRESSED, IDB_REMOVE_FOCUSED},
    {IDC_CLASS_INFO, IDB_INFO, IDB_INFO_PRESSED, IDB_INFO_FOCUSED},
    {IDC_VIEW_EXE_COMMAND, IDB_INFO, IDB_INFO_PRESSED, IDB_INFO_FOCUSED},
    {IDC_STOP_OUTPUT, IDB_STOP, IDB_STOP_PRESSED, IDB_STOP_FOCUSED},
    {IDC_STOP_MAIN_CLASS, IDB_STOP, IDB_STOP_PRESSED, IDB_STOP_FOCUSED},
    {IDC_HELP_EXE, IDB_HELP, IDB_HELP_PRESSED, IDB_HELP_FOCUSED},
    {IDC_HELP_JAR, IDB_HELP, IDB_HELP_PRESSED, IDB_HELP_FOCUSED},
};

// The place the output pane and the web pane share, in pixels: its top
// stands this far above the bottom of the web pane's template rectangle.
constexpr int kPanesRise = 102;
constexpr int kPanesWidth = 504;
constexpr int kPanesHeight = 104;

}  // namespace

MainDlg::MainDlg(SettingsFile& settingsFile, HWND parent, const char* settingsPath)
    : Dialog(IDD_MAIN_DIALOG, parent),
      settings(settingsFile),
      settingsPath(settingsPath ? XString(settingsPath) : SettingsFile::GetPath())
{
}

MainDlg::~MainDlg()
{
    // The window goes first, so its end stops the runs while the owner still lives.
    if (Handle() && IsWindow(Handle()))
        DestroyWindow(Handle());
}

Dialog::RouteTable MainDlg::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_CREATE, &MainDlg::OnCreate),
        OnCommand(BN_CLICKED, IDC_CONFIRM_ICON, &MainDlg::OnConfirmIcon),
        OnCommand(BN_CLICKED, IDC_RUN_MAIN_CLASS, &MainDlg::OnRunMainClass),
        OnCommand(BN_CLICKED, IDC_STOP_MAIN_CLASS, &MainDlg::OnStopMainClass),
        OnCommand(BN_CLICKED, IDC_LAUNCH_OUTPUT, &MainDlg::OnLaunchOutput),
        OnCommand(BN_CLICKED, IDC_BROWSE_MAIN_CLASS, &MainDlg::OnBrowse),
        OnCommand(BN_CLICKED, IDC_CHOOSE_OUTPUT, &MainDlg::OnBrowse),
        OnCommand(BN_CLICKED, IDC_OPEN_ICON, &MainDlg::OnBrowse),
        OnCommand(BN_CLICKED, IDC_OPEN_MANIFEST, &MainDlg::OnBrowse),
        OnCommand(CBN_SELCHANGE, IDC_MAIN_CLASS, &MainDlg::OnComboSelected),
        OnCommand(CBN_SELCHANGE, IDC_OUTPUT_FILE, &MainDlg::OnComboSelected),
        OnCommand(CBN_SELCHANGE, IDC_ICON_FILE, &MainDlg::OnComboSelected),
        OnCommand(CBN_SELCHANGE, IDC_MANIFEST_FILE, &MainDlg::OnComboSelected),
        OnCommand(BN_CLICKED, IDC_VIEW_EXE_COMMAND, &MainDlg::OnViewExeCommand),
        OnCommand(BN_CLICKED, IDC_STOP_OUTPUT, &MainDlg::OnStopOutput),
        OnCommand(BN_CLICKED, IDC_CREATE_EXE, &MainDlg::OnOptionClicked),
        OnCommand(BN_CLICKED, IDC_CREATE_JAR, &MainDlg::OnOptionClicked),
        OnCommand(BN_CLICKED, IDC_USER_ICON, &MainDlg::OnOptionClicked),
        OnCommand(BN_CLICKED, IDC_ADD_MANIFEST, &MainDlg::OnOptionClicked),
        OnCommand(BN_CLICKED, IDC_REMOVE_MAIN_CLASS, &MainDlg::OnRemoveEntry),
        OnCommand(BN_CLICKED, IDC_REMOVE_OUTPUT, &MainDlg::OnRemoveEntry),
        OnCommand(BN_CLICKED, IDC_REMOVE_ICON, &MainDlg::OnRemoveEntry),
        OnCommand(BN_CLICKED, IDC_REMOVE_MANIFEST, &MainDlg::OnRemoveEntry),
        OnCommand(BN_CLICKED, IDC_CLASS_INFO, &MainDlg::OnClassInfo),
        OnCommand(BN_CLICKED, IDC_HELP_EXE, &MainDlg::OnCreatingHelp),
        OnCommand(BN_CLICKED, IDC_HELP_JAR, &MainDlg::OnCreatingHelp),
        OnCommand(0, ID_ALWAYS_ON_TOP, &MainDlg::OnAlwaysOnTop),
        OnCommand(0, ID_JAVA_LIBRARIES, &MainDlg::OnJavaLibraries),
        OnCommand(0, ID_DOUBLE_CLICK_OPTIONS, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_MENU_STYLE_OPTIONS, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_FILE_OPTIONS, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_MAIN_ARGS_OPTIONS, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_ICON_OPTIONS, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_OTHER_JAVA_OPTIONS, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_JAVA_PROPERTIES, &MainDlg::OnOptionsCommand),
        OnCommand(0, ID_CLASSPATH_OPTIONS, &MainDlg::OnClasspathOptions),
        OnCommand(0, ID_HELP_CONTENTS, &MainDlg::OnHelpContents),
        OnCommand(0, ID_ABOUT, &MainDlg::OnAbout),
        OnCommand(0, ID_HOME, &MainDlg::OnHome),
        OnMessage(WM_TIMER, &MainDlg::OnTimer),
        OnMessage(WM_DESTROY, &MainDlg::OnDestroyWindow),
        OnCommand(BN_CLICKED, IDC_EDIT_MANIFEST, &MainDlg::OnEditManifest),
    };
    return Table(routes);
}

BOOL MainDlg::OnInitDialog()
{
    programIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconId));
    if (programIcon) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(programIcon));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(programIcon));
    }
    single_instance::Publish("quenlow_mapfile", Handle());
    owner.reset(new DialogRunnerOwner(Handle()));
    RichEdit pane(Item(IDC_OUTPUT_PANE));
    pane.LimitText(kPaneTextLimit);
    pane.SetText("");
    ShowWindow(pane.Handle(), SW_HIDE);
    SendMessageA(pane.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    const RECT webTemplate = PlaceInParent(Item(IDC_WEB_PANE));
    const int left = webTemplate.left - 1;
    const int top = webTemplate.bottom - kPanesRise;
    SetWindowPos(pane.Handle(), nullptr, left, top, kPanesWidth, kPanesHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    // Right below the output pane, which shows over it while it has text,
    // wherever the control put its window among the dialog's children.
    if (webBrowser.Create(CLSID_WebBrowser, Handle(), {left, top, left + kPanesWidth, top + kPanesHeight}))
        SetWindowPos(webBrowser.Window(), pane.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    LoadOptions();
    if (webPane)
        NavigateWebBrowser(webBrowser, kOnlinePage);
    // Before any window this dialog owns exists: Wine leaves a window that
    // owns others out of the topmost band.
    ApplyAlwaysOnTop();
    createInfo.reset(new DlgCreateInfo(Handle()));
    createInfo->Create();
    CreateTooltips();
    UpdateControls();
    AttachPictureButtons();

    // The stop buttons stand where the buttons they stop a run of stand.
    const int pairs[2][2] = {{IDC_LAUNCH_OUTPUT, IDC_STOP_OUTPUT}, {IDC_RUN_MAIN_CLASS, IDC_STOP_MAIN_CLASS}};
    for (const auto& pair : pairs) {
        const RECT place = PlaceInParent(Item(pair[0]));
        SetWindowPos(Item(pair[1]), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_HIDEWINDOW);
    }
    SetTimer(Handle(), kPaneTimerId, kPaneTimerMs, nullptr);
    return TRUE;
}

void MainDlg::LoadOptions()
{
    int flags[SettingsFile::kFlagCount] = {1, 0, 1, 1, 1, 0};
    int menuFlags[SettingsFile::kFlagCount] = {};
    if (settings.IsOpen()) {
        settings.LoadMainClassList(Item(IDC_MAIN_CLASS));
        settings.LoadOutputList(Item(IDC_OUTPUT_FILE));
        settings.LoadManifestList(Item(IDC_MANIFEST_FILE));
        settings.LoadIconList(Item(IDC_ICON_FILE));
        settings.GetMainBools(flags);
        settings.GetMenuOptions(menuFlags);
    }
    alwaysOnTop = menuFlags[kFlagAlwaysOnTop];
    webPane = menuFlags[kFlagWebPane];
    CheckRadioButton(Handle(), IDC_CREATE_EXE, IDC_CREATE_JAR, flags[kFlagExe] ? IDC_CREATE_EXE : IDC_CREATE_JAR);
    Button(Handle(), IDC_ADD_MANIFEST).SetCheck(flags[kFlagAddManifest] ? BST_CHECKED : BST_UNCHECKED);
    Button(Handle(), IDC_COMPRESSION).SetCheck(flags[kFlagCompression] ? BST_CHECKED : BST_UNCHECKED);
    Button(Handle(), IDC_MAIN_CLASS_DIR_ONLY).SetCheck(flags[kFlagMainClassDirOnly] ? BST_CHECKED : BST_UNCHECKED);
    Button(Handle(), IDC_USE_JAVAW).SetCheck(flags[kFlagUseJavaw] ? BST_CHECKED : BST_UNCHECKED);
    Button(Handle(), IDC_USER_ICON).SetCheck(flags[kFlagUserIcon] ? BST_CHECKED : BST_UNCHECKED);
}

void MainDlg::SaveOptions()
{
    if (!settings.IsOpen())
        return;
    settings.SaveMainClassList(Item(IDC_MAIN_CLASS));
    settings.SaveOutputList(Item(IDC_OUTPUT_FILE));
    settings.SaveManifestList(Item(IDC_MANIFEST_FILE));
    settings.SaveIconList(Item(IDC_ICON_FILE));
    int flags[SettingsFile::kFlagCount] = {};
    flags[kFlagExe] = Button(Handle(), IDC_CREATE_EXE).GetCheck() == BST_CHECKED;
    flags[kFlagAddManifest] = Button(Handle(), IDC_ADD_MANIFEST).GetCheck() == BST_CHECKED;
    flags[kFlagCompression] = Button(Handle(), IDC_COMPRESSION).GetCheck() == BST_CHECKED;
    flags[kFlagMainClassDirOnly] = Button(Handle(), IDC_MAIN_CLASS_DIR_ONLY).GetCheck() == BST_CHECKED;
    flags[kFlagUseJavaw] = Button(Handle(), IDC_USE_JAVAW).GetCheck() == BST_CHECKED;
    flags[kFlagUserIcon] = Button(Handle(), IDC_USER_ICON).GetCheck() == BST_CHECKED;
    settings.SetMainBools(flags);
    int menuFlags[SettingsFile::kFlagCount] = {};
    menuFlags[kFlagAlwaysOnTop] = alwaysOnTop;
    menuFlags[kFlagWebPane] = webPane;
    // A refused write is said once: the session's choices are not kept.
    if (!settings.SetMenuOptions(menuFlags) || settings.IsReadOnly())
        seams::ShowMessage(nullptr, kSettingsNotWritableMessage, "Quenlow", MB_OK | MB_ICONERROR);
    else if (settings.LeftOut().Count() > 0)
        seams::ShowMessage(nullptr, LeftOutMessage(settings.LeftOut()).Data(), "Quenlow", MB_OK | MB_ICONERROR);
}

void MainDlg::CreateTooltips()
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip)
        return;
    for (const Tip& tip : kTips) {
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        // The picture buttons relay their own mouse moves to the tooltip.
        info.uFlags = TTF_IDISHWND;
        info.hwnd = Handle();
        info.uId = reinterpret_cast<UINT_PTR>(Item(tip.id));
        info.lpszText = const_cast<char*>(tip.text);
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageA(tooltip, TTM_ACTIVATE, TRUE, 0);
}

void MainDlg::AttachPictureButtons()
{
    static_assert(sizeof kPictureButtons / sizeof kPictureButtons[0] == kPictureButtonCount, "one object a button");
    for (int i = 0; i < kPictureButtonCount; ++i) {
        const PictureButton& picture = kPictureButtons[i];
        pictureButtons[i].Attach(Handle(), picture.id, picture.normal, picture.pressed, picture.focused);
        pictureButtons[i].SetTooltip(tooltip);
    }
}

void MainDlg::UpdateControls()
{
    const bool exe = Button(Handle(), IDC_CREATE_EXE).GetCheck() == BST_CHECKED;
    Control(Handle(), IDC_USE_JAVAW).Enable(exe);
    Control(Handle(), IDC_USER_ICON).Enable(exe);
    Control(Handle(), IDC_ADD_MANIFEST).Enable(!exe);
    const bool manifest = !exe && Button(Handle(), IDC_ADD_MANIFEST).GetCheck() == BST_CHECKED;
    for (int id : {IDC_MANIFEST_FILE, IDC_EDIT_MANIFEST, IDC_REMOVE_MANIFEST, IDC_OPEN_MANIFEST})
        Control(Handle(), id).Enable(manifest);
    const bool icon = exe && Button(Handle(), IDC_USER_ICON).GetCheck() == BST_CHECKED;
    for (int id : {IDC_ICON_FILE, IDC_CONFIRM_ICON, IDC_REMOVE_ICON, IDC_OPEN_ICON})
        Control(Handle(), id).Enable(icon);
}

CreateRequest MainDlg::GatherState() const
{
    CreateRequest state;
    state.mainClass = TrimWhiteSpace(Control(Handle(), IDC_MAIN_CLASS).GetText());
    state.outputFile = Control(Handle(), IDC_OUTPUT_FILE).GetText();
    state.manifestFile = Control(Handle(), IDC_MANIFEST_FILE).GetText();
    state.iconFile = Control(Handle(), IDC_ICON_FILE).GetText();
    auto checked = [this](int id) { return Button(Handle(), id).GetCheck() == BST_CHECKED ? 1 : 0; };
    state.exe = checked(IDC_CREATE_EXE);
    state.compression = checked(IDC_COMPRESSION);
    state.mainClassDirOnly = checked(IDC_MAIN_CLASS_DIR_ONLY);
    state.addManifest = state.exe ? 0 : checked(IDC_ADD_MANIFEST);
    state.useJavaw = checked(IDC_USE_JAVAW);
    state.userIcon = checked(IDC_USER_ICON);
    return state;
}

void MainDlg::ShowStatus(const char* text)
{
    paneTicks = 0;
    owner->ShowStatus(text);
}

void MainDlg::EnableRunButtons(bool enable)
{
    owner->EnableRunButtons(enable ? 1 : 0);
}

INT_PTR MainDlg::OnRunMainClass(WPARAM, LPARAM)
{
    const CreateRequest state = GatherState();
    XString baseFolder;
    XString className;
    if (!CheckMainClass(state.mainClass.Data(), baseFolder, className, Handle()))
        return TRUE;
    // Without the settings the run goes on with the class alone: no extra
    // class paths and no main() arguments.
    ClassPathRecord record;
    XString mainArgs;
    if (settings.IsOpen()) {
        mainArgs = MainArgsWhenAsked(settings, kArgsForDoubleClick);
        ClassPathTarget target;
        target.doubleClick = true;
        CollectClassPath(settings, record, target);
    }
    const XString command = MainClassCommandLine(FindJavawExe(1).Data(), baseFolder.Data(), record, className.Data(),
                                                 mainArgs.Data());
    ShowStatus("");
    SetCurrentDirectoryA(baseFolder.Data());
    // The running state is set before the start: the run's end step, which
    // may come at once on a worker thread, then always has the last word.
    owner->ShowRunning(RunnerOwner::kMainClassRun, 1);
    EnableRunButtons(false);
    mainClassRunner.Run(owner.get(), command.Data());
    return TRUE;
}

INT_PTR MainDlg::OnStopMainClass(WPARAM, LPARAM)
{
    if (mainClassRunner.IsRunning())
        mainClassRunner.Terminate();
    return TRUE;
}

// File-dialog filters, '|' standing for the NULs between their parts.
constexpr const char kClassFilter[] = "class file (*.class)|*.class|";
constexpr const char kExeFilter[] = "exe file (*.exe)|*.exe|";
constexpr const char kJarFilter[] = "jar file (*.jar)|*.jar|";
constexpr const char kIconFilter[] = "icon file (*.ico)|*.ico|";
constexpr const char kManifestFilter[] = "manifest files (*.mf;*.mft)|*.mf;*.mft|";

XString MainDlg::ChooseFile(int comboId, const char* filter)
{
    XString path;
    ChooseFilePath(Handle(), filter, Control(Handle(), comboId).GetText().Data(), false, comboId == IDC_OUTPUT_FILE,
                   path);
    return path;
}

INT_PTR MainDlg::OnComboSelected(WPARAM wParam, LPARAM)
{
    ComboSelectedToTop(Item(LOWORD(wParam)));
    return TRUE;
}

INT_PTR MainDlg::OnBrowse(WPARAM wParam, LPARAM)
{
    const bool exe = Button(Handle(), IDC_CREATE_EXE).GetCheck() == BST_CHECKED;
    switch (LOWORD(wParam)) {
    case IDC_CHOOSE_OUTPUT: {
        const XString path = ChooseFile(IDC_OUTPUT_FILE, exe ? kExeFilter : kJarFilter);
        if (!path.IsEmpty())
            ComboPutOnTop(Item(IDC_OUTPUT_FILE), path.Data());
        return TRUE;
    }
    case IDC_OPEN_MANIFEST: {
        const XString path = ChooseFile(IDC_MANIFEST_FILE, kManifestFilter);
        if (!path.IsEmpty())
            ComboPutOnTop(Item(IDC_MANIFEST_FILE), path.Data());
        return TRUE;
    }
    case IDC_OPEN_ICON: {
        const XString path = ChooseFile(IDC_ICON_FILE, kIconFilter);
        if (path.IsEmpty())
            return TRUE;
        if (lstrcmpiA(PathExtension(path.Data()).Data(), "ico") != 0)
            seams::ShowMessage(Handle(), "Please open an icon file", "Message", MB_OK);
        else
            ComboPutOnTop(Item(IDC_ICON_FILE), path.Data());
        return TRUE;
    }
    default:
        break;
    }
    const XString path = ChooseFile(IDC_MAIN_CLASS, kClassFilter);
    if (path.IsEmpty())
        return TRUE;
    if (lstrcmpiA(PathExtension(path.Data()).Data(), "class") != 0) {
        seams::ShowMessage(Handle(), "Please open a class file", "Message", MB_OK);
        return TRUE;
    }
    XFile file;
    XBuffer bytes;
    int length = 0;
    ClassInfo info;
    int isApplication = 0;
    int isApplet = 0;
    if (!file.Open(path.Data(), XFile::OpenExisting, 0) || !file.ReadWhole(bytes, &length) || length <= 0 ||
        !ClassifyClass(bytes.Data(), static_cast<size_t>(length), info, &isApplication, &isApplet)) {
        seams::ShowMessage(Handle(), kFormatNotCorrect, "Message", MB_OK);
        return TRUE;
    }
    // A class without main() is not put in the list; viewing its source
    // comes with the class-information viewer.
    if (isApplication)
        ComboPutOnTop(Item(IDC_MAIN_CLASS), path.Data());
    else if (seams::ShowMessage(Handle(), "The class is not an application\ndo you want to view its source code now?\n",
                                "Message", MB_YESNO) == IDYES)
        StartClassInfo(path.Data());
    return TRUE;
}

enum OutputKind { kNotOutput = 0, kExeOutput = 1, kJarOutput = 2 };

int MainDlg::OutputFileKind(XString& file)
{
    file = GatherState().outputFile;
    if (file.IsEmpty() || !FileExists(file.Data()) || IsDirectory(file.Data())) {
        seams::ShowMessage(Handle(), "Output file is unavailable", "Message", MB_OK);
        return kNotOutput;
    }
    const XString extension = PathExtension(file.Data());
    if (lstrcmpiA(extension.Data(), "exe") == 0)
        return kExeOutput;
    if (lstrcmpiA(extension.Data(), "jar") == 0)
        return kJarOutput;
    seams::ShowMessage(Handle(), "The file must be an exe or jar file", "Message", MB_OK);
    return kNotOutput;
}

INT_PTR MainDlg::OnLaunchOutput(WPARAM, LPARAM)
{
    XString file;
    const int kind = OutputFileKind(file);
    if (kind == kNotOutput)
        return TRUE;
    XString command;
    if (kind == kExeOutput) {
        command.AppendChar('"');
        command.AppendString(file);
        command.Append("\" /streams");
    } else {
        command = FindJavawExe(1);
        command.Append(" -jar \"");
        command.AppendString(file);
        command.AppendChar('"');
    }
    // As with the main class: the running state first, so an end step that
    // comes at once leaves the buttons as it wants them.
    owner->ShowRunning(RunnerOwner::kTestRun, 1);
    exeJarRunner.Run(owner.get(), command.Data(), kind == kExeOutput ? 1 : 0);
    return TRUE;
}

INT_PTR MainDlg::OnViewExeCommand(WPARAM, LPARAM)
{
    XString file;
    const int kind = OutputFileKind(file);
    if (kind == kJarOutput)
        seams::ShowMessage(Handle(), "The button is only available for exe file", "Message", MB_OK);
    if (kind != kExeOutput)
        return TRUE;
    char window[32];
    wsprintfA(window, "\" %lu", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(Handle())));
    XString command("\"");
    command.AppendString(file);
    command.Append(window);
    StartChildProcess(command.Data(), SW_SHOWNORMAL);
    return TRUE;
}

INT_PTR MainDlg::OnStopOutput(WPARAM, LPARAM)
{
    // Bounded: a built exe is asked to end, and terminated when it does not.
    if (exeJarRunner.IsRunning())
        exeJarRunner.Stop();
    return TRUE;
}

INT_PTR MainDlg::OnOptionClicked(WPARAM, LPARAM)
{
    UpdateControls();
    return TRUE;
}

INT_PTR MainDlg::OnRemoveEntry(WPARAM wParam, LPARAM)
{
    int comboId = 0;
    switch (LOWORD(wParam)) {
    case IDC_REMOVE_MAIN_CLASS: comboId = IDC_MAIN_CLASS; break;
    case IDC_REMOVE_OUTPUT: comboId = IDC_OUTPUT_FILE; break;
    case IDC_REMOVE_ICON: comboId = IDC_ICON_FILE; break;
    default: comboId = IDC_MANIFEST_FILE; break;
    }
    ComboDeleteText(Handle(), Item(comboId));
    return TRUE;
}

INT_PTR MainDlg::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kPaneTimerId)
        return FALSE;
    HWND pane = Item(IDC_OUTPUT_PANE);
    // The pane's own state: the dialog itself may be minimised or not yet shown.
    const bool shown = (GetWindowLongA(pane, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown && ++paneTicks > kPaneTicks) {
        ShowWindow(pane, SW_HIDE);
        RichEdit(pane).SetText("");
    }
    return TRUE;
}

void MainDlg::ApplyAlwaysOnTop()
{
    SetWindowPos(Handle(), alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

INT_PTR MainDlg::OnAlwaysOnTop(WPARAM, LPARAM)
{
    alwaysOnTop = !alwaysOnTop;
    ApplyAlwaysOnTop();
    return TRUE;
}

INT_PTR MainDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        if (IsIconic(Handle()) && programIcon) {
            RECT client;
            GetClientRect(Handle(), &client);
            DrawIcon(dc, (client.right - GetSystemMetrics(SM_CXICON)) / 2, (client.bottom - GetSystemMetrics(SM_CYICON)) / 2,
                     programIcon);
        } else {
            PaintMenuBar(dc);
        }
        EndPaint(Handle(), &paint);
        return TRUE;
    }
    case WM_LBUTTONDOWN: {
        const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (OpenMenuAt(point))
            return TRUE;
        break;
    }
    case WM_QUERYDRAGICON:
        SetMessageResult(reinterpret_cast<LRESULT>(programIcon));
        return TRUE;
    default:
        break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

void MainDlg::StopRuns()
{
    // Each stop is bounded: a child that does not end is terminated, so the
    // dialog never hangs on its way out.
    if (exeJarRunner.IsRunning())
        exeJarRunner.Stop();
    if (mainClassRunner.IsRunning())
        mainClassRunner.Terminate();
    if (createRunner.IsRunning())
        createRunner.Terminate();
    // The readers still append to the pane while they drain.
    mainClassRunner.Wait(kCloseWaitMs);
    exeJarRunner.Wait(kCloseWaitMs);
    createRunner.Wait(kCloseWaitMs);
}

INT_PTR MainDlg::OnDestroyWindow(WPARAM, LPARAM)
{
    KillTimer(Handle(), kPaneTimerId);
    StopRuns();
    SaveOptions();
    // While the dialog still stands: the control's window is its child.
    webBrowser.Destroy();
    return FALSE;
}

INT_PTR MainDlg::OnEditManifest(WPARAM, LPARAM)
{
    EditManifestFile(Handle(), GatherState().manifestFile.Data());
    return TRUE;
}
