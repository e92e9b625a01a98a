#pragma once

#include <memory>

#include "app.h"
#include "sheet.h"

// The start-up of both tools: a command line that carries a payload goes to
// the running sheet of the same tool when there is one, else opens the
// tool's sheet, which runs until it is closed. All work happens in
// InitInstance, which always returns FALSE.
class ZApp : public App {
public:
    explicit ZApp(ToolKind kind) : kind(kind) {}

    BOOL InitInstance(const char* commandLine) override;

protected:
    virtual std::unique_ptr<ZSheet> CreateSheet(const char* payload) = 0;

private:
    ToolKind kind;
};

// The running sheet of this tool that a second start hands its payload to:
// the window named in the tool's slot, when it still lives and is the tool's.
HWND FindRunningSheet(ToolKind kind);
