// The help browser's frame in this process, around a fake browser: the bars,
// the right column's two views, navigation with its history, the commands
// and their states, and the Font drop-down.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app.h"
#include "dovrekell_ids.h"
#include "fake_browser.h"
#include "frame.h"
#include "help_settings_fixture.h"
#include "seams.h"
#include "support/message_pump.h"
#include "support/test_files.h"
#include "web_browser_pane.h"

namespace {

int Height(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

struct PopupCall {
    HMENU menu;
    int x;
    int y;
    HWND owner;
    std::vector<UINT> items;
};
std::vector<PopupCall> popups;

BOOL RecordPopup(HMENU menu, UINT, int x, int y, HWND owner)
{
    PopupCall call{menu, x, y, owner, {}};
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        call.items.push_back(GetMenuItemID(menu, i));
    popups.push_back(call);
    return TRUE;
}

std::vector<std::string> messages;

int RecordMessage(HWND, const char* text, const char* caption, UINT)
{
    messages.push_back(std::string(caption) + "|" + text);
    return IDOK;
}

std::vector<std::string> shellOpened;

HINSTANCE RecordShellOpen(HWND, const char*, const char* file, const char*, const char*, int)
{
    shellOpened.push_back(file);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

// Seen inside the About box's modal loop: its link over the placeholder.
struct AboutSeen {
    bool found = false;
    bool placeholderHidden = false;
    std::string linkClass;
    RECT linkPlace = {};
    RECT placeholderPlace = {};
} aboutSeen;

void CALLBACK LookAtAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND about = FindWindowA(nullptr, "Help system of JDK Docs");
    if (!about)
        return;
    KillTimer(nullptr, timer);
    aboutSeen.found = true;
    HWND placeholder = GetDlgItem(about, IDC_ABOUT_LINK);
    HWND link = GetDlgItem(about, 100);
    aboutSeen.placeholderHidden = placeholder && !IsWindowVisible(placeholder);
    if (link) {
        char name[64] = {};
        GetClassNameA(link, name, sizeof name);
        aboutSeen.linkClass = name;
        GetWindowRect(link, &aboutSeen.linkPlace);
        GetWindowRect(placeholder, &aboutSeen.placeholderPlace);
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    PostMessageA(about, WM_COMMAND, IDOK, 0);
}

class HelpFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        InitCommonControlsEx(&controls);
        popups.clear();
        messages.clear();
        seams::TrackPopup = RecordPopup;
        seams::ShowMessage = RecordMessage;
        seams::ShellOpen = RecordShellOpen;
        shellOpened.clear();
        // Not shown: nothing here reads the screen, and Wine without a window
        // manager waits up to two seconds to take a shown frame away.
        ASSERT_TRUE(frame.Create());
        PumpFor(50);
    }
    void TearDown() override
    {
        DestroyWindow(frame.Handle());
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            ;
        seams::Restore();
    }

    void Command(UINT id) { SendMessageA(frame.Handle(), WM_COMMAND, id, 0); }
    bool ButtonEnabled(UINT id) { return frame.Tools().IsButtonEnabled(static_cast<int>(id)); }
    void Resize(int width, int height)
    {
        SetWindowPos(frame.Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        PumpFor(20);
    }
    // The menu state a user sees when the menu opens.
    bool MenuItemEnabled(UINT id)
    {
        HMENU bar = GetMenu(frame.Handle());
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            HMENU popup = GetSubMenu(bar, i);
            SendMessageA(frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), i);
            for (int j = 0; j < GetMenuItemCount(popup); ++j) {
                if (HMENU inner = GetSubMenu(popup, j))
                    SendMessageA(frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(inner), j);
            }
        }
        const UINT state = GetMenuState(bar, id, MF_BYCOMMAND);
        EXPECT_NE(state, static_cast<UINT>(-1)) << id;
        return (state & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    ZDoc document;
    FakeBrowser browser;
    ZFrm frame{document, browser};
};

TEST_F(HelpFrameTest, OpensWithItsBarsAndPanes)
{
    const ToolBar& tools = frame.Tools();
    ASSERT_EQ(tools.ButtonCount(), 5);
    const struct {
        UINT command;
        const char* text;
    } buttons[] = {{ID_PAGE_BACK, "Back"},
                   {ID_PAGE_FORWARD, "Forward"},
                   {ID_PAGE_STOP, "Stop"},
                   {ID_PAGE_REFRESH, "Refresh"},
                   {ID_FONT_BUTTON, "Font"}};
    for (const auto& button : buttons)
        EXPECT_STREQ(tools.ButtonText(static_cast<int>(button.command)).Data(), button.text);
    EXPECT_EQ(frame.Status().PartCount(), 4);
    EXPECT_TRUE(FrameWindow::IsBarShown(frame.Bars().Handle()));
    EXPECT_TRUE(FrameWindow::IsBarShown(frame.Status().Handle()));
    EXPECT_EQ(GetParent(tools.Handle()), frame.Bars().Handle());

    // Left panel and the right column, the HTML view with its whole height.
    EXPECT_EQ(frame.Outer().ColumnWidth(0), 250);
    EXPECT_GT(frame.Outer().ColumnWidth(1), 0);
    EXPECT_TRUE(frame.HtmlShown());
    EXPECT_GT(Height(frame.HtmlView().Window()), 0);
    EXPECT_EQ(Height(frame.OtherView().Handle()), 0);
    char caption[64] = {};
    GetWindowTextA(frame.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Untitled - Dovrekell");
}

// The message part takes what the three key indicators (40 pixels each, the
// last to the bar's end) leave, at every width the frame is given, also
// when the bar was hidden while the frame changed.
TEST_F(HelpFrameTest, StatusPartsFollowEveryWidth)
{
    const HWND bar = frame.Status().Handle();
    const struct {
        int width;
        bool hiddenWhileSized;
    } steps[] = {{500, false}, {800, false}, {1200, false}, {500, true}, {1200, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.width);
        if (step.hiddenWhileSized)
            Command(ID_VIEW_STATUS_BAR);
        Resize(step.width, 500);
        if (step.hiddenWhileSized)
            Command(ID_VIEW_STATUS_BAR);
        RECT client;
        GetClientRect(bar, &client);
        RECT frameClient;
        GetClientRect(frame.Handle(), &frameClient);
        EXPECT_EQ(client.right, frameClient.right);
        int edges[4] = {};
        ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 4);
        const int expected[4] = {client.right - 120, client.right - 80, client.right - 40, -1};
        for (int part = 0; part < 4; ++part)
            EXPECT_EQ(edges[part], expected[part]) << "part " << part;
    }
}

TEST_F(HelpFrameTest, OtherFileTakesTheColumnAndDisablesThePageCommands)
{
    frame.OpenLocation("C:\\docs\\readme.txt", true);
    EXPECT_FALSE(frame.HtmlShown());
    EXPECT_STREQ(frame.OtherView().Path().Data(), "C:\\docs\\readme.txt");
    EXPECT_STREQ(frame.OtherView().Extension().Data(), "txt");
    EXPECT_TRUE(browser.navigations.empty());
    EXPECT_STREQ(frame.GetCurrentLocation().Data(), "C:\\docs\\readme.txt");
    char caption[64] = {};
    GetWindowTextA(frame.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "readme.txt - Dovrekell");

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round ? "after WM_SIZE" : "at once");
        EXPECT_EQ(Height(frame.HtmlView().Window()), 0);
        EXPECT_GT(Height(frame.OtherView().Handle()), 100);
        for (UINT id : {ID_PAGE_STOP, ID_PAGE_REFRESH, ID_FONT_BUTTON})
            EXPECT_FALSE(ButtonEnabled(id)) << id;
        EXPECT_TRUE(ButtonEnabled(ID_PAGE_BACK));
        for (UINT id : {ID_PAGE_STOP, ID_PAGE_REFRESH, ID_PAGE_FIND, ID_FONT_LARGEST, ID_FONT_SMALLEST})
            EXPECT_FALSE(MenuItemEnabled(id)) << id;
        Resize(700, 500);
    }
    // A disabled command does nothing, also from its key.
    Command(ID_PAGE_REFRESH);
    EXPECT_EQ(browser.refreshes, 0);
}

