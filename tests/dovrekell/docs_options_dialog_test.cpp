// The documentation options dialog over a frame with a fake browser and two
// fixture documentation folders: the extension input refusals, the drive
// search and its Update, and Apply loading the folder the user chose.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "contents_fixture.h"
#include "controls.h"
#include "docs_options_dialog.h"
#include "dovrekell_ids.h"
#include "fake_browser.h"
#include "frame.h"
#include "help_settings_fixture.h"
#include "seams.h"
#include "support/message_pump.h"

namespace {

std::vector<std::string> optionMessages;

int RecordMessage(HWND, const char* text, const char*, UINT)
{
    optionMessages.push_back(text);
    return IDOK;
}

class DocsOptionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        InitCommonControlsEx(&controls);
        seams::ShowMessage = RecordMessage;
        optionMessages.clear();
        first = WindowsPath(BuildFixtureDocs("options/first"));
        second = WindowsPath(BuildFixtureDocs("options/second"));
        RemoveHelpSettingsFile();
        HelpSettings settings;
        ASSERT_TRUE(settings.OpenAndInit());
        StringList folders;
        folders.Add(first.c_str());
        folders.Add(second.c_str());
        settings.SetList(HelpSettings::kDocsFolders, folders);
        settings.Close();

        frame.reset(new ZFrm(document, browser));
        ASSERT_TRUE(frame->Create());
        frame->Panel().InitialUpdate();
        WaitForScan();
        dialog.reset(new DocsOptionsDialog(frame->Handle(), frame->Panel()));
        dialog->driveRoots = {XString((WindowsPath(ScratchPath("options")) + "\\").c_str())};
        ASSERT_TRUE(dialog->Create());
    }
    void TearDown() override
    {
        dialog.reset();
        DestroyWindow(frame->Handle());
        frame.reset();
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            ;
        RemoveHelpSettingsFile();
        seams::Restore();
    }
    void WaitForScan()
    {
        const DWORD start = GetTickCount();
        while (frame->Panel().busy && GetTickCount() - start < 30000)
            PumpFor(20);
        ASSERT_EQ(frame->Panel().busy, 0);
    }
    void Click(int id) { SendMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    std::string first;
    std::string second;
    ZDoc document;
    FakeBrowser browser;
    std::unique_ptr<ZFrm> frame;
    std::unique_ptr<DocsOptionsDialog> dialog;
};

TEST_F(DocsOptionsTest, AddRefusesEachBadInputWithItsText)
{
    for (const char* text : {"", "l-g", "i ni;gif", "log", "LOG;cfg"}) {
        SetDlgItemTextA(dialog->Handle(), IDC_OPT_EXTENSION_TEXT, text);
        Click(IDC_OPT_ADD);
    }
    EXPECT_EQ(optionMessages, (std::vector<std::string>{"Please input file extensions", "Bad file extension's format",
                                                        "Extension \"gif\" is not for text files",
                                                        "The extension \"LOG\" has been used already"}));
    const ComboBox extensions(dialog->Handle(), IDC_OPT_EXTENSIONS);
    ASSERT_EQ(extensions.GetCount(), 1);
    Click(IDC_OPT_REMOVE);
    EXPECT_EQ(extensions.GetCount(), 0);
}

TEST_F(DocsOptionsTest, FindThenUpdateTakesTheFoldersFound)
{
    // A documentation folder inside another one is not reported.
    for (const char* part : {"api/x.html", "guide/y.html", "index.html"})
        TouchFixtureFile(std::filesystem::path(ScratchPath("options/first/docs/api/inner/docs")) / part);
    Click(IDC_OPT_FIND);
    const Control find(dialog->Handle(), IDC_OPT_FIND);
    EXPECT_STREQ(find.GetText().Data(), "Update");
    EXPECT_TRUE(find.IsEnabled());
    EXPECT_STREQ(Control(dialog->Handle(), IDC_OPT_RESULT).GetText().Data(), "2  JDK docs are found");
    Click(IDC_OPT_FIND);
    EXPECT_FALSE(find.IsEnabled());
    const ComboBox folders(dialog->Handle(), IDC_OPT_FOLDERS);
    ASSERT_EQ(folders.GetCount(), 2);
}

TEST_F(DocsOptionsTest, ApplyLoadsTheChosenFolderOnlyWhenSomethingChanged)
{
    EXPECT_STREQ(frame->Panel().groups.DocsFolder().Data(), first.c_str());
    const size_t navigations = browser.navigations.size();
    Click(IDC_OPT_APPLY);
    EXPECT_EQ(browser.navigations.size(), navigations);  // nothing changed: no reload

    dialog.reset(new DocsOptionsDialog(frame->Handle(), frame->Panel()));
    ASSERT_TRUE(dialog->Create());
    ComboBox(dialog->Handle(), IDC_OPT_FOLDERS).SetCurSel(1);
    Click(IDC_OPT_APPLY);
    WaitForScan();
    EXPECT_STREQ(frame->Panel().groups.DocsFolder().Data(), second.c_str());
    HelpSettings settings;
    ASSERT_TRUE(settings.Open());
    EXPECT_STREQ(settings.GetDocsFolder().Data(), second.c_str());
}

}  // namespace
