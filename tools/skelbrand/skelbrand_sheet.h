#pragma once

#include "run_page.h"
#include "sheet.h"

// Skelbrand's sheet: Main, Find, Options, Execute, Debug. It saves the page
// settings on every close that succeeds, and refuses to close while a
// program or the debugger runs.
class SkelbrandSheet final : public ZSheet {
public:
    explicit SkelbrandSheet(const char* payload);
    ~SkelbrandSheet() override;

    int CanClose() override;
    // 1 when a run is active (the close is refused then); asks whether to
    // stop the runs, naming them.
    int PromptStopRuns();
    void OnMainWork(int first) override;

    ZRunPage& ExecPage() { return execPage; }
    ZRunPage& DebugPage() { return debugPage; }

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
    ZSheetPage findPage;
    ZSheetPage optionsPage;
    ZRunPage execPage;
    ZRunPage debugPage;
};

// "Can not exit because it is in ...": the prompt's text for the active runs.
const char* StopRunsPrompt(int executing, int debugging);