TEST_F(HelpFrameTest, HtmlNavigatesAndBackForwardWalkTheHistory)
{
    frame.OpenLocation("C:\\docs\\a.html", true);
    frame.OpenLocation("C:\\docs\\b.txt", true);
    frame.OpenLocation("C:\\docs\\c.htm", true);
    EXPECT_TRUE(frame.HtmlShown());
    EXPECT_GT(Height(frame.HtmlView().Window()), 100);
    EXPECT_EQ(Height(frame.OtherView().Handle()), 0);
    EXPECT_TRUE(ButtonEnabled(ID_PAGE_STOP));
    EXPECT_TRUE(MenuItemEnabled(ID_FONT_MEDIUM));
    EXPECT_TRUE(MenuItemEnabled(ID_PAGE_FIND));
    EXPECT_EQ(frame.History().Count(), 3);
    EXPECT_EQ(browser.navigations, (std::vector<std::string>{"C:\\docs\\a.html", "C:\\docs\\c.htm"}));

    // A link followed inside the page is recorded once; the same page again is not.
    browser.FollowLink("C:\\docs\\d.html");
    browser.FollowLink("C:\\docs\\D.HTML");
    EXPECT_EQ(frame.History().Count(), 4);
    EXPECT_STREQ(frame.GetCurrentLocation().Data(), "C:\\docs\\D.HTML");

    Command(ID_PAGE_BACK);  // c.htm
    Command(ID_PAGE_BACK);  // b.txt
    EXPECT_FALSE(frame.HtmlShown());
    EXPECT_STREQ(frame.GetCurrentLocation().Data(), "C:\\docs\\b.txt");
    Command(ID_PAGE_BACK);  // a.html
    Command(ID_PAGE_BACK);  // the start: nothing
    EXPECT_TRUE(frame.HtmlShown());
    EXPECT_EQ(browser.navigations.back(), "C:\\docs\\a.html");
    EXPECT_EQ(frame.History().Count(), 4);
    Command(ID_PAGE_FORWARD);
    EXPECT_STREQ(frame.GetCurrentLocation().Data(), "C:\\docs\\b.txt");

    // Opening a new location drops the entries ahead.
    frame.OpenLocation("C:\\docs\\e.html", true);
    EXPECT_EQ(frame.History().Count(), 3);
    Command(ID_PAGE_FORWARD);
    EXPECT_STREQ(frame.GetCurrentLocation().Data(), "C:\\docs\\e.html");

    // Keys: F5 refreshes, Alt+Left goes back, through the loop's filters.
    MSG key = {frame.HtmlView().Window(), WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    EXPECT_TRUE(App::PreTranslate(key));
    EXPECT_EQ(browser.refreshes, 1);
    Command(ID_PAGE_STOP);
    EXPECT_EQ(browser.stops, 1);
}

TEST_F(HelpFrameTest, FontDropDownAndItemsSetTheZoom)
{
    frame.OpenLocation("C:\\docs\\index.html", true);
    NMTOOLBARA pressed = {};
    pressed.hdr.hwndFrom = frame.Tools().Handle();
    pressed.hdr.idFrom = IDW_TOOLBAR;
    pressed.hdr.code = TBN_DROPDOWN;
    pressed.iItem = ID_FONT_BUTTON;
    EXPECT_EQ(SendMessageA(frame.Handle(), WM_NOTIFY, IDW_TOOLBAR, reinterpret_cast<LPARAM>(&pressed)), 0);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].owner, frame.Handle());
    const std::vector<UINT> fontItems = {ID_FONT_LARGEST, ID_FONT_LARGE, ID_FONT_MEDIUM, ID_FONT_SMALL,
                                         ID_FONT_SMALLEST};
    EXPECT_EQ(popups[0].items, fontItems);
    RECT button = frame.Tools().CommandRect(ID_FONT_BUTTON);
    MapWindowPoints(frame.Tools().Handle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(popups[0].x, button.left);
    EXPECT_EQ(popups[0].y, button.bottom + 1);

    // Another button's arrow opens nothing.
    pressed.iItem = ID_PAGE_BACK;
    SendMessageA(frame.Handle(), WM_NOTIFY, IDW_TOOLBAR, reinterpret_cast<LPARAM>(&pressed));
    EXPECT_EQ(popups.size(), 1u);

    for (UINT id : fontItems)
        Command(id);
    EXPECT_EQ(browser.zooms, (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST_F(HelpFrameTest, AboutBoxShowsItsLinkOverThePlaceholder)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtAbout);
    Command(ID_HELP_ABOUT);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(aboutSeen.found);
    EXPECT_TRUE(aboutSeen.placeholderHidden);
    EXPECT_EQ(aboutSeen.linkClass, "QuenlowLinkLabel");
    EXPECT_TRUE(EqualRect(&aboutSeen.linkPlace, &aboutSeen.placeholderPlace));
    EXPECT_EQ(shellOpened, (std::vector<std::string>{"https://quenlow.example.org/"}));
}

TEST_F(HelpFrameTest, DocsLocationMessage)
{
    Command(ID_HELP_DOCS_LOCATION);
    frame.Panel().groups.SetDocsFolder("C:\\jdk\\docs\\index.html");
    Command(ID_HELP_DOCS_LOCATION);
    EXPECT_EQ(messages, (std::vector<std::string>{"Message|\nJDK documentation has not been initialized\n",
                                                  "Message|\nC:\\jdk\\docs\n\n"}));
}

// The real browser control behind the view: it takes the location (it shows
// nothing under Wine, where no document loads), and zoom and find fail softly.
TEST(HelpFrameBrowser, RealBrowserTakesTheLocation)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        const std::string page = ScratchPath("page.html");
        ASSERT_TRUE(WriteFileBytes(page, "<html><body>one two one</body></html>"));
        ZDoc document;
        WebBrowserPane browser;
        ZFrm frame(document, browser);
        ASSERT_TRUE(frame.Create());
        frame.OpenLocation(page.c_str(), true);
        const DWORD start = GetTickCount();
        while (frame.GetCurrentLocation().IsEmpty() && GetTickCount() - start < 10000)
            PumpFor(50);
        EXPECT_NE(std::string(frame.GetCurrentLocation().Data()).find("page.html"), std::string::npos);
        SendMessageA(frame.Handle(), WM_COMMAND, ID_FONT_LARGEST, 0);
        EXPECT_FALSE(frame.HtmlView().FindText("one", 0, true));
        DestroyWindow(frame.Handle());
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            ;
    }
    OleUninitialize();
}

}  // namespace

