#pragma once

#include "dialog.h"
#include "link_label.h"

// The About box: what the browser is, and a link to the suite's home page.
class AboutDialog : public Dialog {
public:
    static constexpr int kLinkId = 100;
    static constexpr char kLinkText[] = "quenlow.example.org";
    static constexpr char kLinkTarget[] = "https://quenlow.example.org/";

    explicit AboutDialog(HWND parent);
    const LinkLabel& Link() const { return link; }

protected:
    BOOL OnInitDialog() override;

private:
    LinkLabel link;
};
