#pragma once

#include <windows.h>

#include <memory>

#include "dialog.h"
#include "dialog_runner_owner.h"
#include "ole_control_host.h"
#include "process/runner_create.h"
#include "process/runner_exe_jar.h"
#include "process/runner_main_class.h"
#include "settings/settings_file.h"
#include "xstring.h"

// What the user asked for, read from the controls before every action.
struct MainDialogState {
    XString mainClass;  // trimmed
    XString outputFile;
    XString manifestFile;
    XString iconFile;
    int exe = 1;
    int compression = 1;
    int mainClassDirOnly = 1;
    int addManifest = 0;  // always 0 for an exe
    int useJavaw = 1;
    int userIcon = 0;
};

// Quenlow's one window: names a main class and the files to build, runs the
// class, and shows the output of every child in its pane.
class MainDlg : public Dialog {
public:
    // The settings stay open while the dialog lives: the histories and the
    // options are read from them at the start and written back at the end.
    explicit MainDlg(SettingsFile& settings, HWND parent = nullptr);
    ~MainDlg() override;

    void ShowStatus(const char* text);
    void EnableRunButtons(bool enable);
    void UpdateControls();
    MainDialogState GatherState() const;

    static constexpr UINT_PTR kPaneTimerId = 100;
    static constexpr UINT kPaneTimerMs = 10000;
    // Timer ticks after the last status text before the pane hides.
    static constexpr int kPaneTicks = 30;
    // Closing the dialog gives a run this long to end after it was stopped.
    static constexpr DWORD kCloseWaitMs = 5000;
    // The product has no online page yet: the web pane, when on, opens empty.
    static constexpr const char kOnlinePage[] = "about:blank";
    // Absent when the browser control could not be hosted.
    const OleControlHost& WebPane() const { return webBrowser; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    RouteTable Routes() const override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    INT_PTR OnRunMainClass(WPARAM, LPARAM);
    INT_PTR OnStopMainClass(WPARAM, LPARAM);
    INT_PTR OnLaunchOutput(WPARAM, LPARAM);
    INT_PTR OnBrowse(WPARAM, LPARAM);
    INT_PTR OnComboSelected(WPARAM, LPARAM);
    // The path the user picked, starting in the nearest existing folder of
    // the combo's text; empty when the dialog was cancelled.
    XString ChooseFile(int comboId, const char* filter);
    void ComboToTop(int comboId, const char* text);
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

    void LoadOptions();
    void SaveOptions();
    void CreateTooltips();
    void ApplyAlwaysOnTop();
    // The self-painted menu bar: one caption whose menu holds what is built.
    void PaintMenuBar(HDC dc, bool pressed);
    bool OpenMenuAt(POINT point);
    void StopRuns();

    SettingsFile& settings;
    // Declared before the runners: their threads talk to it until they end.
    std::unique_ptr<DialogRunnerOwner> owner;
    RunnerMainClass mainClassRunner;
    RunnerExeJar exeJarRunner;
    RunnerCreate createRunner;
    HWND tooltip = nullptr;
    HICON programIcon = nullptr;
    RECT menuCaption = {};
    int alwaysOnTop = 0;
    int webPane = 0;
    int paneTicks = 0;
    OleControlHost webBrowser;
};
