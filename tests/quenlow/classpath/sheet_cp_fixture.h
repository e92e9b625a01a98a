#pragma once
// The class-path sheet playing a script of window messages from its own
// timer, on a settings file of the test's own, with its message boxes and
// pickers answered by the test.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classpath_sheet_ids.h"
#include "controls.h"
#include "seams.h"
#include "settings/settings_file.h"
#include "sheet_cp.h"
#include "support/test_files.h"


inline constexpr char kCaption[] = "Classpaths - for exe files and features in Windows explorer";
inline constexpr UINT_PTR kScriptTimer = 77;
inline constexpr WPARAM kApplyButton = 0x3021;
inline constexpr int kMostTicks = 300;  // twelve seconds of 40 ms ticks
inline const int kForBoxes[] = {IDC_CP_FOR_EXE, IDC_CP_FOR_DOUBLE_CLICK, IDC_CP_FOR_CLASS_INFO, IDC_CP_FOR_COMPILE,
                         IDC_CP_FOR_EXECUTE};
enum { kSystem, kUser, kSibling, kOneForAll };

// The sheet playing a script from its own window, one step per tick; a
// script that does not close the sheet is closed with Cancel.
class ScriptedSheet : public SheetCp {
public:
    using Step = std::function<void(ScriptedSheet&)>;

    ScriptedSheet(const std::string& settingsPath, std::vector<Step> steps)
        : SheetCp(kCaption, nullptr, 0, settingsPath.c_str()), steps(std::move(steps)) {}

    HWND Item(int page, int id) const { return GetDlgItem(Page(page).Handle(), id); }
    void Show(int page) const { SetActivePage(page); }
    void Click(int page, int id) const
    {
        Show(page);
        SendMessageA(Item(page, id), BM_CLICK, 0, 0);
    }
    int Checked(int page, int id) const { return static_cast<int>(SendMessageA(Item(page, id), BM_GETCHECK, 0, 0)); }
    void Apply() const
    {
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(kApplyButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(Handle(), kApplyButton)));
    }
    void Close() const { PropSheet_PressButton(Handle(), PSBTN_CANCEL); }
    std::vector<std::string> Entries(int page, int id) const
    {
        std::vector<std::string> entries;
        ListBox list(Item(page, id));
        for (int i = 0; i < list.GetCount(); ++i)
            entries.push_back(list.GetItemText(i).Data());
        return entries;
    }
    void SelectEntry(int page, int id, const char* text) const
    {
        HWND list = Item(page, id);
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text));
        SendMessageA(list, LB_SETSEL, TRUE, index);
    }
    bool ran = false;

protected:
    void OnInitSheet() override
    {
        SheetCp::OnInitSheet();
        SetTimer(Handle(), kScriptTimer, 40, nullptr);
    }
    LRESULT SheetMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER && wParam == kScriptTimer) {
            if (next < steps.size() && ++ticks < kMostTicks) {
                steps[next++](*this);
                ran = next == steps.size();
            } else {
                KillTimer(Handle(), kScriptTimer);
                Close();
            }
            return 0;
        }
        return SheetCp::SheetMessage(message, wParam, lParam);
    }

private:
    std::vector<Step> steps;
    size_t next = 0;
    int ticks = 0;
};

struct Shown {
    std::string text;
    UINT type;
};

class SheetCpTest : public ::testing::Test {
protected:
    static inline std::vector<Shown> messages;
    static inline int answer = IDOK;
    static inline std::vector<std::string> pickedFolders;
    static inline std::string pickedFile;

    static int Record(HWND, const char* text, const char*, UINT type)
    {
        messages.push_back({text, type});
        return answer;
    }
    static BOOL PickFile(OPENFILENAMEA* request)
    {
        lstrcpynA(request->lpstrFile, pickedFile.c_str(), static_cast<int>(request->nMaxFile));
        return TRUE;
    }
    static LPITEMIDLIST PickFolder(BROWSEINFOA*)
    {
        if (pickedFolders.empty())
            return nullptr;
        LPITEMIDLIST items = ILCreateFromPathA(pickedFolders.front().c_str());
        pickedFolders.erase(pickedFolders.begin());
        return items;
    }

    void SetUp() override
    {
        messages.clear();
        answer = IDOK;
        pickedFolders.clear();
        seams::ShowMessage = Record;
        seams::ChooseOpenFile = PickFile;
        seams::ChooseFolder = PickFolder;
        path = ScratchPath(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".set");
        RemoveFile(path);
    }
    void TearDown() override { seams::Restore(); }

    // A fresh settings file with the fixed sections, then what the test adds.
    void MakeSettings(const std::function<void(SettingsFile&)>& fill = nullptr) const
    {
        SettingsFile settings;
        ASSERT_TRUE(settings.OpenAndInit(path.c_str()));
        if (fill)
            fill(settings);
        settings.Close();
    }
    void Run(std::vector<ScriptedSheet::Step> steps) const
    {
        ScriptedSheet sheet(path, std::move(steps));
        EXPECT_NE(sheet.DoModal(), -1);
        EXPECT_TRUE(sheet.ran) << "the script did not run to its end";
    }
    template <class Getter>
    std::vector<int> Flags(Getter get) const
    {
        SettingsFile settings;
        std::vector<int> flags(SettingsFile::kClasspathFlagCount, -1);
        if (settings.OpenExisting(path.c_str()))
            (settings.*get)(flags.data());
        return flags;
    }

    std::string path;
};

