#pragma once

#include "class_target.h"
#include "java_command.h"
#include "run_page.h"

// Where a run takes its options from: the Options page.
class RunOptionsSource {
public:
    virtual void GetRunOptions(RunOptions& options) = 0;

protected:
    ~RunOptionsSource() = default;
};

// "Execute": runs one class with javaw, shows the command, the program's two
// streams, and sends typed text to its standard input.
class ZSheetPgExec : public ZRunPage {
public:
    ZSheetPgExec(ZSheet& owner, DebugTarget& target, RunOptionsSource& options);

    // From the Find page: the class file and whether to run it as an
    // application (1) or an applet (0).
    void StartRun(const char* classFile, int isApplication);

    void Reset() override;
    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Layout() override;
    void EnableRunControls(int on) override;

    static const char kNoJavaw[];       // "Error to find Javaw.exe"
    static const char kStartFinding[];  // "Start finding ..."

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnStop(WPARAM, LPARAM);
    INT_PTR OnSend(WPARAM, LPARAM);
    INT_PTR OnTabChange(WPARAM, LPARAM);
    // The message about a bad escape, with the offer of the help page.
    void ReportBadEscape(int firstCombo);
    void Restart(const XString& runText);

    DebugTarget& target;
    RunOptionsSource& optionsSource;
};
