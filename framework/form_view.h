#pragma once

#include "dialog.h"

// A view made from a WS_CHILD dialog template: the dialog's controls,
// keyboard handling and routes, living in a pane of a frame.
class FormView : public Dialog {
public:
    FormView(int templateId, HWND parent) : Dialog(templateId, parent) {}

    // Creates the view as the parent's child with the given id, shown.
    bool CreateView(int id);
};
