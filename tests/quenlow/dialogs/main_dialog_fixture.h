#pragma once
// The main dialog opened on a settings file of its own in a scratch folder,
// with its message boxes and file dialogs answered by the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_dialog.h"
#include "main_dialog_ids.h"
#include "rich_edit.h"
#include "seams.h"
#include "support/message_pump.h"
#include "support/pane_text.h"
#include "support/test_files.h"

class MainDialogTest : public ::testing::Test {
protected:
    static constexpr DWORD kRunLimitMs = 90000;

    struct ShownMessage {
        std::string text;
        std::string caption;
    };
    static inline std::vector<ShownMessage> shownMessages;

    static int RecordMessage(HWND, const char* text, const char* caption, UINT)
    {
        shownMessages.push_back({text, caption});
        return IDOK;
    }

    // What the file dialog is asked, and the path the "user" picks in it.
    static inline std::string pickedPath;
    static inline std::string askedFolder;
    static inline std::string askedFilter;
    static BOOL PickFile(OPENFILENAMEA* request)
    {
        askedFolder = request->lpstrInitialDir ? request->lpstrInitialDir : "";
        askedFilter = request->lpstrFilter ? request->lpstrFilter : "";
        lstrcpynA(request->lpstrFile, pickedPath.c_str(), static_cast<int>(request->nMaxFile));
        return TRUE;
    }

    static void PumpFor(DWORD ms) { ::PumpFor(ms); }

    static std::string SampleClass()
    {
        return std::string(QUENLOW_SAMPLE_CLASSES) + "\\demo\\Main.class";
    }

    void SetUp() override
    {
        ASSERT_TRUE(LoadRichEditLibrary());
        folder = ScratchPath(::testing::UnitTest::GetInstance()->current_test_info()->name());
        CreateDirectoryA(folder.c_str(), nullptr);
        settingsPath = folder + "\\Quenlow.set";
        shownMessages.clear();
        seams::ShowMessage = RecordMessage;
    }
    void TearDown() override
    {
        CloseDialog();
        seams::Restore();
    }

    void OpenDialog()
    {
        ASSERT_TRUE(settings.OpenAndInit(settingsPath.c_str()));
        dialog.reset(new MainDlg(settings, nullptr, settingsPath.c_str()));
        ASSERT_TRUE(dialog->Create());
        PumpFor(50);
    }
    // Closing saves the histories and options into the file.
    void CloseDialog()
    {
        if (dialog) {
            DestroyWindow(dialog->Handle());
            dialog.reset();
        }
        settings.Close();
    }

    HWND Item(int id) { return dialog->Item(id); }
    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    bool IsShown(int id) { return (GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool IsEnabled(int id) { return IsWindowEnabled(Item(id)) != FALSE; }
    void SetText(int id, const std::string& text) { SetWindowTextA(Item(id), text.c_str()); }

    // The action showed exactly one message box: this text, caption "Message".
    static void ExpectOneMessage(const std::string& text, const std::string& context)
    {
        ASSERT_EQ(shownMessages.size(), 1u) << context;
        EXPECT_EQ(shownMessages[0].text, text) << context;
        EXPECT_EQ(shownMessages[0].caption, "Message") << context;
    }

    std::string PaneText() { return PaneLines(RichEdit(Item(IDC_OUTPUT_PANE)).GetText()); }
    bool WaitForPane(const std::string& part)
    {
        for (DWORD waited = 0; waited < kRunLimitMs; waited += 50) {
            if (PaneText().find(part) != std::string::npos)
                return true;
            PumpFor(50);
        }
        return false;
    }

    std::string folder;
    std::string settingsPath;
    SettingsFile settings;
    std::unique_ptr<MainDlg> dialog;
};
