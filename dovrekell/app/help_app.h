#pragma once

#include <memory>

#include "app.h"
#include "frame.h"

// The help browser's application: the document, the frame with the real
// browser, and the message loop until the frame closes.
class HelpApp : public App {
public:
    BOOL InitInstance(const char* commandLine) override;

private:
    ZDoc document;
    std::unique_ptr<HtmlBrowser> browser;
    std::unique_ptr<ZFrm> frame;
};
