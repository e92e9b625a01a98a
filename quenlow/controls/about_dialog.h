#pragma once

#include <windows.h>

#include "dialog.h"
#include "rich_label.h"

// The About box: the product's name and version scrolling in a loop on a
// dark background; the text may be dragged by hand.
class DlgAbout : public Dialog {
public:
    explicit DlgAbout(HWND parent);

    static constexpr COLORREF kBackground = RGB(51, 51, 51);

    const RichLabel& Label() const { return label; }

protected:
    BOOL OnInitDialog() override;

private:
    RichLabel label;
};
