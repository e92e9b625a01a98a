#pragma once

#include "class_target.h"
#include "debug_page.h"
#include "exec_page.h"
#include "find_page.h"
#include "options_page.h"
#include "run_page.h"
#include "sheet.h"

// Skelbrand's sheet: Main, Find, Options, Execute, Debug. It saves the page
// settings on every close that succeeds, and refuses to close while a
// program or the debugger runs.
class SkelbrandSheet final : public ZSheet, public ClassStarter {
public:
    explicit SkelbrandSheet(const char* payload);
    ~SkelbrandSheet() override;

    int CanClose() override;
    // 1 when a run is active (the close is refused then); asks whether to
    // stop the runs, naming them.
    int PromptStopRuns();
    void OnMainWork(int first) override;

    ZSheetPgExec& ExecPage() { return execPage; }
    ZSheetPgFind& FindPage() { return findPage; }
    ZSheetPgOptn& OptionsPage() { return optionsPage; }
    DebugTarget& Target() { return target; }

    void StartClass(const char* classFile, int isApplication, int debug) override;
    void StopClass(int debug) override;
    int ClassBusy(int debug) override;
    ZSheetPgDbug& DebugPage() { return debugPage; }

protected:
    void ResetPages() override;
    int ResetBeforeParse() const override { return 0; }
    void EndRuns() override;
    const char* Caption() const override { return "Quenlow: execute and debug"; }
    const char* HelpPage() const override
    {
        return "\\quenlow.chm::\\html\\feature\\explorer\\executedebug\\0708execdebug.htm";
    }

private:
    DebugTarget target;
    ZSheetPgFind findPage;
    ZSheetPgOptn optionsPage;
    ZSheetPgExec execPage;
    ZSheetPgDbug debugPage;
};

// "Can not exit because it is in ...": the prompt's text for the active runs.
const char* StopRunsPrompt(int executing, int debugging);
