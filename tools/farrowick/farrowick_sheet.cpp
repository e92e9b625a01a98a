#include "farrowick_sheet.h"

#include "seams.h"
#include "tool_page_ids.h"

FarrowickSheet::FarrowickSheet(const char* payload)
    : ZSheet(ToolKind::Compile, payload), findPage(*this),
      compilePage(*this, job), optionsPage(*this)
{
    AddToolPage(findPage);
    AddToolPage(compilePage);
    AddToolPage(optionsPage);
}

FarrowickSheet::~FarrowickSheet()
{
    EndRuns();
}

void FarrowickSheet::ResetPages()
{
    findPage.Reset();
    compilePage.Reset();
}

int FarrowickSheet::RefuseWhileCompiling()
{
    if (!compilePage.IsCompiling())
        return 0;
    seams::ShowMessage(Handle(), "It is in compiling, please wait...", "Message", MB_OK);
    return 1;
}

int FarrowickSheet::CanClose()
{
    return !RefuseWhileCompiling();
}

void FarrowickSheet::OnMainWork(int first)
{
    if (RefuseWhileCompiling())
        return;
    // "Compile" builds the tree and compiles; "Find" only builds it.
    findPage.BuildTree(first ? 1 : 0);
}
