#pragma once

#include "bitmap_button.h"
#include "compile_job.h"
#include "sheet_page.h"

// The Options page: compiler flags, target, a user command that can replace
// them, where the classes go (with a history of folders and tools to
// confirm, create, browse and delete them) and the compile style. A compile
// takes them through GetCompileOptions.
class ZSheetPgOptn final : public ZSheetPage {
public:
    explicit ZSheetPgOptn(ZSheet& owner);

    void GetCompileOptions(CompileOptions& options);
    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Layout() override;
    // Made at the start only when its loaded settings would not come back
    // unchanged through its controls: a never shown page saves them as read.
    int NeedsWindowAtStart() const override { return !loadedAsShown; }

    // 1 when the folder of the combo's text exists as a folder afterwards.
    int CreateOutputFolder();

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    void Exchange(DataExchange& dx) override;

private:
    INT_PTR OnOutputChoice(WPARAM, LPARAM);
    INT_PTR OnNoUserCommand(WPARAM, LPARAM);
    INT_PTR OnConfirm(WPARAM, LPARAM);
    INT_PTR OnCreate(WPARAM, LPARAM);
    INT_PTR OnDelete(WPARAM, LPARAM);
    INT_PTR OnBrowse(WPARAM, LPARAM);
    INT_PTR OnHistoryPick(WPARAM, LPARAM);
    INT_PTR OnClassPathHelp(WPARAM, LPARAM);
    INT_PTR OnOutputHelp(WPARAM, LPARAM);

    void EnableStates();
    // The loaded history and user command into their controls.
    void ShowLoaded();
    // The combo's text trimmed; a message and 0 when it is empty.
    int FolderText(XString& folder);
    void PushHistory(const char* text);

    int g = 1;
    int deprecation = 0;
    int nowarn = 0;
    int verbose = 0;
    int noUserCommand = 1;
    int autoStyle = 1;
    XString target;
    int style = kCompileByDirectory;
    int output = kOutputLocal;
    // Until the page has its window: the folder history and the user command
    // (with CRLF line ends, as its control gives it back) as loaded.
    StringList history;
    XString userCommand;
    int loadedAsShown = 1;
    // Help on the output options, browse for a folder, remove the entry.
    BitmapButton outputHelp;
    BitmapButton browse;
    BitmapButton remove;
};

// Makes every missing level of the folder, from the first component on.
// 0 when the first component cannot be listed, a level is a file or cannot
// be made.
int CreateFolderLevels(const char* folder);
