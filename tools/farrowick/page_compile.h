#pragma once

#include <functional>

#include "compile_command.h"
#include "compile_job.h"
#include "later_text.h"
#include "run_page.h"

// The Compile page: builds the javac command from the payload's class paths
// and the job's options, then compiles the job's units in its style, one
// javac run per unit, stepped by a 100 ms timer; it can pause between units
// and be stopped, and ends with the report.
class ZSheetPgComp final : public ZRunPage {
public:
    ZSheetPgComp(ZSheet& owner, ZCompileJob& job);

    void LoadSettings(ZSettings& settings) override;
    void SaveSettings(ZSettings& settings) override;
    void Reset() override;
    void Layout() override;
    int NeedsWindowAtStart() const override { return 0; }

    // A run, or units still to run, or the final step still to come.
    int IsCompiling() const;
    void BuildCommand(const char* base);
    // whileStarting: called once the first unit's compiler has been
    // started, before this page shows the compile.
    void StartCompile(const char* base, const std::function<void()>& whileStarting = nullptr);
    void UpdateErrorCount(int count);
    void RecordRunResult(int failed) override;

    static constexpr UINT_PTR kStepTimer = 100;
    static constexpr UINT kRunEnded = WM_APP + 1;
    static constexpr DWORD kRunSettleMs = 1000;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    void Exchange(DataExchange& dx) override;

private:
    INT_PTR OnTimer(WPARAM, LPARAM);
    INT_PTR OnRunEnded(WPARAM, LPARAM);
    INT_PTR OnTabChange(WPARAM, LPARAM);
    INT_PTR OnStop(WPARAM, LPARAM);
    INT_PTR OnContinue(WPARAM, LPARAM);

    // What one unit's run shows and runs.
    struct UnitRun {
        XString base;   // its folder, the compiler's current folder
        XString line;   // the unit line
        XString entry;  // its line in the list of folders (directory by directory)
        XString note;   // the command pane
        XString text;   // the command line run
    };

    void Step();
    int PauseDecision();
    void StartUnit();
    // The next unit's texts; false (and no unit left) when there is none.
    bool PrepareUnit(UnitRun& run);
    void LaunchUnit(const UnitRun& run);
    void ShowUnit(const UnitRun& run);
    // The panes and lines emptied, the run's buttons idle.
    void ClearPage();
    void Finish();
    void Resume();
    void ShowTabPane();
    void SetPaneText(int id, const char* text);
    XString RunText(const UnitCommand& texts, const XString& unit);

    ZCompileJob& job;
    int style = kCompileWhole;  // of the compile in progress
    int pause = 0;
    int firstStep = 1;
    int paused = 0;
    int resume = 0;
    int stepping = 0;
    // The source names of the unit in progress when its command line could
    // not hold them; removed once its run has ended.
    XString argumentFile;
    ZLaterText commandLater;
};
