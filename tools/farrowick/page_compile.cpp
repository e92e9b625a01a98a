#include "page_compile.h"

#include <cstdio>
#include <cstring>

#include "compile_command.h"
#include "process/argument_file.h"
#include "java_home.h"
#include "javac_paths.h"
#include "page_layout.h"
#include "classpath_quote.h"
#include "rich_edit.h"
#include "seams.h"
#include "sheet.h"
#include "tab_control.h"
#include "tool_page_ids.h"

namespace {

constexpr int kStyleLine = 1024;
constexpr int kUnitLine = 1025;
constexpr int kUnitList = 1017;
constexpr int kPauseRadios = 4;
constexpr int kInset = 8;
const int kPanes[] = {IDC_RUN_ERR_PANE, IDC_RUN_OUT_PANE, IDC_RUN_COMMAND_PANE};
constexpr int kFirstPauseRadio = 1029;
constexpr int kContinue = 1033;
constexpr int kCompilePage = 2;

enum Pause { kNoPause = 0, kPauseIfError = 1, kPauseIfNoError = 2, kPauseAlways = 3 };

const char kErrorCountMark[] = "(error count:";

// Quotes and line feeds gone, blanks trimmed at both ends.
XString PlainPath(const XString& text)
{
    XString plain(text);
    plain.Replace("\"", "");
    XString trimmed;
    const char* begin = plain.Data();
    const char* end = begin + plain.Length();
    while (begin < end && (*begin == ' ' || *begin == '\n'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\n'))
        --end;
    for (const char* c = begin; c < end; ++c)
        if (*c != '\n')
            trimmed.AppendChar(*c);
    return trimmed;
}

XString UnitLine(const char* kind, int number, const char* path, int errors)
{
    std::vector<char> line(std::strlen(path) + 64);
    const int length =
        std::snprintf(line.data(), line.size(), " %s %d: %s (error count:%d)", kind, number, path, errors);
    return XString(line.data(), length);
}

}  // namespace

ZSheetPgComp::ZSheetPgComp(ZSheet& owner, ZCompileJob& compileJob)
    : ZRunPage(IDD_PAGE_RUN, owner, {0, IDC_COMPILE_STOP}), job(compileJob)
{
}

RouteTable ZSheetPgComp::Routes() const
{
    static const MessageRoute routes[] = {
        OnMessage(WM_TIMER, &ZSheetPgComp::OnTimer),
        OnMessage(kRunEnded, &ZSheetPgComp::OnRunEnded),
        OnNotify(TCN_SELCHANGE, IDC_RUN_TABS, &ZSheetPgComp::OnTabChange),
        OnCommand(BN_CLICKED, IDC_COMPILE_STOP, &ZSheetPgComp::OnStop),
        OnCommand(BN_CLICKED, kContinue, &ZSheetPgComp::OnContinue),
    };
    return Table(routes);
}

BOOL ZSheetPgComp::OnInitDialog()
{
    for (int id : {kStyleLine, kUnitLine, kUnitList})
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
    const TabControl tabs(Item(IDC_RUN_TABS));
    tabs.Insert(0, "err stream");
    tabs.Insert(1, "out stream");
    tabs.Insert(2, "command");
    EnableWindow(Item(kContinue), FALSE);
    const BOOL result = ZRunPage::OnInitDialog();
    ShowTabPane();
    return result;
}

void ZSheetPgComp::Layout()
{
    const RECT area = InsetClient(Handle(), kInset);
    // The pause choices and the two buttons in a column at the right.
    const SIZE radio = SizeOf(Item(kFirstPauseRadio));
    const SIZE button = SizeOf(Item(kContinue));
    const int columnLeft = area.right - radio.cx;
    int y = area.top;
    for (int i = 0; i < kPauseRadios; ++i) {
        PlaceAt(Item(kFirstPauseRadio + i), {columnLeft, y, area.right, y + radio.cy});
        y += radio.cy + 2;
    }
    y += 2;
    const int half = (radio.cx - 4) / 2;
    PlaceAt(Item(kContinue), {columnLeft, y, columnLeft + half, y + button.cy});
    PlaceAt(Item(IDC_COMPILE_STOP), {area.right - half, y, area.right, y + button.cy});
    const int columnBottom = y + button.cy;

    // Beside it the style and unit lines and the list of folders compiled.
    const int textRight = columnLeft - 10;
    const int line = SizeOf(Item(kStyleLine)).cy;
    PlaceAt(Item(kStyleLine), {area.left, area.top, textRight, area.top + line});
    PlaceAt(Item(kUnitLine), {area.left, area.top + line + 4, textRight, area.top + 2 * line + 4});
    const int listTop = area.top + 2 * line + 8;
    HWND list = Item(kUnitList);
    PlaceAt(list, {area.left, listTop, textRight, columnBottom});
    PlaceAt(list, {area.left, listTop, textRight, listTop + WholeLinesHeight(list, columnBottom - listTop)});

    PlaceTabbedPanes(Item(IDC_RUN_TABS), {area.left, columnBottom + 8, area.right, area.bottom}, kPanes, 3, kInset);
}

void ZSheetPgComp::Exchange(DataExchange& dx)
{
    dx.Radio(kFirstPauseRadio, pause);
}

void ZSheetPgComp::LoadSettings(ZSettings& settings)
{
    pause = settings.GetCompInts();
    if (Handle())
        UpdateData(false);
}

void ZSheetPgComp::SaveSettings(ZSettings& settings)
{
    if (Handle())
        UpdateData(true);
    else if (pause < kNoPause || pause > kPauseAlways)
        pause = -1;  // as the buttons give back a choice that checks none of them
    settings.SetCompInts(pause < 0 ? 0 : pause);
}

void ZSheetPgComp::Reset()
{
    ClearPage();
    firstStep = 1;
    paused = 0;
    resume = 0;
}

void ZSheetPgComp::ClearPage()
{
    // A page not made yet is empty.
    if (!Handle())
        return;
    EnableWindow(Item(IDC_COMPILE_STOP), FALSE);
    // The run's panes can be long: they are emptied as panes.
    ClearPanes();
    for (int id : {kStyleLine, kUnitLine, kUnitList})
        SetPaneText(id, "");
    FlashWindow(Item(kContinue), FALSE);
}

int ZSheetPgComp::IsCompiling() const
{
    return IsBusy() || job.compiling || stepping;
}

void ZSheetPgComp::SetPaneText(int id, const char* text)
{
    SetWindowTextA(Item(id), text);
}

void ZSheetPgComp::BuildCommand(const char* base)
{
    const ZInsideInfo& info = sheet.Info();
    // The system archives of Skelbrand's and Quenlow's runs, from the same homes.
    XString classPath = SystemClassPathPart(info.systemClassPaths.Data());
    classPath.AppendString(CompileRootClassPath(base, info));
    XString user(info.userZippedClassPaths);
    user.AppendString(info.userNakedClassPaths);
    classPath.AppendString(QuoteClasspathList(user.Data()));
    const XString javac = FindJavacExe(0);
    job.displayCommand = DisplayCommand(CompileCommand(javac.Data(), classPath, CompileOptionsText(job.options)));
}

void ZSheetPgComp::StartCompile(const char* base, const std::function<void()>& whileStarting)
{
    if (IsBusy() || job.compiling)
        return;
    BuildCommand(base);
    job.currentUnit = 0;
    job.failedUnits = 0;
    job.compiling = 1;
    style = job.EffectiveStyle();
    firstStep = 1;
    paused = 0;
    resume = 0;
    stepping = 1;
    // The first unit's compiler starts before anything is shown: making
    // this page (and the caller's) and filling it take a while, which
    // javac's own start covers.
    UnitRun first;
    const bool any = PrepareUnit(first);
    if (any)
        LaunchUnit(first);
    if (whileStarting)
        whileStarting();
    ClearPage();
    sheet.SetActivePage(kCompilePage);
    const int files = job.FileCount();
    const int directories = job.DirectoryCount();
    EnableWindow(Item(kContinue), FALSE);
    SetTimer(Handle(), kStepTimer, 100, nullptr);

    char counts[96];
    if (style == kCompileByFile)
        std::snprintf(counts, sizeof counts, "%d files in %d directories", files, directories);
    else
        std::snprintf(counts, sizeof counts, "%d directories with %d files", directories, files);
    XString line(style == kCompileByFile    ? " Compile style: file by file"
                 : style == kCompileWhole ? " Compile style: all files as a whole"
                                          : " Compile style: directory by directory");
    line.Append(", ");
    line.Append(counts);
    SetPaneText(kStyleLine, line.Data());
    EnableWindow(Item(IDC_COMPILE_STOP), style != kCompileWhole ? TRUE : FALSE);
    if (any)
        ShowUnit(first);
    else
        Finish();
}

INT_PTR ZSheetPgComp::OnTimer(WPARAM timer, LPARAM)
{
    if (timer == kStepTimer)
        Step();
    return 0;
}

INT_PTR ZSheetPgComp::OnRunEnded(WPARAM, LPARAM)
{
    // Posted as the run's last thread ends: the step after it need not wait
    // for the next tick, which would add up to a tick to every unit.
    if (stepping && Runner().Wait(kRunSettleMs) == WAIT_OBJECT_0)
        Step();
    return 0;
}

void ZSheetPgComp::Step()
{
    // The runner counts as busy from the moment its start returns, so no
    // idle tick is needed to let a new run's threads come up.
    if (IsBusy() || !stepping)
        return;
    if (!firstStep) {
        paused = PauseDecision();
        if (paused && !resume) {
            EnableWindow(Item(kContinue), TRUE);
            return;
        }
    }
    if (job.compiling)
        StartUnit();
    else
        Finish();
}

int ZSheetPgComp::PauseDecision()
{
    if (style == kCompileWhole)
        return 0;
    UpdateData(true);
    switch (pause) {
    case kPauseAlways:
        return 1;
    case kPauseIfError:
        return Runner().Failed() ? 1 : 0;
    case kPauseIfNoError:
        return Runner().Failed() ? 0 : 1;
    default:
        return 0;
    }
}

void ZSheetPgComp::StartUnit()
{
    UnitRun run;
    if (!PrepareUnit(run)) {
        Finish();
        return;
    }
    LaunchUnit(run);
    ShowUnit(run);
}

bool ZSheetPgComp::PrepareUnit(UnitRun& run)
{
    const int index = job.currentUnit;
    XString unit;
    if (style == kCompileWhole) {
        unit = job.WholeText();
        run.base = job.startDirectory;
        run.line = XString("Path: ");
        run.line.AppendString(run.base);
        job.compiling = 0;
    } else if (style == kCompileByDirectory) {
        if (index >= job.DirectoryCount()) {
            job.compiling = 0;
            return false;
        }
        unit = job.DirectoryText(index);
        run.base = job.Directory(index).path;
        run.line = UnitLine("Directory", index + 1, run.base.Data(), job.failedUnits);
        if (index + 1 >= job.DirectoryCount())
            job.compiling = 0;
    } else {
        int d = 0;
        int f = 0;
        if (!job.FileAt(index, d, f)) {
            job.compiling = 0;
            return false;
        }
        unit = job.FileText(index);
        run.base = job.Directory(d).path;
        run.line = UnitLine("File", index + 1, PlainPath(unit).Data(), job.failedUnits);
        if (index + 1 >= job.FileCount())
            job.compiling = 0;
    }
    const UnitCommand texts = UnitCommandTexts(job.displayCommand, OutputOptionText(job.options), unit);
    run.note = XString("Note: base directory is ");
    run.note.AppendString(run.base);
    run.note.Append("\n\n");
    run.note.AppendString(texts.display);
    firstStep = 0;
    paused = 0;
    resume = 0;
    if (style == kCompileByDirectory) {
        char number[16];
        std::snprintf(number, sizeof number, "%-4d: ", index + 1);
        run.entry = XString(number);
        run.entry.AppendString(PlainPath(run.base));
        run.entry.AppendChar('\n');
    }
    run.text = RunText(texts, unit);
    return true;
}

void ZSheetPgComp::LaunchUnit(const UnitRun& run)
{
    SetCurrentDirectoryA(run.base.Data());
    Runner().Launch(run.text.Data());
}

void ZSheetPgComp::ShowUnit(const UnitRun& run)
{
    SetPaneText(kUnitLine, run.line.Data());
    if (!run.entry.IsEmpty())
        RichEditAppend(Item(kUnitList), run.entry.Data());
    Runner().Follow();
    // A long command takes the pane a while to lay out, and the pane is
    // under a tab not chosen: it is laid out when shown or read.
    commandLater.Start(CommandPane(), run.note.Data());
}

XString ZSheetPgComp::RunText(const UnitCommand& texts, const XString& unit)
{
    if (!NeedsArgumentFile(texts))
        return texts.run;
    // Windows starts no program with a longer command line, and javac reads
    // its sources from a file as well. Unwritten, the long line is tried and
    // its failure to start is shown.
    XString folder = ToolRootFolder();
    folder.Append("\\temp");
    CreateDirectoryA(folder.Data(), nullptr);
    XString path(folder);
    path.Append("\\javacfiles.txt");
    if (!WriteArgumentFile(path.Data(), UnitArgumentList(unit)))
        return texts.run;
    argumentFile = path;
    return ArgumentFileRunText(job.displayCommand, OutputOptionText(job.options), path.Data());
}

void ZSheetPgComp::RecordRunResult(int failed)
{
    // On the runner's thread, before the run counts as ended: the next step
    // sees this unit's result and the next unit's index.
    const int index = job.currentUnit;
    if (!argumentFile.IsEmpty()) {
        DeleteFileA(argumentFile.Data());
        argumentFile.Assign("");
    }
    job.RecordResult(style, index, failed);
    if (failed) {
        ++job.failedUnits;
        UpdateErrorCount(job.failedUnits);
    }
    job.currentUnit = index + 1;
    PostMessageA(Handle(), kRunEnded, 0, 0);
}

void ZSheetPgComp::UpdateErrorCount(int count)
{
    char text[1024];
    GetWindowTextA(Item(kUnitLine), text, sizeof text);
    char* mark = std::strstr(text, kErrorCountMark);
    if (!mark)
        return;
    char* number = mark + sizeof kErrorCountMark - 1;
    std::snprintf(number, sizeof text - static_cast<size_t>(number - text), "%d)", count);
    SetPaneText(kUnitLine, text);
}

void ZSheetPgComp::Finish()
{
    KillTimer(Handle(), kStepTimer);
    stepping = 0;
    EnableWindow(Item(IDC_COMPILE_STOP), FALSE);
    EnableWindow(Item(kContinue), FALSE);
    if (style == kCompileByDirectory || style == kCompileByFile) {
        AppendErr(job.Report(style).Data(), 0);
        CommandPane().ReplaceAll("");
    }
}

void ZSheetPgComp::Resume()
{
    EnableWindow(Item(kContinue), FALSE);
    resume = 1;
}

INT_PTR ZSheetPgComp::OnContinue(WPARAM, LPARAM)
{
    Resume();
    return 0;
}

INT_PTR ZSheetPgComp::OnStop(WPARAM, LPARAM)
{
    if (seams::ShowMessage(Handle(), "Stop compiling?", "Message", MB_YESNO) != IDYES)
        return 0;
    job.compiling = 0;
    EnableWindow(Item(IDC_COMPILE_STOP), FALSE);
    Resume();
    return 0;
}

INT_PTR ZSheetPgComp::OnTabChange(WPARAM, LPARAM)
{
    ShowTabPane();
    return 0;
}

void ZSheetPgComp::ShowTabPane()
{
    const int current = TabControl(Item(IDC_RUN_TABS)).CurSel();
    for (int i = 0; i < 3; ++i)
        ShowWindow(Item(kPanes[i]), i == (current < 0 ? 0 : current) ? SW_SHOW : SW_HIDE);
}
