// The two information dialogs: the report of a finished build, laid out and
// fitted to its lines, and the manifest editor's saving and closing answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls.h"
#include "create_info_dialog.h"
#include "create_info_text.h"
#include "info_dialogs_ids.h"
#include "manifest_dialog.h"
#include "rich_edit.h"
#include "seams.h"
#include "support/pane_text.h"
#include "support/test_files.h"
#include "window_place.h"

namespace {

TEST(CreateReportLayout, NamesArePaddedToThirtyColumns)
{
    const std::string name30(30, 'n');
    const std::string name35(35, 'n');
    const struct {
        std::string report;
        std::string laidOut;
    } cases[] = {
        {"", ""},
        {"Use javaw\ttrue\n", "Use javaw" + std::string(21, ' ') + "true\n"},
        // Every tab after the name goes; a later one in the value stays.
        {"Icon\t\t\tdefault\n", "Icon" + std::string(26, ' ') + "default\n"},
        {"a\tb\tc\n", "a" + std::string(29, ' ') + "b\tc\n"},
        {"\tvalue\n", std::string(30, ' ') + "value\n"},
        {"name\t\n", "name" + std::string(26, ' ') + "\n"},
        // A name of 30 or more keeps its value right after it, not cut.
        {name30 + "\tv\n", name30 + "v\n"},
        {name35 + "\tv\n", name35 + "v\n"},
        // Lines without a tab are copied, blank lines kept, the last one ended.
        {"Create for\tWindows exe\n\nplain line", "Create for" + std::string(20, ' ') + "Windows exe\n\nplain line\n"},
        {"\n\n", "\n\n"},
        {"Compression\ttrue\r\nx\r\n", "Compression" + std::string(19, ' ') + "true\nx\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(LayOutCreateReport(c.report.c_str()).Data()), c.laidOut) << c.report;
}

TEST(CreateReportLayout, ALongTitleBreaksOnceAfterAFolder)
{
    const struct {
        const char* title;
        int lineChars;
        const char* shown;
    } cases[] = {
        {"C:\\out\\a.exe", 20, "C:\\out\\a.exe"},
        {"C:\\out\\a.exe", 12, "C:\\out\\\na.exe"},
        // The separator at the position itself counts; the last one before it wins.
        {"C:\\ab\\cd\\efgh", 8, "C:\\ab\\cd\\\nefgh"},
        {"C:\\ab\\cd\\efgh", 7, "C:\\ab\\\ncd\\efgh"},
        {"C:/ab/cd/efgh", 7, "C:/ab/\ncd/efgh"},
        {"\\abcdefghijk", 5, "\\\nabcdefghijk"},
        // Exactly that long, ending in a separator: the break goes at the end.
        {"C:\\out\\", 7, "C:\\out\\\n"},
        // Nothing to break at: left as it is.
        {"abcdefghijklmnop", 5, "abcdefghijklmnop"},
        {"C:\\out\\a.exe", 0, "C:\\out\\a.exe"},
        {"", 4, ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(BreakCreateTitle(c.title, c.lineChars).Data(), c.shown) << c.title << " " << c.lineChars;
}

RECT ScreenRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

bool IsShown(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<std::string> openedHelp;
HWND RecordHelp(HWND, const char* file, UINT, DWORD_PTR)
{
    openedHelp.push_back(file);
    return nullptr;
}

class CreateInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 100, 80, 900, 700, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
        info.reset(new DlgCreateInfo(owner));
        ASSERT_TRUE(info->Create());
        openedHelp.clear();
        seams::OpenHelp = RecordHelp;
    }
    void TearDown() override
    {
        info.reset();
        if (owner)
            DestroyWindow(owner);
        seams::Restore();
    }

    HWND Item(int id) { return info->Item(id); }
    std::string ReportText()
    {
        const XString text = RichEdit(Item(IDC_CREATE_INFO_REPORT)).GetText();
        return PaneLines(text);
    }
    std::string TitleText() { return Control(Item(IDC_CREATE_INFO_TITLE)).GetText().Data(); }
    RECT InDialog(int id) { return PlaceInParent(Item(id)); }

    HWND owner = nullptr;
    std::unique_ptr<DlgCreateInfo> info;
};

TEST_F(CreateInfoTest, ShowResultFillsFitsAndCentresTheReport)
{
    EXPECT_FALSE(IsShown(info->Handle()));
    const char* shortReport = "Create for\tWindows exe\n\nUse javaw\ttrue\n";
    info->ShowResult(DlgCreateInfo::kExe, "C:\\out\\demo.exe", shortReport);
    EXPECT_TRUE(IsShown(info->Handle()));
    EXPECT_EQ(TitleText(), "C:\\out\\demo.exe");
    EXPECT_EQ(ReportText(), LayOutCreateReport(shortReport).Data());
    const RECT shortReportRect = InDialog(IDC_CREATE_INFO_REPORT);
    const RECT shortDialog = ScreenRect(info->Handle());

    // Four lines more: the report and the dialog grow by four lines each.
    const char* longReport = "Create for\tWindows exe\n\nUse javaw\ttrue\na\n\nb\nc\n";
    info->ShowResult(DlgCreateInfo::kExe, "C:\\out\\demo.exe", longReport);
    const RECT report = InDialog(IDC_CREATE_INFO_REPORT);
    const RECT dialog = ScreenRect(info->Handle());
    const int lineHeight = ((report.bottom - report.top) - (shortReportRect.bottom - shortReportRect.top)) / 4;
    EXPECT_GT(lineHeight, 5);
    EXPECT_EQ((report.bottom - report.top) - (shortReportRect.bottom - shortReportRect.top), 4 * lineHeight);
    EXPECT_EQ((dialog.bottom - dialog.top) - (shortDialog.bottom - shortDialog.top), 4 * lineHeight);
    // Every line has its height, and a little more: the last one shows whole.
    EXPECT_EQ(report.bottom - report.top, 8 * lineHeight + 8);
    HWND reportEdit = Item(IDC_CREATE_INFO_REPORT);
    const int lastLineStart = static_cast<int>(SendMessageA(reportEdit, EM_LINEINDEX, 7, 0));
    POINTL lastLine = {};
    SendMessageA(reportEdit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&lastLine), lastLineStart);
    RECT reportClient;
    GetClientRect(reportEdit, &reportClient);
    EXPECT_EQ(SendMessageA(reportEdit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_LE(lastLine.y + lineHeight, reportClient.bottom);

    // "Close" 8 pixels below the report, in the middle; the dialog over the middle of its owner.
    const RECT close = InDialog(IDC_INFO_CLOSE);
    RECT client;
    GetClientRect(info->Handle(), &client);
    EXPECT_EQ(close.top, report.bottom + 8);
    EXPECT_LE(abs((close.left + close.right) - client.right), 1);
    EXPECT_EQ(client.bottom, close.bottom + 20);
    const RECT over = ScreenRect(owner);
    EXPECT_LE(abs((dialog.left + dialog.right) - (over.left + over.right)), 1);
    EXPECT_LE(abs((dialog.top + dialog.bottom) - (over.top + over.bottom)), 1);
}

TEST_F(CreateInfoTest, ALongTitleWrapsAfterAFolder)
{
    std::string title = "C:";
    for (int i = 0; i < 20; ++i)
        title += "\\folder" + std::to_string(i);
    title += "\\demo.exe";
    info->ShowResult(DlgCreateInfo::kExe, title.c_str(), "x\n");
    const std::string shown = TitleText();
    const size_t at = shown.find('\n');
    ASSERT_NE(at, std::string::npos) << shown;
    EXPECT_EQ(shown.find('\n', at + 1), std::string::npos) << shown;
    EXPECT_EQ(shown[at - 1], '\\');
    EXPECT_EQ(shown.substr(0, at) + shown.substr(at + 1), title);
    // Broken where the static's width ends, not early.
    EXPECT_GT(at, 20u) << shown;

    // A jar's title keeps its own lines.
    const std::string jarTitle = "C:\\out\\demo.jar\nhas been created successfully\n\nInformation:\n\n";
    info->ShowResult(DlgCreateInfo::kJar, jarTitle.c_str(), "x\n");
    EXPECT_EQ(TitleText(), jarTitle);
}

TEST_F(CreateInfoTest, CloseHidesAndEnterDoesNothing)
{
    info->ShowResult(DlgCreateInfo::kExe, "C:\\out\\demo.exe", "x\n");
    SendMessageA(info->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(IsShown(info->Handle()));
    SendMessageA(Item(IDC_INFO_CLOSE), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsShown(info->Handle()));
    // Hidden, not gone: the next build shows it again, as do the caption's close and Escape.
    for (UINT message : {WM_CLOSE, WM_COMMAND}) {
        ASSERT_TRUE(IsWindow(info->Handle()));
        info->ShowResult(DlgCreateInfo::kJar, "C:\\out\\demo.jar", "y\n");
        EXPECT_TRUE(IsShown(info->Handle()));
        SendMessageA(info->Handle(), message, message == WM_COMMAND ? MAKEWPARAM(IDCANCEL, BN_CLICKED) : 0, 0);
        EXPECT_FALSE(IsShown(info->Handle())) << message;
    }
    EXPECT_TRUE(IsWindow(info->Handle()));
}

TEST_F(CreateInfoTest, TheCaptionsHelpOpensThePageOfTheResultsKind)
{
    const struct {
        int kind;
        const char* topic;
    } cases[] = {
        {DlgCreateInfo::kExe, "\\quenlow.chm::\\html\\feature\\creating\\01creatingExe.htm"},
        {DlgCreateInfo::kJar, "\\quenlow.chm::\\html\\feature\\creating\\02creatingJar.htm"},
    };
    for (const auto& c : cases) {
        openedHelp.clear();
        info->ShowResult(c.kind, "C:\\out\\demo", "x\n");
        SendMessageA(info->Handle(), WM_NCLBUTTONDOWN, HTHELP, 0);
        ASSERT_EQ(openedHelp.size(), 1u) << c.topic;
        const std::string& file = openedHelp[0];
        ASSERT_GE(file.size(), strlen(c.topic));
        EXPECT_EQ(file.substr(file.size() - strlen(c.topic)), c.topic);
    }
    // Other caption clicks are left to the system.
    openedHelp.clear();
    SendMessageA(info->Handle(), WM_NCLBUTTONDOWN, HTNOWHERE, 0);
    EXPECT_TRUE(openedHelp.empty());
}

// The manifest editor, driven by a timer while its modal loop runs: one step
// per tick, each message box answered from a list.
enum StepKind { kType, kSave, kEnter, kEscape, kClose, kCloseButton, kRemoveFile };
struct Step {
    StepKind kind;
    const char* text;  // kType: the new text
};

struct Drive {
    std::string path;
    DlgManifest* dialog = nullptr;
    std::vector<Step> steps;
    size_t next = 0;
    int ticks = 0;
    std::vector<int> answers;
    std::vector<std::string> asked;
    std::string captionSeen;
    std::string textSeen;
};
Drive drive;

constexpr int kTickMs = 20;
constexpr int kGiveUpTicks = 250;
constexpr INT_PTR kTimedOut = -2;

int AnswerMessage(HWND, const char* text, const char* caption, UINT type)
{
    drive.asked.push_back(std::string(caption) + "|" + text + "|" + std::to_string(type));
    if (drive.answers.empty())
        return IDOK;
    const int answer = drive.answers.front();
    drive.answers.erase(drive.answers.begin());
    return answer;
}

void CALLBACK DriveTick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND window = drive.dialog->Handle();
    if (++drive.ticks > kGiveUpTicks) {
        drive.dialog->EndDialog(kTimedOut);
        return;
    }
    if (!window || drive.next >= drive.steps.size())
        return;
    if (drive.next == 0) {
        drive.captionSeen = Control(window).GetText().Data();
        drive.textSeen = Control(window, IDC_MANIFEST_TEXT).GetText().Data();
    }
    const Step& step = drive.steps[drive.next++];
    switch (step.kind) {
    case kType: SetDlgItemTextA(window, IDC_MANIFEST_TEXT, step.text); break;
    case kSave: SendMessageA(GetDlgItem(window, IDC_MANIFEST_SAVE), BM_CLICK, 0, 0); break;
    case kEnter: SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); break;
    case kEscape: SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;
    case kClose: PostMessageA(window, WM_CLOSE, 0, 0); break;
    case kCloseButton: SendMessageA(GetDlgItem(window, IDC_INFO_CLOSE), BM_CLICK, 0, 0); break;
    case kRemoveFile: RemoveFile(drive.path); break;
    }
}

constexpr const char kCanNotSave[] = "Message|Can not save file|0";
const std::string kModified =
    "Message|The file is modified,\ndo you want to save change?|" + std::to_string(MB_YESNOCANCEL);

TEST(ManifestEditor, SavesAndClosesAsTheUserAnswers)
{
    const char* original = "Manifest-Version: 1.0\r\nMain-Class: demo.Main\r\n";
    const char* edited = "Main-Class: x\r\n";
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> answers;
        std::vector<std::string> asked;
        const char* fileAfter;  // null: the file is gone
    } cases[] = {
        {"unchanged closes at once", {{kCloseButton, nullptr}}, {}, {}, original},
        // A shorter text leaves nothing of the longer one behind.
        {"save writes, close asks nothing", {{kType, edited}, {kSave, nullptr}, {kCloseButton, nullptr}}, {}, {}, edited},
        {"yes saves", {{kType, edited}, {kClose, nullptr}}, {IDYES}, {kModified}, edited},
        {"no leaves the file", {{kType, edited}, {kClose, nullptr}}, {IDNO}, {kModified}, original},
        {"cancel keeps it open", {{kType, edited}, {kCloseButton, nullptr}, {kClose, nullptr}}, {IDCANCEL, IDNO},
         {kModified, kModified}, original},
        {"enter does not close", {{kType, edited}, {kEnter, nullptr}, {kClose, nullptr}}, {IDNO}, {kModified}, original},
        {"escape asks too", {{kType, edited}, {kEscape, nullptr}}, {IDYES}, {kModified}, edited},
        // A file that went away is not made again; the editor says so and stays.
        {"save fails", {{kRemoveFile, nullptr}, {kType, edited}, {kSave, nullptr}, {kClose, nullptr}}, {IDOK, IDNO},
         {kCanNotSave, kModified}, nullptr},
        {"yes fails and stays open", {{kRemoveFile, nullptr}, {kType, edited}, {kClose, nullptr}, {kClose, nullptr}},
         {IDYES, IDOK, IDNO}, {kModified, kCanNotSave, kModified}, nullptr},
    };
    seams::ShowMessage = AnswerMessage;
    for (const auto& c : cases) {
        drive = Drive();
        drive.path = ScratchPath("manifest.mf");
        ASSERT_TRUE(WriteFileBytes(drive.path, original));
        drive.steps = c.steps;
        drive.answers = c.answers;
        DlgManifest editor(nullptr, drive.path.c_str(), original);
        drive.dialog = &editor;
        const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, DriveTick);
        const INT_PTR result = editor.DoModal();
        KillTimer(nullptr, timer);

        EXPECT_NE(result, kTimedOut) << c.name;
        EXPECT_EQ(drive.next, c.steps.size()) << c.name;
        EXPECT_EQ(drive.captionSeen, "Manifest file - " + drive.path) << c.name;
        EXPECT_EQ(drive.textSeen, original) << c.name;
        EXPECT_EQ(drive.asked, c.asked) << c.name;
        EXPECT_EQ(FileExists(drive.path), c.fileAfter != nullptr) << c.name;
        if (c.fileAfter) {
            EXPECT_EQ(ReadFileBytes(drive.path), c.fileAfter) << c.name;
        }
    }
    seams::Restore();
}

}  // namespace
