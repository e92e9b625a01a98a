#include "form_view.h"

bool FormView::CreateView(int id)
{
    if (!Create())
        return false;
    SetWindowLongPtrA(Handle(), GWLP_ID, id);
    ShowWindow(Handle(), SW_SHOW);
    return true;
}
