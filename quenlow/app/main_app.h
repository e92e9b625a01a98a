#pragma once

#include "app.h"
#include "payloads.h"

// The main program: one start does one thing (an installation step, one of
// the switches that start another program, or the main dialog) and ends.
class MainApp : public App {
public:
    BOOL InitInstance(const char* commandLine) override;

    // Installation steps ("/install", "/uninstall", "/reboot").
    static void Install();
    static void Uninstall();
    static void CompleteInstall();

    // The two tools, with the selection exactly as it followed the switch.
    static int StartCompileTool(const ClassPathRecord& record, const char* selection);
    static int StartExecuteDebugTool(const ClassPathRecord& record, const char* selection);
};
