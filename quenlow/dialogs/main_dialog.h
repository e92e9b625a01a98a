#pragma once

#include <windows.h>

#include <memory>

#include "bmp_button.h"
#include "create_builder.h"
#include "create_checks.h"
#include "create_request.h"
#include "create_info_dialog.h"
#include "dialog.h"
#include "dialog_runner_owner.h"
#include "ole_control_host.h"
#include "process/runner_create.h"
#include "process/runner_exe_jar.h"
#include "process/runner_main_class.h"
#include "settings/settings_file.h"
#include "xstring.h"

// Quenlow's one window: names a main class and the files to build, runs the
// class, and shows the output of every child in its pane.
class MainDlg : public Dialog {
public:
    // The settings stay open while the dialog lives: the histories and the
    // options are read from them at the start and written back at the end.
    // settingsPath names the same file for the dialogs that open it
    // themselves (null: the program's own).
    explicit MainDlg(SettingsFile& settings, HWND parent = nullptr, const char* settingsPath = nullptr);
    ~MainDlg() override;

    void ShowStatus(const char* text);
    void EnableRunButtons(bool enable);
    void UpdateControls();
    CreateRequest GatherState() const;

    // The report of a finished build: made hidden with the window, shown by
    // its ShowResult.
    DlgCreateInfo& CreateInfo() { return *createInfo; }
    // Waits until the output pane holds all that the runs gave it and its
    // writer is idle, delivering the messages sent meanwhile; false at the
    // time-out.
    bool WaitForOutputPane(DWORD ms) { return owner->WaitForPane(ms); }

    static constexpr UINT_PTR kPaneTimerId = 100;
    static constexpr UINT kPaneTimerMs = 10000;
    // Timer ticks after the last status text before the pane hides.
    static constexpr int kPaneTicks = 30;
    // Closing the dialog gives a run this long to end after it was stopped.
    static constexpr DWORD kCloseWaitMs = 5000;
    // The product has no online page yet: the web pane, when on, opens empty.
    static constexpr const char kOnlinePage[] = "about:blank";
    // The product's home page, opened from the Help menu.
    static constexpr const char kHomePage[] = "https://www.quenlow.example/";
    // Absent when the browser control could not be hosted.
    const OleControlHost& WebPane() const { return webBrowser; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    RouteTable Routes() const override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    INT_PTR OnCreate(WPARAM, LPARAM);
    INT_PTR OnConfirmIcon(WPARAM, LPARAM);
    // A build's end: the histories take its class and file, and the
    // creating information shows its report.
    void ShowCreateResult(int exe, const XString& title, const XString& report);
    INT_PTR OnRunMainClass(WPARAM, LPARAM);
    INT_PTR OnStopMainClass(WPARAM, LPARAM);
    INT_PTR OnLaunchOutput(WPARAM, LPARAM);
    INT_PTR OnBrowse(WPARAM, LPARAM);
    INT_PTR OnComboSelected(WPARAM, LPARAM);
    // The path the user picked, starting in the nearest existing folder of
    // the combo's text; empty when the dialog was cancelled.
    XString ChooseFile(int comboId, const char* filter);
    INT_PTR OnViewExeCommand(WPARAM, LPARAM);
    INT_PTR OnStopOutput(WPARAM, LPARAM);
    // The output file's kind (1 exe, 2 jar) after the checks both buttons
    // share; 0 after telling the user what is wrong.
    int OutputFileKind(XString& file);
    INT_PTR OnOptionClicked(WPARAM, LPARAM);
    INT_PTR OnRemoveEntry(WPARAM, LPARAM);
    INT_PTR OnTimer(WPARAM, LPARAM);
    INT_PTR OnAlwaysOnTop(WPARAM, LPARAM);
    INT_PTR OnDestroyWindow(WPARAM, LPARAM);
    INT_PTR OnEditManifest(WPARAM, LPARAM);

    void LoadOptions();
    void SaveOptions();
    void CreateTooltips();
    // The picture buttons: their bitmaps, and their mouse moves to the tooltips.
    void AttachPictureButtons();
    void ApplyAlwaysOnTop();
    // The self-painted menu bar and its commands.
    void PaintMenuBar(HDC dc);
    // Opens the menu of the caption at the point; false outside the captions.
    bool OpenMenuAt(POINT point);
    void PrepareMenu(HMENU items);
    INT_PTR OnJavaLibraries(WPARAM, LPARAM);
    // The option dialogs and the Java properties, each modal.
    INT_PTR OnOptionsCommand(WPARAM, LPARAM);
    INT_PTR OnClasspathOptions(WPARAM, LPARAM);
    INT_PTR OnHelpContents(WPARAM, LPARAM);
    INT_PTR OnAbout(WPARAM, LPARAM);
    INT_PTR OnHome(WPARAM, LPARAM);
    // Class information and the help on creating.
    INT_PTR OnClassInfo(WPARAM, LPARAM);
    INT_PTR OnCreatingHelp(WPARAM, LPARAM);
    // 1 when the viewer started; without the settings the user is told so.
    int StartClassInfo(const char* classFile);
    void StopRuns();

    SettingsFile& settings;
    XString settingsPath;
    // Declared before the runners: their threads talk to it until they end.
    std::unique_ptr<DialogRunnerOwner> owner;
    RunnerMainClass mainClassRunner;
    RunnerExeJar exeJarRunner;
    RunnerCreate createRunner;
    CreateMemory createMemory;
    std::unique_ptr<DlgCreateInfo> createInfo;
    HWND tooltip = nullptr;
    static constexpr int kPictureButtonCount = 18;
    BmpButton pictureButtons[kPictureButtonCount];
    HICON programIcon = nullptr;
    int pressedCaption = -1;  // in the menu bar's caption table; -1 none
    int alwaysOnTop = 0;
    int webPane = 0;
    int paneTicks = 0;
    OleControlHost webBrowser;
};
