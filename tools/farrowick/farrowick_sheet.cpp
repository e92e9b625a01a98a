#include "farrowick_sheet.h"

#include "seams.h"
#include "tool_page_ids.h"

namespace {

constexpr int kFindPage = 1;

}  // namespace

FarrowickSheet::FarrowickSheet(const char* payload)
    : ZSheet(ToolKind::Compile, payload), findPage(IDD_PAGE_FIND, *this),
      compilePage(*this, job), optionsPage(IDD_PAGE_OPTIONS, *this)
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

void FarrowickSheet::OnMainWork(int)
{
    if (RefuseWhileCompiling())
        return;
    // The Find page builds its tree (and compiles) from here once it can.
    SetActivePage(kFindPage);
}
