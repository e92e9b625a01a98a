// The real Dovrekell.exe's options dialog searching the fixed drives, run by
// dovrekell_drives_e2e.sh in a prefix whose drives are C: and the fixture
// D: (two documentation folders, a third nested inside the first, a folder
// named docs that is none, and a link back to the drive's top). Find ends
// with the two, Update lists them, and Apply with the second chosen loads
// that folder.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dovrekell_ids.h"
#include "help_settings.h"
#include "support/dovrekell_frame.h"
#include "support/list_items.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/window_text.h"

namespace {

constexpr DWORD kStartMs = 60000;
constexpr DWORD kSearchMs = 120000;
constexpr DWORD kCloseMs = 60000;

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

// The caption as the system keeps it: asked without a message, so a window
// whose thread is busy does not hold the test.
std::string StoredText(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void PostClick(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::string> FixedDrives()
{
    char roots[2040] = {};
    std::vector<std::string> drives;
    GetLogicalDriveStringsA(sizeof roots, roots);
    for (const char* root = roots; *root; root += lstrlenA(root) + 1) {
        if (GetDriveTypeA(root) == DRIVE_FIXED)
            drives.push_back(root);
    }
    return drives;
}

TEST(DovrekellDrives, FindUpdateAndApplyTheSecondFolder)
{
    // Without this prefix's own drives the search would walk the whole
    // Unix root through Z:.
    ASSERT_EQ(FixedDrives(), (std::vector<std::string>{"C:\\", "D:\\"}));
    const std::string bin = ProgramFolder() + "\\bin";
    const std::string program = bin + "\\Dovrekell.exe";
    const std::string settingsPath = bin + "\\Setting\\Dovrekell.set";
    DeleteFileA(settingsPath.c_str());

    HelpBrowserProcess browser;
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started = {};
        std::string line = "\"" + program + "\"";
        ASSERT_TRUE(
            CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    ASSERT_TRUE(browser.Attach(program, kStartMs));
    // No folder is known yet.
    ASSERT_TRUE(WaitFor([&] { return StoredText(browser.Frame()) == "error.html - Dovrekell"; }, kStartMs))
        << StoredText(browser.Frame());

    PostMessageA(browser.Frame(), WM_COMMAND, MAKEWPARAM(ID_OPTIONS_SETTING, 0), 0);
    HWND options = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (options = browser.Window("#32770", "JDK documentation options")) != nullptr; },
                        kStartMs));
    const HWND find = GetDlgItem(options, IDC_OPT_FIND);
    EXPECT_EQ(StoredText(GetDlgItem(options, IDC_OPT_RESULT)), "Result");

    // The search runs in the dialog's thread and gives the button back at its end.
    PostClick(options, IDC_OPT_FIND);
    ASSERT_TRUE(WaitFor([&] { return StoredText(find) == "Update" && IsWindowEnabled(find); }, kSearchMs))
        << StoredText(find) << " / " << StoredText(GetDlgItem(options, IDC_OPT_RESULT));
    EXPECT_EQ(StoredText(GetDlgItem(options, IDC_OPT_RESULT)), "2  JDK docs are found");
    EXPECT_EQ(SendDlgItemMessageA(options, IDC_OPT_PROGRESS, PBM_GETPOS, 0, 0), 500);

    // Update lists the two in the order found, the first chosen; it is
    // pressed once per opening of the dialog.
    const HWND folders = GetDlgItem(options, IDC_OPT_FOLDERS);
    PostClick(options, IDC_OPT_FIND);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(folders, CB_GETCOUNT, 0, 0) == 2; }, kStartMs));
    EXPECT_FALSE(IsWindowEnabled(find));
    const std::vector<std::string> found = ComboItems(folders);
    std::vector<std::string> sorted = found;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"D:\\alpha\\docs", "D:\\beta\\sub\\docs"}));
    EXPECT_EQ(SendMessageA(folders, CB_GETCURSEL, 0, 0), 0);

    // The second entry chosen and applied: the panel loads that folder.
    SendMessageA(folders, CB_SETCURSEL, 1, 0);
    PostClick(options, IDC_OPT_APPLY);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(options); }, kStartMs));
    ASSERT_TRUE(WaitFor([&] { return StoredText(browser.Frame()) == "complete.html - Dovrekell"; }, kStartMs))
        << StoredText(browser.Frame());
    const std::string chosen = found[1];
    const bool beta = chosen.find("beta") != std::string::npos;
    std::vector<std::string> pages = ListItems(GetDlgItem(browser.Panel(), IDC_INDEX_LIST));
    std::sort(pages.begin(), pages.end());
    EXPECT_EQ(pages, (std::vector<std::string>{beta ? "Beta" : "Alpha", "index"})) << chosen;
    EXPECT_TRUE(browser.Close(kCloseMs));

    // The chosen folder is the first of the history, where the next start reads it.
    HelpSettings settings;
    ASSERT_TRUE(settings.Open(settingsPath.c_str()));
    EXPECT_STREQ(settings.GetDocsFolder().Data(), chosen.c_str());
    StringList history;
    settings.GetList(HelpSettings::kDocsFolders, history);
    settings.Close();
    ASSERT_EQ(history.Count(), 2);
    EXPECT_STREQ(history.At(1)->Data(), found[0].c_str());
}

}  // namespace
