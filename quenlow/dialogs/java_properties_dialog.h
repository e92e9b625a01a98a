#pragma once

#include <windows.h>
#include <commctrl.h>

#include "dialog.h"
#include "process/runner_capture.h"
#include "xstring.h"

// The system properties of the installed JRE or JDK as a tree: each
// property a root, the pieces of its value (split at ';') its children. The
// probe class property.Property in the installation's bin\classes.jar
// writes them.
class DlgJavaProperty : public Dialog {
public:
    explicit DlgJavaProperty(HWND parent);
    ~DlgJavaProperty() override;

    // How long Read waits for the probe before it is stopped.
    static constexpr DWORD kProbeLimitMs = 300000;

    // The probe's command line for a Java home: its javaw with the class
    // path of the installation's classes.jar, ended by a ';'.
    static XString ProbeCommand(const char* javaHome, const char* binDir);

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    INT_PTR OnRead(WPARAM, LPARAM);
    INT_PTR OnExpand(WPARAM, LPARAM);
    INT_PTR OnCollapse(WPARAM, LPARAM);
    INT_PTR OnHelpButton(WPARAM, LPARAM);
    INT_PTR OnSize(WPARAM, LPARAM);
    INT_PTR OnDestroyWindow(WPARAM, LPARAM);
    void ExpandRoots(UINT action);
    void ShowListing(const XString& listing);
    void ShowErrors(const XString& text);
    void Layout(int width, int height);

    RunnerCapture probe;
    HIMAGELIST images = nullptr;
    XString jreHome;
    XString jdkHome;
};
