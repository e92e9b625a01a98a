#pragma once

#include <windows.h>

#include "dialog.h"
#include "xstring.h"

// "Creating information": the report of a finished Windows executable or
// executable jar. Modeless: created hidden with its owner and kept for the
// owner's lifetime; each ShowResult fills, sizes, centres and shows it, and
// "Close" only hides it again.
class DlgCreateInfo : public Dialog {
public:
    enum Kind { kJar = 0, kExe = 1 };

    explicit DlgCreateInfo(HWND owner);

    // kind: kExe or kJar, which chooses the help page; title: the line above
    // the report; report: lines of "name\tvalue" or plain text.
    void ShowResult(int kind, const char* title, const char* report);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { ShowWindow(Handle(), SW_HIDE); }
    RouteTable Routes() const override;

private:
    INT_PTR OnClose(WPARAM, LPARAM);
    INT_PTR OnCaptionClick(WPARAM, LPARAM);
    void FitToReport(int reportLines);

    int kind = kExe;
    XString shownReport;  // the laid-out report the control holds
    // Measured in the report's fixed font when the window is made.
    int lineHeight = 0;
    int fiveCharWidth = 0;
};
