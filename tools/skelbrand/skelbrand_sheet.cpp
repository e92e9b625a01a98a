#include "skelbrand_sheet.h"

#include "seams.h"
#include "tool_page_ids.h"

namespace {

constexpr int kFindPage = 1;
constexpr int kExecPage = 3;
constexpr int kDebugPage = 4;

}  // namespace

const char* StopRunsPrompt(int executing, int debugging)
{
    if (executing && debugging)
        return "Can not exit because it is in executing and debugging.\n\nDo you want to stop it now?\n";
    if (executing)
        return "Can not exit because it is in executing.\n\nDo you want to stop it now?\n";
    return "Can not exit because it is in debugging.\n\nDo you want to stop it now?\n";
}

SkelbrandSheet::SkelbrandSheet(const char* payload)
    : ZSheet(ToolKind::ExecuteDebug, payload), findPage(*this, *this), optionsPage(*this),
      execPage(*this, target, optionsPage),
      debugPage(*this, target, optionsPage)
{
    AddToolPage(findPage);
    AddToolPage(optionsPage);
    AddToolPage(execPage);
    AddToolPage(debugPage);
}

SkelbrandSheet::~SkelbrandSheet()
{
    EndRuns();
}

void SkelbrandSheet::ResetPages()
{
    findPage.Reset();
    // A new selection ends the program's run; a debugger goes on.
    execPage.Reset();
    debugPage.Reset();
}

void SkelbrandSheet::EndRuns()
{
    execPage.EndRun();
    debugPage.EndRun();
}

int SkelbrandSheet::PromptStopRuns()
{
    const int executing = execPage.IsBusy();
    const int debugging = debugPage.IsBusy();
    if (!executing && !debugging)
        return 0;
    if (seams::ShowMessage(Handle(), StopRunsPrompt(executing, debugging), "Message", MB_YESNO) == IDYES) {
        if (executing)
            execPage.Runner().Stop();
        if (debugging)
            debugPage.Runner().StopDebugger();
    }
    return 1;
}

int SkelbrandSheet::CanClose()
{
    if (PromptStopRuns())
        return 0;
    SavePages();
    return 1;
}

void SkelbrandSheet::OnMainWork(int first)
{
    SetActivePage(kFindPage);
    findPage.FillTree(first);
}

void SkelbrandSheet::StartClass(const char* classFile, int isApplication, int debug)
{
    if (debug) {
        SetActivePage(kDebugPage);
        debugPage.StartRun(classFile, isApplication);
        return;
    }
    SetActivePage(kExecPage);
    execPage.StartRun(classFile, isApplication);
}

void SkelbrandSheet::StopClass(int debug)
{
    if (debug)
        debugPage.Runner().StopDebugger();
    else
        execPage.Runner().Stop();
}

int SkelbrandSheet::ClassBusy(int debug)
{
    return debug ? debugPage.IsBusy() : execPage.IsBusy();
}
