#pragma once

#include "output_pane.h"
#include "sheet_page.h"
#include "tool_runner.h"

// A page that runs a child with a ZRunner into its two output panes: the
// Execute and Debug pages of the execute-and-debug tool, the Compile page of
// the compile tool. The status line and the stop button are the page's
// (0 when it has none).
class ZRunPage : public ZSheetPage, public ZRunnerOwner {
public:
    struct Ids {
        int status;
        int stop;
    };
    ZRunPage(int templateId, ZSheet& owner, Ids ids);
    ~ZRunPage() override;

    ZRunner& Runner() { return runner; }
    // Empties the two output panes and the command pane.
    void ClearPanes();
    // The pane that shows the command run; a long command goes with its
    // control, so it is reached through this.
    RichEditPane& CommandPane() { return commandPane; }
    int IsBusy() const { return runner.IsBusy(); }
    // Stops the run and waits for its threads, which write to this page.
    void EndRun();

    void AppendOut(const char* text, int append) override { AppendPaneText(outPane, text, append); }
    void AppendErr(const char* text, int append) override { AppendPaneText(errPane, text, append); }
    void EnableRunControls(int on) override;
    void SetStatus(const char* text) override;
    void RecordRunResult(int failed) override { (void)failed; }

protected:
    BOOL OnInitDialog() override;
    // The tab control over the three panes (out, err, command in the page's
    // order): the tabs, then the pane of the selected tab shown.
    void InsertPaneTabs(const int (&panes)[3], const char* const (&names)[3]);
    void ShowSelectedPane();

private:
    Ids ids;
    const int* tabPanes = nullptr;
    ZOutputPane outPane;
    ZOutputPane errPane;
    RichEditPane commandPane;
    ZRunner runner;
};