namespace {

// Twenty closes in a row during a simulated scan, each its own process.
// The exit code of the close harness run with the arguments; 1 when it hung.
DWORD RunCloseHarness(const std::string& arguments, DWORD* waited)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" DOVREKELL_CLOSE_HARNESS "\"" + arguments;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 4;
    *waited = WaitForSingleObject(process.hProcess, 60000);
    if (*waited != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// Enough files that the scan is still running when the close comes; made
// once for the tests below.
const std::string& BusyDocs()
{
    static const std::string docs = [] {
        const std::string folder = ScratchPath("close\\docs");
        CreateDirectoryA(ScratchPath("close").c_str(), nullptr);
        for (const char* sub : {"", "\\api", "\\guide"})
            CreateDirectoryA((folder + sub).c_str(), nullptr);
        WriteFileBytes(folder + "\\index.html", "x");
        for (int i = 0; i < 3000; ++i)
            WriteFileBytes(folder + "\\api\\page" + std::to_string(i) + ".html", "x");
        return folder;
    }();
    return docs;
}

TEST(HelpFrameClose, ClosingDuringTheRealScanWaitsForIt)
{
    RemoveHelpSettingsFile();
    const std::string& docs = BusyDocs();
    for (int run = 0; run < 20; ++run) {
        DWORD waited = 0;
        const DWORD code = RunCloseHarness(" \"" + docs + "\"", &waited);
        ASSERT_EQ(waited, WAIT_OBJECT_0) << "run " << run;
        ASSERT_EQ(code, 0u) << "run " << run;
    }
    RemoveHelpSettingsFile();
}

TEST(HelpFrameClose, NoThreadOutlivesTheFrameDestroyedDuringADownloadAndAScan)
{
    RemoveHelpSettingsFile();
    const std::string& docs = BusyDocs();
    for (int run = 0; run < 3; ++run) {
        DWORD waited = 0;
        const DWORD code = RunCloseHarness(" --destroy-busy \"" + docs + "\"", &waited);
        ASSERT_EQ(waited, WAIT_OBJECT_0) << "run " << run;
        ASSERT_EQ(code, 0u) << "run " << run;
    }
    RemoveHelpSettingsFile();
}

TEST(HelpFrameClose, WaitsForTheScanAndEndsWithCodeZero)
{
    for (int run = 0; run < 20; ++run) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        char commandLine[MAX_PATH + 2] = "\"" DOVREKELL_CLOSE_HARNESS "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process));
        const DWORD waited = WaitForSingleObject(process.hProcess, 60000);
        if (waited != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_EQ(waited, WAIT_OBJECT_0) << "run " << run;
        ASSERT_EQ(code, 0u) << "run " << run;
    }
}

}  // namespace
