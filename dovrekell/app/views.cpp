#include "views.h"

#include "dovrekell_ids.h"

void ZViewOther::ShowFile(const char* shownPath, const char* shownExtension)
{
    path.Assign(shownPath);
    extension.Assign(shownExtension);
}

ZViewForm::ZViewForm(HWND parent) : FormView(IDD_PANEL, parent) {}
